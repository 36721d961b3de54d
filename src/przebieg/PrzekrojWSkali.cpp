#include "przebieg/PrzekrojWSkali.h"

#include <algorithm>
#include <cmath>

#include "common/Formatowanie.h"

namespace {

const char* const LiniaGory = "góra: %s = %s m";
const char* const LiniaDolu = "dół: %s = %s m";
const char* const LiniaRoznicy = "różnica: %s m (%s)";
const char* const GoraSzersza = "góra szersza";
const char* const DolSzerszy = "dół szerszy";
const char* const LiczbaDzwigarow = "liczba dźwigarów n = %d";
const char* const LiczbaPasm = "liczba pasm płyty n = %d";
const char* const SeparatorWzoru = " <> ";

// Wysokości umowne w metrach: dane opisują tylko szerokości.
constexpr double WierzchNawierzchni = 0.08;
constexpr double WierzchChodnika = 0.25;  // także krawężnika i pasa bariery
constexpr double WierzchBariery = 0.9;
constexpr double GruboscPlytyPomostu = 0.22;
constexpr double GruboscPlytyNosnej = 0.5;
constexpr double GruboscWspornika = 0.25;  // wspornika płyty nośnej
constexpr double SpodDzwigara = -1.3;
constexpr double SzerokoscDzwigara = 0.4;  // dźwigarów wielodźwigarowych (brak parametru)
constexpr double SpodDzwigaraDolnego = -0.5, WierzchDzwigaraDolnego = 1.8;

struct tSkladnik {
    const char* Symbol;
    double Szerokosc;
    tCzescPrzekroju Rodzaj;
};

void Czesc(tPrzekrojWSkali& r, tCzescPrzekroju rodzaj, double x1, double x2, double y1, double y2)
{
    r.Czesci.push_back({rodzaj, std::min(x1, x2), std::max(x1, x2), y1, y2});
}

void Wymiar(std::vector<tWymiarWSkali>& lancuch, const char* symbol, double x1, double szerokosc)
{
    lancuch.push_back({symbol, x1, x1 + szerokosc, LiczbaStala(szerokosc, 2)});
}

double WierzchCzesci(tCzescPrzekroju rodzaj)
{
    switch (rodzaj) {
    case tCzescPrzekroju::Chodnik:
    case tCzescPrzekroju::Kraweznik: return WierzchChodnika;
    case tCzescPrzekroju::Bariera: return WierzchBariery;
    default: return WierzchNawierzchni;
    }
}

// Łańcuch górny od 0 z częściami nad płytą; dźwigar (przekrój 2) rysuje się z rozstawu B.
// Wynik: szerokość łańcucha.
double Gora(tPrzekrojWSkali& r, std::initializer_list<tSkladnik> skladniki)
{
    double x = 0;
    for (const tSkladnik& s : skladniki) {
        Wymiar(r.Gora, s.Symbol, x, s.Szerokosc);
        if (s.Rodzaj != tCzescPrzekroju::Dzwigar) Czesc(r, s.Rodzaj, x, x + s.Szerokosc, 0, WierzchCzesci(s.Rodzaj));
        x += s.Szerokosc;
    }
    return x;
}

// Płyta pomostu od xL do xP podparta w x1 i x2 (dźwigary skrajne albo brzegi płyty
// nośnej): poza podporami wsporniki, gdy wysięg jest dodatni; przy ujemnym płyta
// kończy się za podporą o zapas.
void Pomost(tPrzekrojWSkali& r, double xL, double x1, double x2, double xP, double gruboscSrodka,
            double gruboscWspornika, double zapas)
{
    const double lewy = x1 > xL ? x1 : x1 - zapas;
    const double prawy = x2 < xP ? x2 : x2 + zapas;
    if (x1 > xL) Czesc(r, tCzescPrzekroju::Wspornik, xL, x1, -gruboscWspornika, 0);
    Czesc(r, tCzescPrzekroju::Plyta, lewy, prawy, -gruboscSrodka, 0);
    if (x2 < xP) Czesc(r, tCzescPrzekroju::Wspornik, x2, xP, -gruboscWspornika, 0);
}

// Łańcuch dolny wysięg | rozpiętość | wysięg od x0.
void Dol(tPrzekrojWSkali& r, double x0, const char* srodek, double e1, double szerokosc, double e2)
{
    Wymiar(r.Dol, "e1", x0, e1);
    Wymiar(r.Dol, srodek, x0 + e1, szerokosc);
    Wymiar(r.Dol, "e2", x0 + e1 + szerokosc, e2);
}

// n dźwigarów od x0: skrajne w rozstawie B od osi x0 + e1, pośrednie równo między nimi.
void Dzwigary(tPrzekrojWSkali& r, const tObiektMostowy& o, double x0)
{
    Dol(r, x0, "B", o.e1, o.B, o.e2);
    const int n = std::max(0, o.n);
    const double x1 = x0 + o.e1;
    for (int i = 0; i < n; ++i) r.OsieDzwigarow.push_back(n == 1 ? x1 : x1 + o.B * i / (n - 1));
    const double rozstaw = n > 1 ? std::fabs(o.B) / (n - 1) : SzerokoscDzwigara;
    const double polowa = std::min(SzerokoscDzwigara, 0.6 * rozstaw) / 2;
    Pomost(r, x0, x1, x1 + o.B, x1 + o.B + o.e2, GruboscPlytyPomostu, GruboscPlytyPomostu, polowa);
    for (double x : r.OsieDzwigarow) Czesc(r, tCzescPrzekroju::Dzwigar, x - polowa, x + polowa, SpodDzwigara, -GruboscPlytyPomostu);
    r.Liczba = Format(LiczbaDzwigarow, {o.n});
}

// Płyta nośna P od x0 za wspornikiem e1 z pasmami o szerokości P / n (n z zaokrąglonej
// szerokości płyty).
void PlytaNosna(tPrzekrojWSkali& r, const tObiektMostowy& o, double x0, double e1, double e2)
{
    Pomost(r, x0, x0 + e1, x0 + e1 + o.P, x0 + e1 + o.P + e2, GruboscPlytyNosnej, GruboscWspornika, 0);
    for (int i = 1; i < o.n; ++i) r.GranicePasm.push_back(x0 + e1 + o.P * i / o.n);
    r.Liczba = Format(LiczbaPasm, {o.n});
}

// Przekrój 2: dźwigary o szerokości g w osiach c1 + g/2 i o B dalej, płyta jezdni między nimi.
void DwaDzwigary(tPrzekrojWSkali& r, const tObiektMostowy& o)
{
    const double x1 = o.c1 + o.g1 / 2, x2 = x1 + o.B;
    r.OsieDzwigarow = {x1, x2};
    for (double x : r.OsieDzwigarow)
        Czesc(r, tCzescPrzekroju::Dzwigar, x - o.g1 / 2, x + o.g1 / 2, SpodDzwigaraDolnego, WierzchDzwigaraDolnego);
    Czesc(r, tCzescPrzekroju::Plyta, x1 + o.g1 / 2, x2 - o.g1 / 2, -GruboscPlytyPomostu, 0);
    Wymiar(r.Dol, "B", x1, o.B);
    r.Liczba = Format(LiczbaDzwigarow, {o.n});
}

void Roznica(tPrzekrojWSkali& r, const tObiektMostowy& o)
{
    tSumyPrzekroju sumy;
    std::string msg;
    if (!SumyPrzekroju(o, sumy) || o.SprawdzSumy(msg)) return;
    const std::string wzor = sumy.Wzor;
    const size_t s = wzor.find(SeparatorWzoru);
    const double x0 = o.Przekroj == pDwudzwigaroweJezdniaDolna ? o.c1 : 0;
    r.Roznica.Jest = true;
    r.Roznica.xGory = x0 + sumy.Gora;
    r.Roznica.xDolu = x0 + sumy.Dol;
    r.Roznica.Linie = {
        Format(LiniaGory, {wzor.substr(0, s), LiczbaStala(sumy.Gora, 2)}),
        Format(LiniaDolu, {wzor.substr(s + std::string(SeparatorWzoru).size()), LiczbaStala(sumy.Dol, 2)}),
        Format(LiniaRoznicy,
               {LiczbaStala(std::fabs(sumy.Gora - sumy.Dol), 2), sumy.Gora > sumy.Dol ? GoraSzersza : DolSzerszy}),
    };
}

void Obrys(tPrzekrojWSkali& r)
{
    bool pierwszy = true;
    auto dodaj = [&](double x1, double x2, double y1, double y2) {
        if (pierwszy) r.xMin = x1, r.xMax = x2, r.yMin = y1, r.yMax = y2;
        r.xMin = std::min({r.xMin, x1, x2}), r.xMax = std::max({r.xMax, x1, x2});
        r.yMin = std::min(r.yMin, y1), r.yMax = std::max(r.yMax, y2);
        pierwszy = false;
    };
    for (const tCzesc& c : r.Czesci) dodaj(c.x1, c.x2, c.y1, c.y2);
    for (const auto* lancuch : {&r.Gora, &r.Dol})
        for (const tWymiarWSkali& w : *lancuch) dodaj(w.x1, w.x2, r.yMin, r.yMax);
}

}  // namespace

tPrzekrojWSkali PrzekrojWSkali(const tObiektMostowy& o)
{
    using C = tCzescPrzekroju;
    tPrzekrojWSkali r;
    r.Typ = o.Przekroj;
    switch (o.Przekroj) {
    case pWielodzwigaroweZKraweznikami:
        Gora(r, {{"c1", o.c1, C::Chodnik}, {"a1", o.a1, C::Opaska}, {"b", o.b, C::Nawierzchnia},
                 {"a2", o.a2, C::Opaska}, {"c2", o.c2, C::Chodnik}});
        Dzwigary(r, o, 0);
        break;
    case pWielodzwigaroweBezKraweznikow:
        Gora(r, {{"a1", o.a1, C::Opaska}, {"b", o.b, C::Nawierzchnia}, {"a2", o.a2, C::Opaska}});
        Dzwigary(r, o, 0);
        break;
    case pDwudzwigaroweJezdniaDolna:
        Gora(r, {{"c1", o.c1, C::Chodnik}, {"g", o.g1, C::Dzwigar}, {"k1", o.k1, C::Kraweznik},
                 {"a1", o.a1, C::Opaska}, {"b", o.b, C::Nawierzchnia}, {"a2", o.a2, C::Opaska},
                 {"k2", o.k2, C::Kraweznik}, {"g", o.g1, C::Dzwigar}, {"c2", o.c2, C::Chodnik}});
        DwaDzwigary(r, o);
        break;
    case pPlytoweZKraweznikami:
        Gora(r, {{"c1", o.c1, C::Chodnik}, {"a1", o.a1, C::Opaska}, {"b", o.b, C::Nawierzchnia},
                 {"a2", o.a2, C::Opaska}, {"c2", o.c2, C::Chodnik}});
        Dol(r, 0, "P", o.e1, o.P, o.e2);
        PlytaNosna(r, o, 0, o.e1, o.e2);
        break;
    case pPlytoweBezKraweznikow:
        Gora(r, {{"a1", o.a1, C::Opaska}, {"b", o.b, C::Nawierzchnia}, {"a2", o.a2, C::Opaska}});
        Wymiar(r.Dol, "P", 0, o.P);
        PlytaNosna(r, o, 0, 0, 0);
        break;
    case pWielodzwigaroweZBarierami:
    case pPlytoweZBarierami: {
        const double gora =
            Gora(r, {{"c1", o.c1, C::Chodnik}, {"g1", o.g1, C::Bariera}, {"k1", o.k1, C::Kraweznik},
                     {"a1", o.a1, C::Opaska}, {"b", o.b, C::Nawierzchnia}, {"a2", o.a2, C::Opaska},
                     {"k2", o.k2, C::Kraweznik}, {"g2", o.g2, C::Bariera}, {"c2", o.c2, C::Chodnik}});
        // Bez warunku sum (pasy skrajne d1, d2 poza chodnikami nie są danymi) łańcuchy górny
        // i dolny nie mają wspólnego brzegu: oba na wspólnej osi obiektu, więc przekrój opisany
        // symetrycznie jest narysowany symetrycznie, a każdy odcinek w skali.
        const double srodek = o.Przekroj == pWielodzwigaroweZBarierami ? o.B : o.P;
        const double x0 = (gora - (o.e1 + srodek + o.e2)) / 2;
        if (o.Przekroj == pWielodzwigaroweZBarierami) {
            Dzwigary(r, o, x0);
        } else {
            Dol(r, x0, "P", o.e1, o.P, o.e2);
            PlytaNosna(r, o, x0, o.e1, o.e2);
        }
        break;
    }
    default:
        return r;
    }
    Roznica(r, o);
    Obrys(r);
    return r;
}
