// Sprawdzenia danych obiektu przed obliczeniem: przęsła schematu, potem trzy sprawdzenia
// (parametry przekroju, zgodność sum wymiarów, długości elementów). Pierwszy błąd kończy.
#include <cmath>

#include "common/Formatowanie.h"
#include "core/Nazwy.h"
#include "core/ObiektMostowy.h"

namespace {
const char* const NiezgodnaSuma = "Niezgodna suma wymiarów dolnych z górnymi\r         ";
// Drugi wiersz pod wzorem: obie sumy w kolejności wzoru i ich różnica.
const char* const WartosciSum = "\r         %0.2f <> %0.2f (różnica %0.2f m)";
const char* const NajmniejszaWartosc = "\rNajmniejsza dopuszczalna wartość: %f";
const char* const BrakPrzesla = "Brak przęsła: podaj rozpiętość co najmniej jednego przęsła";
const char* const JednoPrzeslo =
    "Schemat \"%s\" z jednym przęsłem: wybierz belkę swobodnie podpartą albo schemat dwuprzęsłowy";
const char* const BrakRozpietosci = "%s: brak rozpiętości (%0.2f m) – podaj rozpiętość przęsła";
}  // namespace

bool tObiektMostowy::SprawdzPrzesla(std::string& Msg) const
{
    // Same wsporniki (albo nic) to nie most: obliczenie dałoby nośność bez przęsła.
    if (LiczbaPrzesel == 0) {
        Msg = BrakPrzesla;
        return false;
    }
    // Jedno przęsło belki ciągłej albo ramy wieloprzęsłowej to obiekt, którego nikt nie opisał.
    if ((Schemat == sCiaglaWieloprzeslowa || Schemat == sRamaWieloprzeslowa) && LiczbaPrzesel < 2) {
        Msg = Format(JednoPrzeslo, {NazwaSchematu(Schemat)});
        return false;
    }
    // Przęsło bez rozpiętości zniknęłoby z obiektu (dwa wsporniki obok siebie, inny most).
    for (int i = 1; i <= LiczbaElementow; ++i) {
        const tElement& e = Elementy[i];
        if (!JestWspornikiem(e.Rodzaj) && !(e.Dlugosc > 0.1)) {
            Msg = Format(BrakRozpietosci, {e.Nazwa, e.Dlugosc});
            return false;
        }
    }
    return true;
}

bool Ujemny(const std::string& Nazwa, std::string& Msg, double X)
{
    if (X < 0) {
        Msg = Format("Parametr \"%s\" nie może być ujemny", {Nazwa});
        return true;
    }
    return false;
}

bool ZaMaly(const std::string& Nazwa, std::string& Msg, double X, double Min)
{
    if (X < Min) {
        if (X == 0) Msg = Format("Parametr \"%s\" powinien być dodatni (%f)", {Nazwa, X});
        else Msg = Format("Parametr \"%s\" ma za małą wartość. (%f)", {Nazwa, X});
        Msg += Format(NajmniejszaWartosc, {Min});
        return true;
    }
    return false;
}

bool tObiektMostowy::SprawdzParametry(std::string& Msg) const
{
    if (Ujemny("Szerokość lewej opaski", Msg, a1) || Ujemny("Szerokość prawej opaski", Msg, a2) ||
        Ujemny("Szerokość lewego chodnika", Msg, c1) || Ujemny("Szerokość prawego chodnika", Msg, c2) ||
        Ujemny("Szerokość nawierzchni", Msg, b) || Ujemny("Rozstaw osiowy", Msg, P) ||
        Ujemny("Rozstaw dźwigarów", Msg, B))
        return false;

    const double nd = n;
    switch (Przekroj) {
    case pWielodzwigaroweZKraweznikami:
        if (ZaMaly("Rozstaw osiowy skrajnych dźwigarów", Msg, B, 1.0) || ZaMaly("Liczba dźwigarów", Msg, nd, 2))
            return false;
        break;
    case pWielodzwigaroweBezKraweznikow:
    case pWielodzwigaroweZBarierami:
        if (ZaMaly("Rozstaw osiowy dźwigarów", Msg, B, 1.0) || ZaMaly("Liczba dźwigarów", Msg, nd, 2)) return false;
        break;
    case pDwudzwigaroweJezdniaDolna:
        if (ZaMaly("Rozstaw osiowy skrajnych dźwigarów", Msg, B, 1.0) || ZaMaly("Szerokość dźwigara", Msg, g1, 0) ||
            ZaMaly("Szerokość lewego krawężnika", Msg, k1, 0) || ZaMaly("Szerokość prawego krawężnika", Msg, k2, 0))
            return false;
        break;
    case pPlytoweZKraweznikami:
    case pPlytoweBezKraweznikow:
    case pPlytoweZBarierami:
        if (ZaMaly("Szerokość płyty", Msg, P, 1.5)) return false;
        break;
    default:
        break;
    }
    return true;
}

bool SumyPrzekroju(const tObiektMostowy& o, tSumyPrzekroju& Sumy)
{
    switch (o.Przekroj) {
    case pWielodzwigaroweZKraweznikami:
        Sumy = {o.c1 + o.a1 + o.b + o.a2 + o.c2, o.e1 + o.B + o.e2, "c1+a1+b+a2+c2 <> e1+B+e2"};
        return true;
    case pWielodzwigaroweBezKraweznikow:
        Sumy = {o.a1 + o.b + o.a2, o.e1 + o.B + o.e2, "a1+b+a2 <> e1+B+e2"};
        return true;
    case pDwudzwigaroweJezdniaDolna:
        Sumy = {o.g1 + o.k1 + o.a1 + o.b + o.a2 + o.k2, o.B, "g+k1+a1+b+a2+k2 <> B"};
        return true;
    case pPlytoweZKraweznikami:
        Sumy = {o.c1 + o.a1 + o.b + o.a2 + o.c2, o.e1 + o.P + o.e2, "c1+a1+b+a2+c2 <> e1+P+e2"};
        return true;
    case pPlytoweBezKraweznikow:
        Sumy = {o.a1 + o.b + o.a2, o.P, "a1+b+a2 <> P"};
        return true;
    default:
        return false;
    }
}

bool tObiektMostowy::SprawdzSumy(std::string& Msg) const
{
    tSumyPrzekroju sumy;
    if (SumyPrzekroju(*this, sumy) && std::fabs(sumy.Gora - sumy.Dol) > 0.01 + 1e-12) {
        Msg = std::string(NiezgodnaSuma) + sumy.Wzor +
              Format(WartosciSum, {sumy.Gora, sumy.Dol, std::fabs(sumy.Gora - sumy.Dol)});
        return false;
    }
    return true;
}

bool tObiektMostowy::SprawdzDlugosci(std::string& Msg) const
{
    for (int i = 1; i <= LiczbaElementow; ++i) {
        const tElement& e = Elementy[i];
        if (JestWspornikiem(e.Rodzaj)) {
            if (e.Dlugosc < 1.5) {
                Msg = Format("%s: długość mniejsza od 1.5 m", {e.Nazwa});
                return false;
            }
            if (e.Dlugosc > 15.0) {
                Msg = Format("%s: długość większa od 15.0 m", {e.Nazwa});
                return false;
            }
        } else {
            if (e.Dlugosc < 3.0) {
                Msg = Format("%s: rozpiętość mniejsza niż 3 m", {e.Nazwa});
                return false;
            }
            if (e.Dlugosc > 120.0) {
                Msg = Format("%s: rozpiętość większa od 120 m", {e.Nazwa});
                return false;
            }
        }
        // Wspornik belki przegubowej bierze przęsło zawieszone od sąsiada; bez niego
        // obliczenie szłoby z przęsłem 0 i dałoby nośność bez sensu.
        const bool brakSasiada =
            (e.Rodzaj == rWspornikLewy && (i == 1 || Elementy[i - 1].Rodzaj != rBelkaSwobodnie)) ||
            (e.Rodzaj == rWspornikPrawy && (i == LiczbaElementow || Elementy[i + 1].Rodzaj != rBelkaSwobodnie));
        if (brakSasiada) {
            Msg = Format("%s: brak przęsła zawieszonego przy wsporniku", {e.Nazwa});
            return false;
        }
    }
    return true;
}
