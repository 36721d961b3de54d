#include "okna/rysunki/MalujFigury.h"

#include <QPainter>
#include <QPolygonF>

#include "common/Figury.h"
#include "okna/wspolne/Tekst.h"

namespace {
QPointF Punkt(const tPunkt& p) { return {p.X, p.Y}; }

Qt::Alignment Wyrownanie(tFigury::tWyrownanie w)
{
    switch (w) {
    case tFigury::tWyrownanie::DoLewej: return Qt::AlignLeft;
    case tFigury::tWyrownanie::DoPrawej: return Qt::AlignRight;
    default: return Qt::AlignHCenter;
    }
}
}  // namespace

void MalujFigury(QPainter& p, const tFigury& f)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    for (const auto& o : f.Odcinki) p.drawLine(Punkt(o.A), Punkt(o.B));
    for (const auto& r : f.Prostokaty) p.drawRect(QRectF(r.X, r.Y, r.Szer, r.Wys));
    for (const auto& k : f.Kola) p.drawEllipse(Punkt(k.Srodek), k.Promien, k.Promien);
    p.setBrush(Qt::black);
    for (const auto& w : f.Wielokaty) {
        QPolygonF wielokat;
        for (const tPunkt& x : w.Punkty) wielokat << Punkt(x);
        p.drawPolygon(wielokat);
    }
    // Prostokąt napisu o szerokości całego rysunku, dosunięty do punktu zgodnie z wyrównaniem.
    const double s = f.Szerokosc;
    for (const auto& n : f.Napisy) {
        const Qt::Alignment a = Wyrownanie(n.Wyrownanie);
        const double x = a == Qt::AlignLeft ? n.Punkt.X : a == Qt::AlignRight ? n.Punkt.X - s : n.Punkt.X - s / 2;
        p.drawText(QRectF(x, n.Punkt.Y, s, f.WysokoscTekstu), static_cast<int>(a | Qt::AlignTop), Tekst(n.Tekst));
    }
}
