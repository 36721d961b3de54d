#include "okna/rysunki/TWidokPodluzny.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

#include "przebieg/TabelaElementow.h"
#include "okna/wspolne/Tekst.h"

namespace {
QColor Kolor(const tKolor& k) { return QColor(k.R, k.G, k.B); }
QRect Pole(const tProstokat& p) { return QRect(p.X, p.Y, p.Szer, p.Wys); }
constexpr int SzerokoscMinimalna = 300;
constexpr size_t MaksNapisowWPamieci = 4096;
}  // namespace

TWidokPodluzny::TWidokPodluzny(const tTabelaElementow& tabela, QWidget* rodzic) : QWidget(rodzic), tabela_(tabela)
{
    setFixedHeight(WysokoscWidokuPodluznego(fontMetrics().height()));
    setMinimumWidth(SzerokoscMinimalna);
}

QSize TWidokPodluzny::sizeHint() const { return {SzerokoscMinimalna, minimumHeight()}; }

void TWidokPodluzny::Odswiez()
{
    // Te same napisy (numery, długości) wracają przy każdym przeliczeniu: szerokości
    // z pamięci zamiast składu tekstu.
    const QFontMetrics fm = fontMetrics();
    if (szerokosci_.size() > MaksNapisowWPamieci) szerokosci_.clear();
    tRysunekPodluzny nowy = RysunekPodluzny(tabela_, width(), fm.height(), [&](const std::string& t) {
        auto [it, dodany] = szerokosci_.try_emplace(t, 0);
        if (dodany) it->second = fm.horizontalAdvance(Tekst(t));
        return it->second;
    });
    if (nowy == rysunek_) return;
    rysunek_ = std::move(nowy);
    update();
}

void TWidokPodluzny::changeEvent(QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::FontChange) {
        szerokosci_.clear();
        napisy_.clear();
        napisyGrube_.clear();
        setFixedHeight(WysokoscWidokuPodluznego(fontMetrics().height()));
        Odswiez();
    }
    QWidget::changeEvent(zdarzenie);
}

void TWidokPodluzny::resizeEvent(QResizeEvent*) { Odswiez(); }

bool TWidokPodluzny::event(QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::ToolTip) return QWidget::event(zdarzenie);
    auto* pomoc = static_cast<QHelpEvent*>(zdarzenie);
    const int w = ElementPodPunktem(rysunek_, pomoc->pos().x(), pomoc->pos().y());
    if (w < 0 || w >= static_cast<int>(tabela_.Wiersze.size()))
        QToolTip::hideText();
    else
        QToolTip::showText(pomoc->globalPos(), Tekst(OpisWierszaElementu(tabela_, w)), this, QRect(),
                           toolTipDuration());
    return true;
}

// Znak węzła (podpora albo przegub) raz narysowany do obrazka: przy 90 węzłach belki
// przegubowej rysowanie wielokątów i elips było droższe niż całe przeliczenie.
const QPixmap& TWidokPodluzny::ZnakWezla(tWezel rodzaj)
{
    const tProstokat& t = rysunek_.PodporaWzor;
    const int r = rysunek_.PromienPrzegubu;
    QPixmap& znak = rodzaj == tWezel::Podpora ? podpora_ : przegub_;
    const QSize rozmiar = rodzaj == tWezel::Podpora ? QSize(t.Szer + 1, t.Wys + 1) : QSize(2 * r + 1, 2 * r + 1);
    if (znak.size() == rozmiar) return znak;
    znak = QPixmap(rozmiar);
    znak.fill(Qt::transparent);
    QPainter p(&znak);
    p.setPen(QPen(Qt::black, 1));
    if (rodzaj == tWezel::Podpora) {
        const QPoint rogi[3] = {{0, t.Wys}, {t.Szer / 2, 0}, {t.Szer, t.Wys}};
        p.setBrush(Qt::black);
        p.drawPolygon(rogi, 3);
    } else {
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(r, r), r, r);
    }
    return znak;
}

// Napis złożony raz: numery i długości wracają przy każdym przeliczeniu.
const QStaticText& TWidokPodluzny::Napis(const std::string& tekst, bool pogrubiony)
{
    auto& pamiec = pogrubiony ? napisyGrube_ : napisy_;
    if (pamiec.size() > MaksNapisowWPamieci) pamiec.clear();
    auto [it, nowy] = pamiec.try_emplace(tekst);
    if (nowy) {
        QFont f = font();
        f.setBold(pogrubiony);
        it->second.setText(Tekst(tekst));
        it->second.setTextFormat(Qt::PlainText);
        it->second.prepare(QTransform(), f);
    }
    return it->second;
}

void TWidokPodluzny::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (rysunek_.Elementy.empty()) return;
    const tRysunekPodluzny& r = rysunek_;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    for (const auto& e : r.Elementy) {
        p.fillRect(Pole(e.Pole), Kolor(e.Kolor));
        p.drawRect(Pole(e.Pole));
    }
    p.setPen(QPen(Qt::black, 3));
    for (const auto& e : r.Elementy)
        if (e.Najgorszy) p.drawRect(Pole(e.Pole).adjusted(-1, -1, 1, 1));
    const int srodek = r.Belka.Y + r.Belka.Wys / 2;
    for (const auto& w : r.Wezly) {
        if (w.Rodzaj == tWezel::Podpora)
            p.drawPixmap(w.X + r.PodporaWzor.X, r.PodporaWzor.Y, ZnakWezla(w.Rodzaj));
        else
            p.drawPixmap(w.X - r.PromienPrzegubu, srodek - r.PromienPrzegubu, ZnakWezla(w.Rodzaj));
    }
    if (r.Skala.Jednolita()) {
        p.fillRect(Pole(r.Legenda), Kolor(KolorMasy(r.Skala, r.Skala.Do)));
    } else {
        QLinearGradient g(r.Legenda.X, 0, r.Legenda.X + r.Legenda.Szer, 0);
        for (int i = 0; i < 3; ++i) g.setColorAt(i / 2.0, Kolor(BarwySkali()[i]));
        p.fillRect(Pole(r.Legenda), g);
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(Pole(r.Legenda));
    const QFont zwykla = font();
    QFont gruba = zwykla;
    gruba.setBold(true);
    for (const auto& n : r.Napisy) {
        const QStaticText& t = Napis(n.Tekst, n.Pogrubiony);
        const QSizeF s = t.size();
        p.setFont(n.Pogrubiony ? gruba : zwykla);
        p.drawStaticText(QPointF(n.Pole.X + (n.Pole.Szer - s.width()) / 2, n.Pole.Y + (n.Pole.Wys - s.height()) / 2), t);
    }
}
