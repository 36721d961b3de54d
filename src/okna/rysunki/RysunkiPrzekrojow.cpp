#include "okna/rysunki/RysunkiPrzekrojow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// Poziomy rysunku (współrzędne umowne, y w dół).
constexpr double YWymiarGorny = 30;   // łańcuch wymiarów szerokości nad przekrojem
constexpr double YChodnik = 78;       // wierzch chodnika
constexpr double YPlyta = 94;         // wierzch płyty pod jezdnią
constexpr double GruboscNaw = 4;      // warstwa nawierzchni
constexpr double GruboscPlyty = 14;   // płyta pomostu między dźwigarami
constexpr double GruboscKonca = 8;    // płyta na końcu wspornika
constexpr double WysokoscDzw = 72;    // dźwigar pod płytą
constexpr double PolSrodnika = 6;     // połowa szerokości środnika dźwigara
constexpr double PolStopki = 11;      // połowa szerokości stopki dolnej
constexpr double WysokoscBalustrady = 28;

const QString Wielokropek = QString::fromUtf8("…");
const QString UwagaE = QStringLiteral("e = z - d");

struct tPunkt {
    double x;
    double yCechy;  // wysokość elementu, od którego idzie linia pomocnicza
};

// Łańcuch wymiarów: odcinki między kolejnymi punktami z etykietami; linie pomocnicze
// od elementów do linii wymiarowej.
void Lancuch(tRysunek& r, double y, const std::vector<tPunkt>& punkty, const QStringList& etykiety)
{
    for (size_t i = 0; i + 1 < punkty.size(); ++i)
        r.Wymiary.push_back({punkty[i].x, punkty[i + 1].x, y, etykiety.value(static_cast<int>(i))});
    for (const tPunkt& p : punkty) {
        const double kierunek = p.yCechy > y ? 1 : -1;
        r.Linie.push_back({p.x, p.yCechy - 3 * kierunek, p.x, y - 4 * kierunek});
    }
}

// Kolejne x od x0 przez podane szerokości.
std::vector<double> Podzial(double x0, std::initializer_list<double> szerokosci)
{
    std::vector<double> x{x0};
    for (double s : szerokosci) x.push_back(x.back() + s);
    return x;
}

QPolygonF Prostokat(double x1, double y1, double x2, double y2)
{
    return QPolygonF(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

// Balustrada: słupek z poręczą i przeciągiem na krawędzi pomostu.
void Balustrada(tRysunek& r, double x, double yPodstawa)
{
    const double yGora = yPodstawa - WysokoscBalustrady;
    r.Stal.push_back(Prostokat(x - 1, yGora + 2, x + 1, yPodstawa));
    r.Stal.push_back(Prostokat(x - 3.5, yGora, x + 3.5, yGora + 3));
    r.Stal.push_back(Prostokat(x - 2.5, yGora + 13, x + 2.5, yGora + 15));
}

// Bariera ochronna: słupek na pasie g i prowadnica od strony jezdni.
void Bariera(tRysunek& r, double xL, double xP, double yPodstawa, bool prowadnicaPoPrawej)
{
    const double xS = (xL + xP) / 2;
    r.Stal.push_back(Prostokat(xS - 1.5, yPodstawa - 22, xS + 1.5, yPodstawa));
    const double xProw = prowadnicaPoPrawej ? xS + 1.5 : xS - 5.5;
    r.Stal.push_back(Prostokat(xProw, yPodstawa - 22, xProw + 4, yPodstawa - 12));
}

// Jezdnia: nawierzchnia od xL do xP na płycie i znaki krawędzi pasów opaski (xA).
void Jezdnia(tRysunek& r, double xL, double xP, double yPlyty, std::initializer_list<double> krawedzie)
{
    r.Nawierzchnia.push_back(Prostokat(xL, yPlyty - GruboscNaw, xP, yPlyty));
    for (double x : krawedzie) r.Linie.push_back({x, yPlyty - GruboscNaw - 2, x, yPlyty - GruboscNaw});
}

// Chodnik od xZew do xWew (krawężnik po stronie xWew) na płycie.
void Chodnik(tRysunek& r, double xZew, double xWew, double yPlyty)
{
    const double xMin = std::min(xZew, xWew), xMax = std::max(xZew, xWew);
    r.Beton.push_back(Prostokat(xMin, YChodnik, xMax, yPlyty));
    const double kier = xWew > xZew ? -1 : 1;
    r.Stal.push_back(Prostokat(xWew + 7 * kier, YChodnik, xWew, yPlyty - 2));
}

// Pomost wielodźwigarowy jako jeden obrys: płyta ze wspornikami i dźwigary pod nią.
void PomostZDzwigarami(tRysunek& r, double xL, double xP, const std::vector<double>& osie)
{
    const double ySpod = YPlyta + GruboscPlyty;
    const double yDol = ySpod + WysokoscDzw;
    QPolygonF w;
    w << QPointF(xL, YPlyta) << QPointF(xP, YPlyta) << QPointF(xP, YPlyta + GruboscKonca);
    for (auto it = osie.rbegin(); it != osie.rend(); ++it) {
        const double x = *it;
        w << QPointF(x + PolSrodnika + 4, ySpod) << QPointF(x + PolSrodnika, ySpod + 4)
          << QPointF(x + PolSrodnika, yDol - 14) << QPointF(x + PolStopki, yDol - 8) << QPointF(x + PolStopki, yDol)
          << QPointF(x - PolStopki, yDol) << QPointF(x - PolStopki, yDol - 8) << QPointF(x - PolSrodnika, yDol - 14)
          << QPointF(x - PolSrodnika, ySpod + 4) << QPointF(x - PolSrodnika - 4, ySpod);
    }
    w << QPointF(xL, YPlyta + GruboscKonca);
    r.Beton.push_back(w);
    for (double x : osie) r.Osie.push_back({x, YPlyta - 10, x, yDol + 52});
}

// Osie dźwigarów 1, 2, 3, …, n-1, n (albo bez numerów): pięć narysowanych i przerwa.
std::vector<double> OsieDzwigarow(double x1, double xN, bool zPrzerwa)
{
    std::vector<double> osie;
    const int podzialy = zPrzerwa ? 5 : 4;
    for (int i = 0; i <= podzialy; ++i)
        if (!zPrzerwa || i != 3) osie.push_back(x1 + (xN - x1) * i / podzialy);
    return osie;
}

void NumeryDzwigarow(tRysunek& r, double x1, double xN)
{
    const double y = YPlyta + GruboscPlyty + WysokoscDzw + 14;
    const QStringList numery{"1", "2", "3", Wielokropek, "n-1", "n"};
    for (int i = 0; i < 6; ++i) r.Napisy.push_back({QPointF(x1 + (xN - x1) * i / 5, y), numery[i]});
}

// Płyta o szerokości P ze wspornikami do krawędzi pomostu i podziałem na pasma.
void PlytaZPasmami(tRysunek& r, double xL, double xP, double xPlytyL, double xPlytyP, const QStringList& pasma)
{
    const double yDol = YPlyta + 48;
    QPolygonF w;
    w << QPointF(xL, YPlyta) << QPointF(xP, YPlyta);
    if (xPlytyP < xP) w << QPointF(xP, YPlyta + GruboscKonca) << QPointF(xPlytyP, YPlyta + GruboscPlyty);
    w << QPointF(xPlytyP, yDol) << QPointF(xPlytyL, yDol);
    if (xPlytyL > xL) w << QPointF(xPlytyL, YPlyta + GruboscPlyty) << QPointF(xL, YPlyta + GruboscKonca);
    r.Beton.push_back(w);
    const int ile = static_cast<int>(pasma.size());
    const double krok = (xPlytyP - xPlytyL) / ile;
    for (int i = 0; i < ile; ++i) {
        if (i > 0) r.Osie.push_back({xPlytyL + krok * i, YPlyta + 2, xPlytyL + krok * i, yDol - 2});
        r.Napisy.push_back({QPointF(xPlytyL + krok * (i + 0.5), (YPlyta + yDol) / 2 + 4), pasma[i]});
    }
}

const double YWymiarDolny = YPlyta + GruboscPlyty + WysokoscDzw + 44;  // e1 | B | e2
const double YWymiarPlyty = YPlyta + 80;                                 // e1 | P | e2

// 0 i 3 mają ten sam układ szerokości: chodniki z krawężnikami, opaski i jezdnia.
std::vector<double> UkladZKraweznikami() { return Podzial(41, {50, 22, 200, 22, 50}); }

void GoraZKraweznikami(tRysunek& r, const std::vector<double>& x)
{
    Chodnik(r, x[0], x[1], YPlyta);
    Chodnik(r, x[5], x[4], YPlyta);
    Jezdnia(r, x[1], x[4], YPlyta, {x[2], x[3]});
    Balustrada(r, x[0] + 6, YChodnik);
    Balustrada(r, x[5] - 6, YChodnik);
    const double yJ = YPlyta - GruboscNaw;
    Lancuch(r, YWymiarGorny,
            {{x[0], YChodnik - WysokoscBalustrady - 2}, {x[1], YChodnik}, {x[2], yJ}, {x[3], yJ},
             {x[4], YChodnik}, {x[5], YChodnik - WysokoscBalustrady - 2}},
            {"c1", "a1", "b", "a2", "c2"});
}

// Dźwigary pod płytą o krawędziach xL, xP, skrajne w odległości wysieg od krawędzi,
// i łańcuch wysięg | B | wysięg pod nimi.
void DzwigaryZWymiarami(tRysunek& r, double xL, double xP, double wysieg, bool numery, double yLancucha,
                        const QStringList& etykiety)
{
    const double x1 = xL + wysieg, xN = xP - wysieg;
    PomostZDzwigarami(r, xL, xP, OsieDzwigarow(x1, xN, numery));
    if (numery) NumeryDzwigarow(r, x1, xN);
    const double yK = YPlyta + GruboscKonca;
    Lancuch(r, yLancucha, {{xL, yK}, {x1, YWymiarDolny}, {xN, YWymiarDolny}, {xP, yK}}, etykiety);
}

// Płyta P między wspornikami o wysięgu wysieg i łańcuch wysięg | P | wysięg pod nią.
void PlytaZWymiarami(tRysunek& r, double xL, double xP, double wysieg, const QStringList& pasma,
                     const QStringList& etykiety)
{
    const double xPL = xL + wysieg, xPP = xP - wysieg;
    PlytaZPasmami(r, xL, xP, xPL, xPP, pasma);
    const double yK = YPlyta + GruboscKonca;
    const double yD = YPlyta + 48;
    Lancuch(r, YWymiarPlyty, {{xL, yK}, {xPL, yD}, {xPP, yD}, {xP, yK}}, etykiety);
}

tRysunek Przekroj0()
{
    tRysunek r;
    const auto x = UkladZKraweznikami();
    GoraZKraweznikami(r, x);
    DzwigaryZWymiarami(r, x[0], x[5], 38, true, YWymiarDolny, {"e1", "B", "e2"});
    return r;
}

tRysunek Przekroj1()
{
    tRysunek r;
    const auto x = Podzial(54, {24, 270, 24});
    Jezdnia(r, x[0], x[3], YPlyta, {x[1], x[2]});
    Balustrada(r, x[0] + 5, YPlyta - GruboscNaw);
    Balustrada(r, x[3] - 5, YPlyta - GruboscNaw);
    const double yJ = YPlyta - GruboscNaw;
    Lancuch(r, YWymiarGorny, {{x[0], yJ - WysokoscBalustrady - 2}, {x[1], yJ}, {x[2], yJ}, {x[3], yJ - WysokoscBalustrady - 2}},
            {"a1", "b", "a2"});
    DzwigaryZWymiarami(r, x[0], x[3], 36, true, YWymiarDolny, {"e1", "B", "e2"});
    return r;
}

// Dźwigar blachownicowy: pasy o szerokości g, cienki środnik.
void Blachownica(tRysunek& r, double xL, double xP, double yGora, double yDol)
{
    const double xS = (xL + xP) / 2;
    QPolygonF w;
    w << QPointF(xL, yGora) << QPointF(xP, yGora) << QPointF(xP, yGora + 5) << QPointF(xS + 2, yGora + 5)
      << QPointF(xS + 2, yDol - 5) << QPointF(xP, yDol - 5) << QPointF(xP, yDol) << QPointF(xL, yDol)
      << QPointF(xL, yDol - 5) << QPointF(xS - 2, yDol - 5) << QPointF(xS - 2, yGora + 5) << QPointF(xL, yGora + 5);
    r.Stal.push_back(w);
    r.Osie.push_back({xS, yGora - 8, xS, yDol + 58});
}

tRysunek Przekroj2()
{
    tRysunek r;
    //            c1  g   k1  a1  b    a2  k2  g   c2
    const auto x = Podzial(39, {36, 16, 17, 20, 170, 20, 17, 16, 36});
    const double yGora = 62, yDol = 204;
    const double yJezdni = 180;  // wierzch płyty jezdni
    const double yChod = 170;    // wierzch chodników na wspornikach
    Blachownica(r, x[1], x[2], yGora, yDol);
    Blachownica(r, x[7], x[8], yGora, yDol);
    // Płyta jezdni między dźwigarami na poprzecznicy, krawężniki przy dźwigarach.
    r.Beton.push_back(Prostokat(x[2], yJezdni, x[7], yJezdni + 12));
    r.Stal.push_back(Prostokat(x[2], yJezdni + 12, x[7], yJezdni + 22));
    r.Beton.push_back(Prostokat(x[2], yChod, x[3], yJezdni));
    r.Beton.push_back(Prostokat(x[6], yChod, x[7], yJezdni));
    Jezdnia(r, x[3], x[6], yJezdni, {x[4], x[5]});
    // Chodniki na wspornikach po zewnętrznej stronie dźwigarów.
    for (bool lewy : {true, false}) {
        const double xZew = lewy ? x[0] : x[9], xDzw = lewy ? x[1] : x[8];
        r.Beton.push_back(Prostokat(std::min(xZew, xDzw), yChod, std::max(xZew, xDzw), yChod + 10));
        QPolygonF wspornik;
        wspornik << QPointF(xDzw, yChod + 10) << QPointF(xZew + (lewy ? 6 : -6), yChod + 10) << QPointF(xDzw, yDol - 10);
        r.Stal.push_back(wspornik);
        Balustrada(r, xZew + (lewy ? 5 : -5), yChod);
    }
    const double yN = yJezdni - GruboscNaw;
    Lancuch(r, YWymiarGorny,
            {{x[0], yChod - WysokoscBalustrady - 2}, {x[1], yGora}, {x[2], yGora}, {x[3], yChod}, {x[4], yN},
             {x[5], yN}, {x[6], yChod}, {x[7], yGora}, {x[8], yGora}, {x[9], yChod - WysokoscBalustrady - 2}},
            {"c1", "g", "k1", "a1", "b", "a2", "k2", "g", "c2"});
    const double yB = yDol + 40;
    Lancuch(r, yB, {{(x[1] + x[2]) / 2, yB}, {(x[7] + x[8]) / 2, yB}}, {"B"});
    return r;
}

tRysunek Przekroj3()
{
    tRysunek r;
    const auto x = UkladZKraweznikami();
    GoraZKraweznikami(r, x);
    PlytaZWymiarami(r, x[0], x[5], 40, {"1", "2", Wielokropek, "n-1", "n"}, {"e1", "P", "e2"});
    return r;
}

tRysunek Przekroj4()
{
    tRysunek r;
    const auto x = Podzial(64, {24, 250, 24});
    Jezdnia(r, x[0], x[3], YPlyta, {x[1], x[2]});
    Balustrada(r, x[0] + 5, YPlyta - GruboscNaw);
    Balustrada(r, x[3] - 5, YPlyta - GruboscNaw);
    PlytaZPasmami(r, x[0], x[3], x[0], x[3], {"1", "2", "3", Wielokropek, "n-1", "n"});
    const double yJ = YPlyta - GruboscNaw;
    Lancuch(r, YWymiarGorny, {{x[0], yJ - WysokoscBalustrady - 2}, {x[1], yJ}, {x[2], yJ}, {x[3], yJ - WysokoscBalustrady - 2}},
            {"a1", "b", "a2"});
    const double yD = YPlyta + 48;
    Lancuch(r, YWymiarPlyty, {{x[0], yD}, {x[3], yD}}, {"P"});
    return r;
}

// 5 i 6: od krawędzi gzyms d, chodnik c, pas bariery g, pas k do krawężnika, opaska a.
std::vector<double> UkladZBarierami()
{
    //                  d1  c1  g1  k1  a1  b    a2  k2  g2  c2  d2
    return Podzial(24, {16, 32, 18, 18, 20, 170, 20, 18, 18, 32, 16});
}

void GoraZBarierami(tRysunek& r, const std::vector<double>& x)
{
    const double yGzyms = YChodnik - 8;
    const double yKraw = YChodnik + 4;  // wierzch pasa przy krawężniku
    for (bool lewy : {true, false}) {
        const double xD0 = lewy ? x[0] : x[11], xD1 = lewy ? x[1] : x[10];
        const double xC1 = lewy ? x[2] : x[9], xG1 = lewy ? x[3] : x[8], xK1 = lewy ? x[4] : x[7];
        r.Beton.push_back(Prostokat(std::min(xD0, xD1), yGzyms, std::max(xD0, xD1), YPlyta + 6));
        r.Beton.push_back(Prostokat(std::min(xD1, xG1), YChodnik, std::max(xD1, xG1), YPlyta));
        r.Beton.push_back(Prostokat(std::min(xG1, xK1), yKraw, std::max(xG1, xK1), YPlyta));
        Balustrada(r, (xD0 + xD1) / 2, yGzyms);
        Bariera(r, std::min(xC1, xG1), std::max(xC1, xG1), YChodnik, lewy);
    }
    Jezdnia(r, x[4], x[7], YPlyta, {x[5], x[6]});
    const double yJ = YPlyta - GruboscNaw;
    const double yBal = yGzyms - WysokoscBalustrady - 2;
    Lancuch(r, YWymiarGorny,
            {{x[0], yBal}, {x[1], yGzyms}, {x[2], YChodnik}, {x[3], YChodnik - 24}, {x[4], yKraw}, {x[5], yJ},
             {x[6], yJ}, {x[7], yKraw}, {x[8], YChodnik - 24}, {x[9], YChodnik}, {x[10], yGzyms}, {x[11], yBal}},
            {"d1", "c1", "g1", "k1", "a1", "b", "a2", "k2", "g2", "c2", "d2"});
}

tRysunek Przekroj5()
{
    tRysunek r;
    const auto x = UkladZBarierami();
    GoraZBarierami(r, x);
    DzwigaryZWymiarami(r, x[0], x[11], 44, false, YWymiarDolny - 12, {"z1", "B", "z2"});
    r.Napisy.push_back({QPointF(SzerokoscRysunku / 2, YWymiarDolny + 14), UwagaE});
    return r;
}

tRysunek Przekroj6()
{
    tRysunek r;
    const auto x = UkladZBarierami();
    GoraZBarierami(r, x);
    PlytaZWymiarami(r, x[0], x[11], 48, {"1", "2", Wielokropek, "n-1", "n"}, {"Z1", "P", "Z2"});
    r.Napisy.push_back({QPointF(SzerokoscRysunku / 2, YWymiarPlyty + 30), UwagaE});
    return r;
}

} // namespace

tRysunek OpisPrzekroju(int typ)
{
    switch (typ) {
    case 0: return Przekroj0();
    case 1: return Przekroj1();
    case 2: return Przekroj2();
    case 3: return Przekroj3();
    case 4: return Przekroj4();
    case 5: return Przekroj5();
    case 6: return Przekroj6();
    default: return {};
    }
}

QStringList EtykietyRysunku(const tRysunek& rysunek)
{
    QStringList e;
    for (const tWymiar& w : rysunek.Wymiary) e << w.Etykieta;
    for (const tNapis& n : rysunek.Napisy) e << n.Tekst;
    return e;
}

QRectF ObrysRysunku(const tRysunek& r)
{
    QRectF o;
    for (const auto* grupa : {&r.Beton, &r.Nawierzchnia, &r.Stal})
        for (const QPolygonF& w : *grupa) o |= w.boundingRect();
    for (const auto* grupa : {&r.Linie, &r.Osie})
        for (const QLineF& l : *grupa) o |= QRectF(l.p1(), l.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
    // opis wymiaru stoi nad linią, napis wokół swojego środka
    for (const tWymiar& w : r.Wymiary) o |= QRectF(w.x1, w.y - 14, w.x2 - w.x1, 18);
    for (const tNapis& n : r.Napisy) o |= QRectF(n.Srodek.x() - 20, n.Srodek.y() - 7, 40, 14);
    return o;
}

void RysujPrzekroj(QPainter& malarz, const tRysunek& rysunek, const QRectF& cel)
{
    const double sx = cel.width() / SzerokoscRysunku;
    const double sy = cel.height() / WysokoscRysunku;
    const double s = std::min(sx, sy);
    // Rysunek wyśrodkowany w układzie umownym, potem rozciągnięty na cel.
    const QRectF obrys = ObrysRysunku(rysunek);
    const QPointF przesun = QPointF(SzerokoscRysunku, WysokoscRysunku) / 2 - obrys.center();
    auto P = [&](QPointF p) {
        p += przesun;
        return QPointF(cel.left() + p.x() * sx, cel.top() + p.y() * sy);
    };
    auto L = [&](const QLineF& l) { return QLineF(P(l.p1()), P(l.p2())); };
    auto W = [&](const QPolygonF& w) {
        QPolygonF m;
        for (const QPointF& p : w) m << P(p);
        return m;
    };

    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    const QColor czarny(Qt::black);
    const QPen kontur(czarny, std::max(1.0, 1.2 * s));
    const QPen cienka(czarny, std::max(0.6, 0.7 * s));
    QPen os(BarwaOsi, std::max(0.6, 0.7 * s), Qt::DashDotLine);

    malarz.setPen(kontur);
    malarz.setBrush(BarwaBetonu);
    for (const QPolygonF& w : rysunek.Beton) malarz.drawPolygon(W(w));
    malarz.setBrush(BarwaNawierzchni);
    for (const QPolygonF& w : rysunek.Nawierzchnia) malarz.drawPolygon(W(w));
    malarz.setBrush(BarwaStali);
    for (const QPolygonF& w : rysunek.Stal) malarz.drawPolygon(W(w));
    malarz.setBrush(Qt::NoBrush);
    malarz.setPen(os);
    for (const QLineF& l : rysunek.Osie) malarz.drawLine(L(l));
    malarz.setPen(cienka);
    for (const QLineF& l : rysunek.Linie) malarz.drawLine(L(l));

    QFont czcionka = malarz.font();
    czcionka.setPixelSize(std::max(6, static_cast<int>(11 * s + 0.5)));
    malarz.setFont(czcionka);
    const QFontMetricsF miary(czcionka);
    const double kreska = 3.5 * s;
    for (const tWymiar& w : rysunek.Wymiary) {
        const QPointF a = P({w.x1, w.y}), b = P({w.x2, w.y});
        malarz.drawLine(a, b);
        for (const QPointF& k : {a, b}) malarz.drawLine(k + QPointF(-kreska, kreska), k + QPointF(kreska, -kreska));
        const QRectF napis(QPointF(a.x() - 40 * s, a.y() - miary.height() - 1 * s), QPointF(b.x() + 40 * s, a.y() - 1 * s));
        malarz.drawText(napis, Qt::AlignHCenter | Qt::AlignBottom, w.Etykieta);
    }
    for (const tNapis& n : rysunek.Napisy) {
        const QPointF c = P(n.Srodek);
        const QRectF napis(c.x() - 100 * s, c.y() - miary.height() / 2, 200 * s, miary.height());
        malarz.drawText(napis, Qt::AlignCenter, n.Tekst);
    }
    malarz.restore();
}
