#include "okna/rysunki/RysunekWSkali.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "common/Wyliczenia.h"
#include "okna/rysunki/RysunkiPrzekrojow.h"
#include "okna/wspolne/Tekst.h"

namespace {

constexpr double Margines = 10;
constexpr double OdstepLancucha = 12;  // od części do linii wymiarowej
constexpr double WysokoscOsi = 0.4;    // oś dźwigara wystaje nad płytę [m]
const QColor Czerwony(200, 0, 0);

// Barwy materiałów jak na rysunkach wymiarowych; chodnik, krawężnik i opaska własne,
// by odróżnić części, które tam są jednym wielokątem.
QColor Barwa(tCzescPrzekroju c, int typ)
{
    switch (c) {
    case tCzescPrzekroju::Chodnik: return {205, 205, 195};
    case tCzescPrzekroju::Kraweznik:
    case tCzescPrzekroju::Opaska: return {160, 160, 160};
    case tCzescPrzekroju::Nawierzchnia: return BarwaNawierzchni;
    case tCzescPrzekroju::Bariera: return BarwaStali;
    case tCzescPrzekroju::Dzwigar: return typ == pDwudzwigaroweJezdniaDolna ? BarwaStali : BarwaBetonu;
    default: return BarwaBetonu;
    }
}

struct tSkala {
    double s, x0, y0, xMin, yMax;
    double X(double x) const { return x0 + (x - xMin) * s; }
    double Y(double y) const { return y0 + (yMax - y) * s; }
};

// Opis odcinka łańcucha "symbol = wartość": nad odcinkiem (rząd 0), gdy się mieści;
// inaczej w dalszym rzędzie z odnośnikiem ze środka odcinka, po lewej połowie rysunku
// z tekstem w prawo od odnośnika, po prawej w lewo. Rzędy przydzielane od środka na
// zewnątrz: odnośnik nie przecina wtedy opisów bliższych rzędów.
struct tOpis {
    double x1, x2;  // odcinek w pikselach
    QString Tekst;
    double Lewo, Szer;
    int Rzad;
};

constexpr int RzedyOpisow = 6;

std::vector<tOpis> Opisy(const QFontMetricsF& m, const tSkala& sk, const std::vector<tWymiarWSkali>& l,
                         const QRectF& cel)
{
    std::vector<tOpis> opisy;
    for (const tWymiarWSkali& w : l) {
        tOpis o{std::min(sk.X(w.x1), sk.X(w.x2)), std::max(sk.X(w.x1), sk.X(w.x2)),
                Tekst(w.Symbol + " = " + w.Wartosc), 0, 0, 0};
        o.Szer = m.horizontalAdvance(o.Tekst);
        o.Lewo = (o.x1 + o.x2 - o.Szer) / 2;
        opisy.push_back(o);
    }
    std::vector<std::vector<std::pair<double, double>>> zajete(RzedyOpisow);
    auto koliduje = [&](int r, double a, double b) {
        return std::any_of(zajete[r].begin(), zajete[r].end(),
                           [&](const auto& z) { return a < z.second + 6 && b + 6 > z.first; });
    };
    std::vector<tOpis*> dalsze;
    for (tOpis& o : opisy) {
        if (o.Szer <= o.x2 - o.x1 + 2) zajete[0].push_back({o.Lewo, o.Lewo + o.Szer});
        else dalsze.push_back(&o);
    }
    const double srodek = cel.center().x();
    std::sort(dalsze.begin(), dalsze.end(), [&](const tOpis* a, const tOpis* b) {
        return std::abs((a->x1 + a->x2) / 2 - srodek) < std::abs((b->x1 + b->x2) / 2 - srodek);
    });
    for (tOpis* o : dalsze) {
        const double xs = (o->x1 + o->x2) / 2;
        o->Lewo = std::clamp(xs < srodek ? xs - 2 : xs + 2 - o->Szer, cel.left(), std::max(cel.left(), cel.right() - o->Szer));
        o->Rzad = RzedyOpisow - 1;
        for (int r = 1; r < RzedyOpisow; ++r) {
            bool wolny = !koliduje(r, o->Lewo, o->Lewo + o->Szer);
            for (int q = 0; q < r && wolny; ++q) wolny = !koliduje(q, xs - 1, xs + 1);
            if (wolny) {
                o->Rzad = r;
                break;
            }
        }
        zajete[o->Rzad].push_back({o->Lewo, o->Lewo + o->Szer});
        for (int q = 1; q < o->Rzad; ++q) zajete[q].push_back({xs, xs});  // odnośnik
    }
    return opisy;
}

int Rzedy(const std::vector<tOpis>& opisy)
{
    int r = 0;
    for (const tOpis& o : opisy) r = std::max(r, o.Rzad + 1);
    return r;
}

// Łańcuch wymiarów na wysokości y z kreskami na końcach; opisy nad linią albo pod nią,
// dalsze rzędy z odnośnikiem do środka odcinka.
void Lancuch(QPainter& p, const QFontMetricsF& m, const std::vector<tOpis>& opisy, double y, bool pod)
{
    const double h = m.height(), kier = pod ? 1 : -1;
    for (const tOpis& o : opisy) {
        p.drawLine(QPointF(o.x1, y), QPointF(o.x2, y));
        for (double x : {o.x1, o.x2}) {
            p.drawLine(QPointF(x - 3, y + 3), QPointF(x + 3, y - 3));
            p.drawLine(QPointF(x, y - 4), QPointF(x, y + 4));
        }
        const double yBliski = y + kier * (2 + o.Rzad * h);  // krawędź tekstu od strony linii
        if (o.Rzad > 0) {
            const double xs = (o.x1 + o.x2) / 2;
            p.drawLine(QPointF(xs, y), QPointF(xs, yBliski + kier * h / 2));
        }
        p.drawText(QRectF(o.Lewo, pod ? yBliski : yBliski - h, o.Szer, h), Qt::AlignCenter, o.Tekst);
    }
}

}  // namespace

void RysujPrzekrojWSkali(QPainter& p, const tPrzekrojWSkali& r, const QRectF& cel)
{
    if (r.Czesci.empty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont czcionka = p.font();
    czcionka.setPixelSize(11);
    p.setFont(czcionka);
    const QFontMetricsF m(czcionka);
    const double wiersz = m.height();

    // Skala wspólna dla x i y; w pionie miejsce na rzędy opisów łańcuchów, liczbę n i linie
    // różnicy sum. Rzędy zależą od skali, a skala od rzędów: kilka przybliżeń.
    const double szer = std::max(0.01, r.xMax - r.xMin), wys = std::max(0.01, r.yMax - r.yMin + WysokoscOsi);
    tSkala sk{};
    std::vector<tOpis> gora, dol;
    int rzGora = 1, rzDol = 1;
    for (int przyblizenie = 0; przyblizenie < 3; ++przyblizenie) {
        const double nad = Margines + rzGora * wiersz + OdstepLancucha;
        const double pod = OdstepLancucha + 2 + rzDol * wiersz + 4 + wiersz + r.Roznica.Linie.size() * wiersz + Margines;
        const double s = std::max(0.0, std::min((cel.width() - 2 * Margines) / szer, (cel.height() - nad - pod) / wys));
        const double y0 = cel.top() + nad + std::max(0.0, (cel.height() - nad - pod - wys * s) / 2);
        sk = {s, cel.left() + (cel.width() - szer * s) / 2, y0 + WysokoscOsi * s, r.xMin, r.yMax};
        gora = Opisy(m, sk, r.Gora, cel);
        dol = Opisy(m, sk, r.Dol, cel);
        if (Rzedy(gora) == rzGora && Rzedy(dol) == rzDol) break;
        rzGora = Rzedy(gora), rzDol = Rzedy(dol);
    }

    const QPen kontur(Qt::black, 1);
    p.setPen(kontur);
    for (const tCzesc& c : r.Czesci) {
        p.setBrush(Barwa(c.Rodzaj, r.Typ));
        p.drawRect(QRectF(QPointF(sk.X(c.x1), sk.Y(c.y2)), QPointF(sk.X(c.x2), sk.Y(c.y1))));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(BarwaOsi, 0.8, Qt::DashDotLine));
    for (double x : r.OsieDzwigarow)
        p.drawLine(QPointF(sk.X(x), sk.Y(r.yMax + WysokoscOsi)), QPointF(sk.X(x), sk.Y(r.yMin) + 6));
    p.setPen(QPen(BarwaOsi, 0.8, Qt::DashLine));
    for (double x : r.GranicePasm) p.drawLine(QPointF(sk.X(x), sk.Y(-0.03)), QPointF(sk.X(x), sk.Y(r.yMin + 0.03)));

    p.setPen(kontur);
    const double yGora = sk.Y(r.yMax + WysokoscOsi) - OdstepLancucha + 4;
    const double yDol = sk.Y(r.yMin) + OdstepLancucha;
    Lancuch(p, m, gora, yGora, false);
    Lancuch(p, m, dol, yDol, true);
    double yTekstu = yDol + 2 + Rzedy(dol) * wiersz + 4;
    p.drawText(QRectF(cel.left(), yTekstu, cel.width(), wiersz), Qt::AlignHCenter, Tekst(r.Liczba));

    if (r.Roznica.Jest) {
        // Końce obu sum na całej wysokości rysunku i różnica między nimi.
        p.setPen(QPen(Czerwony, 1.5));
        for (double x : {r.Roznica.xGory, r.Roznica.xDolu})
            p.drawLine(QPointF(sk.X(x), yGora), QPointF(sk.X(x), yDol));
        const double yR = (sk.Y(0) + yDol) / 2;
        p.drawLine(QPointF(sk.X(r.Roznica.xGory), yR), QPointF(sk.X(r.Roznica.xDolu), yR));
        QFont pogrubiona = czcionka;
        pogrubiona.setBold(true);
        p.setFont(pogrubiona);
        for (const std::string& l : r.Roznica.Linie) {
            yTekstu += wiersz;
            p.drawText(QRectF(cel.left(), yTekstu, cel.width(), wiersz), Qt::AlignHCenter, Tekst(l));
        }
    }
    p.restore();
}
