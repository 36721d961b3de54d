#include "okna/rysunki/TWykres.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "okna/wspolne/Tekst.h"

namespace {
const char* const Czcionka = "DejaVu Sans";

QColor Barwa(const std::string& b) { return QColor(QString::fromStdString(b)); }
} // namespace

void RysujWykres(QPainter& p, const tWykresPorownania& w)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, w.Szerokosc, w.Wysokosc), Qt::white);
    for (const tFiguraWykresu& f : w.Figury) {
        QPen pioro = f.Kontur.empty() ? QPen(Qt::NoPen) : QPen(Barwa(f.Kontur), f.GruboscKonturu);
        if (f.Przerywany) pioro.setDashPattern({5 / std::max(1.0, f.GruboscKonturu), 3 / std::max(1.0, f.GruboscKonturu)});
        pioro.setCapStyle(Qt::FlatCap);
        p.setPen(pioro);
        p.setBrush(f.Wypelnienie.empty() ? QBrush(Qt::NoBrush) : QBrush(Barwa(f.Wypelnienie)));
        if (f.Odcinek)
            p.drawLine(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2));
        else
            p.drawRect(QRectF(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2)));
    }
    for (const tNapisWykresu& n : w.Napisy) {
        QFont czcionka(QString::fromLatin1(Czcionka));
        czcionka.setPixelSize(static_cast<int>(n.Rozmiar + 0.5));
        czcionka.setBold(n.Pogrubiony);
        p.setFont(czcionka);
        p.setPen(Barwa(n.Kolor));
        const QString tekst = Tekst(n.Tekst);
        const double szer = QFontMetricsF(czcionka).horizontalAdvance(tekst);
        const double przesuniecie = n.Wyrownanie == tWyrownanie::Srodek ? -szer / 2
                                    : n.Wyrownanie == tWyrownanie::Prawo ? -szer
                                                                         : 0;
        p.save();
        p.translate(n.x, n.y);
        if (n.Pionowy) p.rotate(-90);
        p.drawText(QPointF(przesuniecie, 0), tekst);
        p.restore();
    }
    p.restore();
}

TWykres::TWykres(QWidget* rodzic) : QWidget(rodzic)
{
    setObjectName(QStringLiteral("Wykres"));
    setMouseTracking(true);
}

void TWykres::UstawWykres(const tWykresPorownania& wykres)
{
    wykres_ = wykres;
    updateGeometry();
    update();
}

QSize TWykres::sizeHint() const
{
    return QSize(static_cast<int>(wykres_.Szerokosc), static_cast<int>(wykres_.Wysokosc));
}

QImage TWykres::Obraz() const
{
    QImage obraz(sizeHint(), QImage::Format_RGB32);  // tło wypełnia RysujWykres
    QPainter p(&obraz);
    RysujWykres(p, wykres_);
    return obraz;
}

// Wykres na środku pola, cały widoczny, w proporcjach obrazu.
QTransform TWykres::Przeksztalcenie() const
{
    if (wykres_.Szerokosc <= 0 || wykres_.Wysokosc <= 0) return {};
    const double s = std::min(width() / wykres_.Szerokosc, height() / wykres_.Wysokosc);
    QTransform t;
    t.translate((width() - wykres_.Szerokosc * s) / 2, (height() - wykres_.Wysokosc * s) / 2);
    t.scale(s, s);
    return t;
}

QString TWykres::OpisW(QPointF punkt) const
{
    const QPointF w = Przeksztalcenie().inverted().map(punkt);
    for (auto f = wykres_.Figury.rbegin(); f != wykres_.Figury.rend(); ++f)
        if (!f->Odcinek && !f->Opis.empty() && QRectF(QPointF(f->x1, f->y1), QPointF(f->x2, f->y2)).contains(w))
            return Tekst(f->Opis);
    return {};
}

void TWykres::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setTransform(Przeksztalcenie());
    RysujWykres(p, wykres_);
}

bool TWykres::event(QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::ToolTip) {
        auto* pomoc = static_cast<QHelpEvent*>(zdarzenie);
        const QString opis = OpisW(pomoc->pos());
        if (opis.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(pomoc->globalPos(), opis, this);
        return true;
    }
    return QWidget::event(zdarzenie);
}
