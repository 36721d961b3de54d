#include "wspprzec/Przeciazenie.h"

#include <cmath>

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "common/TekstySladu.h"
#include "wspprzec/Rozklad.h"

namespace {

const char* const TekstZlaIlosc = "Zła ilość dźwigarów : %d";
const char* const TekstZleBB = "Zła wartość parametru BB: %f";
const char* const TekstZaMaleP = "Za mała wartość parametru P: %f";

bool JestPlyta(int Typ) { return Typ == 3 || Typ == 4 || Typ == 6; }

// Typy, dla których liczba dźwigarów (albo pasm) musi być dodatnia przed obliczeniem.
bool SprawdzaLiczbeDzwigarow(int Typ) { return Typ == 0 || Typ == 1 || Typ == 3 || Typ == 4 || Typ == 5; }

// Pomost wielodźwigarowy: Gamma 1 z jednej siły w x1, Gamma 2 z dwóch w x2.
void Dzwigarowe(int n, double B, double x1, double x2, double& Gamma1, double& Gamma2)
{
    Asercja(n > 0 && B > 0, "WspolczynnikiPrzeciazenia: n <= 0 albo B <= 0");
    Gamma1 = RzednaDzwigara(n, B, x1);
    Gamma2 = 2 * RzednaDzwigara(n, B, x2);
}

// Płyta: pozycje do śladu (etykiety zależą od typu), potem rzędne paraboli pasma skrajnego.
void Plytowe(int n, double B, double P, double L, double x1, double x2, const char* etykieta1,
             const char* etykieta2, double& Gamma1, double& Gamma2)
{
    Asercja(n > 0 && B > 0, "WspolczynnikiPrzeciazenia: n <= 0 albo B <= 0");
    SladWartosc(etykieta1, x1);
    SladWartosc(etykieta2, x2);
    double Eta1 = 0, EtaN = 0;
    ObliczRzedne(P, L, Eta1, EtaN);
    const double eta1 = RzednaParaboliczna(Eta1, EtaN, B, x1);
    Gamma1 = eta1;
    Gamma2 = eta1 + RzednaParaboliczna(Eta1, EtaN, B, x2);
}

// Krok 6: położenia obciążenia od osi skrajnego dźwigara (pasma) ku środkowi pomostu.
void ObliczGammy(int Typ, int n, double a, double b, double B, double c, double e, double g, double k, double P,
                 double L, double& Gamma1, double& Gamma2)
{
    const double polPasma = JestPlyta(Typ) ? P / (2.0 * n) : 0.0;
    switch (Typ) {
    case 0:
        Dzwigarowe(n, B, c - e + a + 1.5, c - e + a + 0.75 + 0.375 * b, Gamma1, Gamma2);
        break;
    case 1:
        Dzwigarowe(n, B, a - e + 1.5, a - e + 0.75 + 0.375 * b, Gamma1, Gamma2);
        break;
    case 2: {
        Asercja(B > 0, "WspolczynnikiPrzeciazenia: B <= 0");
        const double x1 = 0.5 * g + k + a + 1.5;
        const double x2 = 0.5 * g + k + a + 0.75 + 0.375 * b;
        Gamma1 = 1 - x1 / B;
        Gamma2 = 2 - x2 / (0.5 * B);
        break;
    }
    case 3:
        Plytowe(n, B, P, L, c - e - polPasma + a + 1.5, c - e - polPasma + a + 0.75 * b, "X1", "X2", Gamma1,
                Gamma2);
        break;
    case 4:
        Plytowe(n, B, P, L, a - polPasma + 1.5, a - polPasma + 0.75 * b, "X1", "X2", Gamma1, Gamma2);
        break;
    case 5:
        Dzwigarowe(n, B, c + g + k - e + a + 1.5, c + g + k - e + a + 0.75 + 0.375 * b, Gamma1, Gamma2);
        break;
    case 6:
        Plytowe(n, B, P, L, c + g + k - e - polPasma + a + 1.5, c + g + k - e - polPasma + a + 0.75 * b, "X I ",
                "X II", Gamma1, Gamma2);
        break;
    default:
        Asercja(false, "WspolczynnikiPrzeciazenia: zły typ przekroju");
    }
}

}  // namespace

bool WspolczynnikiPrzeciazenia(int Typ, int n, double& Gamma1, double a, double b, double B, double c, double e,
                               double g, double k, double P, double L, double& Gamma2, std::string& Msg)
{
    SladDodaj("");
    SladDodaj(TekstSladuPrzeciazenia);
    SladWartosc("L", L);
    SladWartosc("N", n);

    if (SprawdzaLiczbeDzwigarow(Typ) && n <= 0) {
        Msg = Format(TekstZlaIlosc, {n});
        return false;
    }
    if (JestPlyta(Typ)) B = RozstawSkrajnychPasm(P);
    if (B <= 0.00001) {
        Msg = Format(TekstZleBB, {B});
        return false;
    }
    if (JestPlyta(Typ) && P <= 0.00001) {
        Msg = Format(TekstZaMaleP, {P});
        return false;
    }

    // Każdy błąd obliczenia (naruszony warunek albo wynik nieskończony z dzielenia przez
    // zero, którego C++ nie zgłasza) kończy się niepowodzeniem, ale wiersze Gamma zostają.
    Gamma1 = Gamma2 = 0;
    bool udane = true;
    try {
        ObliczGammy(Typ, n, a, b, B, c, e, g, k, P, L, Gamma1, Gamma2);
        udane = std::isfinite(Gamma1) && std::isfinite(Gamma2);
    } catch (const BladAsercji&) {
        udane = false;
    }
    SladWartosc("Gamma 1", Gamma1);
    SladWartosc("Gamma 2", Gamma2);
    SladDodaj("");
    return udane;
}
