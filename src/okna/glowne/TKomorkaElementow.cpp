#include "okna/glowne/TKomorkaElementow.h"

#include <QGlyphRun>
#include <QPainter>

namespace {
constexpr int MarginesKomorki = 3;
constexpr qsizetype MaksOpisow = 4096;
}  // namespace

void TKomorkaElementow::Czcionka(const QFont& czcionka) const
{
    if (czcionka == czcionka_ && surowa_.isValid() && opisy_.size() < MaksOpisow) return;
    czcionka_ = czcionka;
    surowa_ = QRawFont::fromFont(czcionka);
    opisy_.clear();
    glify_.clear();
}

const QStaticText& TKomorkaElementow::Opis(const QString& tekst, int szerokosc, const QFontMetrics& fm) const
{
    const QString klucz = QString::number(szerokosc) + QLatin1Char('|') + tekst;
    auto it = opisy_.find(klucz);
    if (it == opisy_.end()) {
        it = opisy_.insert(klucz, QStaticText(fm.elidedText(tekst, Qt::ElideRight, szerokosc)));
        it->setTextFormat(Qt::PlainText);
        it->prepare(QTransform(), czcionka_);
    }
    return *it;
}

// Liczba dosunięta do prawej jednym ciągiem glifów; false, gdy czcionka nie ma któregoś
// znaku (wtedy zwykły napis z zastępczą czcionką systemu).
bool TKomorkaElementow::RysujLiczbe(QPainter* p, const QString& tekst, const QRect& r) const
{
    if (!surowa_.isValid()) return false;
    QList<quint32> indeksy(tekst.size());
    QList<QPointF> pozycje(tekst.size());
    qreal x = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        auto it = glify_.find(tekst[i]);
        if (it == glify_.end()) {
            tGlif g;
            const QList<quint32> ind = surowa_.glyphIndexesForString(QString(tekst[i]));
            if (ind.size() == 1) {
                g.Indeks = ind[0];
                g.Szerokosc = surowa_.advancesForGlyphIndexes(ind).value(0).x();
            }
            it = glify_.insert(tekst[i], g);
        }
        if (it->Indeks == 0) return false;
        indeksy[i] = it->Indeks;
        pozycje[i] = QPointF(x, surowa_.ascent());
        x += it->Szerokosc;
    }
    QGlyphRun ciag;
    ciag.setRawFont(surowa_);
    ciag.setGlyphIndexes(indeksy);
    ciag.setPositions(pozycje);
    p->drawGlyphRun(QPointF(r.right() + 1 - x, r.top() + (r.height() - surowa_.ascent() - surowa_.descent()) / 2), ciag);
    return true;
}

void TKomorkaElementow::paint(QPainter* p, const QStyleOptionViewItem& opcja, const QModelIndex& indeks) const
{
    const bool zaznaczona = opcja.state & QStyle::State_Selected;
    const QPalette::ColorGroup grupa = opcja.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    const QVariant tlo = indeks.data(Qt::BackgroundRole);
    if (zaznaczona)
        p->fillRect(opcja.rect, opcja.palette.brush(grupa, QPalette::Highlight));
    else if (tlo.isValid())
        p->fillRect(opcja.rect, tlo.value<QBrush>());
    p->setPen(opcja.palette.color(grupa, zaznaczona ? QPalette::HighlightedText : QPalette::Text));
    p->setFont(opcja.font);
    Czcionka(opcja.font);
    const QRect r = opcja.rect.adjusted(MarginesKomorki, 0, -MarginesKomorki, 0);
    const QString tekst = indeks.data().toString();
    const Qt::Alignment wyrownanie = indeks.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    if (!(wyrownanie & Qt::AlignRight)) {  // tekst opisowy: ten sam przy każdym przeliczeniu
        const QStaticText& t = Opis(tekst, r.width(), opcja.fontMetrics);
        p->drawStaticText(QPointF(r.left(), r.top() + (r.height() - t.size().height()) / 2), t);
    } else if (!RysujLiczbe(p, tekst, r)) {
        p->drawText(r, static_cast<int>(wyrownanie), tekst);
    }
}
