// Model obciążenia PN-66/B-02015: jezdnia wypełniona pasami ruchu szerokości 1,5 m
// z obciążeniem pasmowym klasy, zmniejszonym współczynnikiem r zależnym od liczby pasów.
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wspolne.h"
#include "wspprzec/Rozklad.h"

namespace {
const char* const KomLiczbaPasm = "Zła ilość pasm płyty";

// Obciążenie tłumem chodnika: współczynniki dla momentu i ścinania.
constexpr double ChodnikM = 0.375;
constexpr double ChodnikT = 1.5;

// Naddatek szerokości d przy liczeniu pasów i odsunięcie o wypadkowej pasów od
// krawędzi pierwszego pasa, dla klas I, II, III.
struct tKlasaPN66 {
    double d, o;
};

constexpr tKlasaPN66 KlasyPN66[] = {{0.9, 0.45}, {1.0, 0.5}, {1.2, 0.6}};

// Moment i siła poprzeczna od jednego pasa ruchu na rozpiętości L.
double Mpas(int Klasa, double L)
{
    switch (Klasa) {
        case 1: return 0.6 * L - 38.4 / L + 24;
        case 2: return 0.5 * L + 10;
        default: return 0.3 * L + 6;
    }
}

double Tpas(int Klasa, double L)
{
    switch (Klasa) {
        case 1: return 2.4 * L - 76.8 / L + 96;
        case 2: return 2 * L + 40;
        default: return 1.2 * L + 24;
    }
}

const tKlasaPN66& Dane(int Klasa) { return KlasyPN66[Klasa - 1]; }

// Kontrole pomostów wielodźwigarowych (typy 0 i 5): klasa, L ≠ 270, B, L, n ≠ 0, n > 1.
bool KontroleWielodzwigarowe(int Klasa, double B, double L, double n, std::string& Err)
{
    if (!SprawdzKlasePN66(Klasa, Err)) return false;
    if (SprawdzL270(Err, L)) return false;
    if (!SprawdzNiezerowe(Err, {{"B", B}, {"L", L}, {"n", n}})) return false;
    if (n == 1) return BladZaMala(Err, "n");
    return true;
}

bool ZaMaloPasow(int m, std::string& Err)
{
    if (m >= 2) return false;
    Err = KomLiczbaPasm;
    return true;
}

// Płyty z chodnikami (typy 3 i 6): kontrole, rozstaw skrajnych pasm Bs i Fi.
bool PoczatekPlyty(int Klasa, double L, double P, double Dl, double& Bs, double& fi, std::string& Err)
{
    if (!SprawdzKlasePN66(Klasa, Err)) return false;
    if (SprawdzL270(Err, L)) return false;
    if (!SprawdzNiezerowe(Err, {{"L", L}})) return false;
    Bs = RozstawSkrajnychPasm(P);
    fi = Fi(Dl);
    return true;
}

// Obciążenie całej płyty rozłożone na rozstaw skrajnych pasm Bs: pasy ruchu na
// szerokości b + a1 + a2 i chodniki o łącznej (już zmniejszonej) szerokości Chodniki.
void MomentPlyty(int Klasa, double a1a2, double b, double Chodniki, double L, double fi, double Bs, double& M1N,
                 double& TN)
{
    SladWartosc("b", b);
    SladWartosc("a1+a2", a1a2);
    SladWartosc("L", L);
    SladWartosc("B", Bs);
    const int m = LiczbaPasow(b + a1a2 + Dane(Klasa).d);
    const double r = RedukcjaPasm(m);
    M1N = (Mpas(Klasa, L) * m * r + ChodnikM * Chodniki * L / fi) / Bs;
    TN = NieDotyczy;
    SladWartosc("m", m);
    SladWartosc("r", r);
}
}  // namespace

double RedukcjaPasm(int m)
{
    if (m <= 3) return 1.0;
    if (m == 4) return 0.9;
    if (m <= 6) return 0.8;
    return 0.7;
}

bool SprawdzKlasePN66(int Klasa, std::string& Err) { return SprawdzKlase(Klasa, {1, 2, 3}, Err); }

bool PN66Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n,
                   std::string& Err, double Dl)
{
    if (!KontroleWielodzwigarowe(Klasa, B, L, n, Err)) return false;
    const tKlasaPN66& k = Dane(Klasa);
    const int m = LiczbaPasow(ZasiegLiniiWplywu(n, B) + e - c + k.d);
    const double EtaR = RzednaDzwigara(n, B, c - e + 0.75 * m - k.o);
    const double EtaC = RzednaDzwigara(n, B, 0.5 * c - e - 0.25);
    if (ZaMaloPasow(m, Err)) return false;
    const double r = RedukcjaPasm(m);
    const double A = L * EtaC / Fi(Dl);
    SladWartosc("L", L);
    SladWartosc("m", m);
    SladWartosc("r", r);
    SladWartosc("c", c);
    SladWartosc("gamma c", EtaC);
    SladWartosc("gamma r", EtaR);
    // Chodnik działa na szerokości zmniejszonej o 0,5 m (także ujemnej).
    M1N = Mpas(Klasa, L) * m * r * EtaR + (ChodnikM * c - 0.1875) * A;
    TN = Tpas(Klasa, L) * m * r * EtaR + (ChodnikT * c - 0.75) * A;
    return true;
}

bool PN66Przekroj1(int Klasa, double& M1N, double& TN, double B, double e, double L, double n, std::string& Err,
                   double)
{
    if (!SprawdzKlasePN66(Klasa, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"B", B}, {"L", L}, {"n", n}})) return false;
    if (n == 1) return BladZaMala(Err, "n");
    const tKlasaPN66& k = Dane(Klasa);
    // Bez krawężników pierwszy pas zaczyna się 0,5 m od krawędzi pomostu.
    const int m = LiczbaPasow(ZasiegLiniiWplywu(n, B) + e + (k.d - 0.5));
    const double EtaR = RzednaDzwigara(n, B, 0.75 * m - e + (0.5 - k.o));
    if (ZaMaloPasow(m, Err)) return false;
    const double r = RedukcjaPasm(m);
    SladWartosc("m", m);
    SladWartosc("r", r);
    SladWartosc("gamma r", EtaR);
    SladWartosc("L", L);
    M1N = Mpas(Klasa, L) * m * r * EtaR;
    TN = Tpas(Klasa, L) * m * r * EtaR;
    return true;
}

bool PN66Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g, double k, double k1k2,
                   double L, std::string& Err, double Dl)
{
    if (!SprawdzKlasePN66(Klasa, Err)) return false;
    if (SprawdzL270(Err, L)) return false;
    if (!SprawdzNiezerowe(Err, {{"B", B}, {"L", L}})) return false;
    const tKlasaPN66& kl = Dane(Klasa);
    // Prosta linia wpływu dwóch dźwigarów; chodnik na zewnątrz dźwigara, cała szerokość.
    const int m = LiczbaPasow(B - g - k1k2 + kl.d);
    const double EtaR = 1 - (0.75 * m + k + 0.5 * g - kl.o) / B;
    const double EtaC = 1 + 0.5 * (c + g) / B;
    if (ZaMaloPasow(m, Err)) return false;
    const double r = RedukcjaPasm(m);
    const double A2 = c * L * EtaC / Fi(Dl);
    SladWartosc("c", c);
    SladWartosc("L", L);
    SladWartosc("m", m);
    SladWartosc("r", r);
    SladWartosc("gamma r", EtaR);
    SladWartosc("gamma c", EtaC);
    M1N = Mpas(Klasa, L) * m * r * EtaR + ChodnikM * A2;
    TN = Tpas(Klasa, L) * m * r * EtaR + ChodnikT * A2;
    return true;
}

bool PN66Przekroj5(int Klasa, double& M1N, double& TN, double B, double c, double g, double k, double, double e,
                   double L, double n, std::string& Err, double Dl)
{
    if (!KontroleWielodzwigarowe(Klasa, B, L, n, Err)) return false;
    SladWartosc("N", n);
    SladWartosc("B", B);
    SladWartosc("e", e);
    SladWartosc("c", c);
    SladWartosc("g", g);
    SladWartosc("k", k);
    const tKlasaPN66& kl = Dane(Klasa);
    // Krawężnik odsunięty na zewnątrz o barierę i krawężnik.
    const double x0 = c + g + k - e;
    const int m = LiczbaPasow(ZasiegLiniiWplywu(n, B) - x0 + kl.d);
    const double EtaR = RzednaDzwigara(n, B, x0 + 0.75 * m - kl.o);
    const double EtaC = RzednaDzwigara(n, B, 0.5 * c + g + k - e - 0.25);
    SladWartosc("m", m);
    SladWartosc("gamma r", EtaR);
    SladWartosc("gamma c", EtaC);
    if (ZaMaloPasow(m, Err)) return false;
    const double r = RedukcjaPasm(m);
    const double fi = Fi(Dl);
    const double x = SzerokoscChodnika(c);
    SladWartosc("r", r);
    SladWartosc("Fi", fi);
    SladWartosc("x", x);
    M1N = Mpas(Klasa, L) * m * r * EtaR + ChodnikM * x * L * EtaC / fi;
    TN = Tpas(Klasa, L) * m * r * EtaR + ChodnikT * x * L * EtaC / fi;
    return true;
}

// Płyty: bez minimalnej liczby pasów, ścinanie nie dotyczy.
bool PN66Przekroj3(int Klasa, double& M1N, double& TN, double a1a2, double b, double c1c2, double P, double L,
                   std::string& Err, double Dl)
{
    double Bs, fi;
    if (!PoczatekPlyty(Klasa, L, P, Dl, Bs, fi, Err)) return false;
    // Oba chodniki, każdy zmniejszony o 0,5 m.
    MomentPlyty(Klasa, a1a2, b, c1c2 - 1.0, L, fi, Bs, M1N, TN);
    return true;
}

bool PN66Przekroj4(int Klasa, double& M1N, double& TN, double b, double a1a2, double L, double P, std::string& Err,
                   double)
{
    if (!SprawdzKlasePN66(Klasa, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"P", P}, {"L", L}})) return false;
    const double Bs = RozstawSkrajnychPasm(P);
    // Bez krawężników pasy mieszczą się na szerokości o 1 m mniejszej.
    const int m = LiczbaPasow(b + a1a2 + Dane(Klasa).d - 1.0);
    M1N = Mpas(Klasa, L) * m * RedukcjaPasm(m) / Bs;
    TN = NieDotyczy;
    return true;
}

bool PN66Przekroj6(int Klasa, double& M1N, double& TN, double, double, double a1a2, double b, double C1, double C2,
                   double P, double L, std::string& Err, double Dl)
{
    double Bs, fi;
    if (!PoczatekPlyty(Klasa, L, P, Dl, Bs, fi, Err)) return false;
    // Chodnik za barierą liczy się dopiero od 0,5 m szerokości.
    const double X1 = SzerokoscChodnika(C1);
    const double X2 = SzerokoscChodnika(C2);
    SladWartosc("C1", C1);
    SladWartosc("C2", C2);
    SladWartosc("X1", X1);
    SladWartosc("X2", X2);
    MomentPlyty(Klasa, a1a2, b, X1 + X2, L, fi, Bs, M1N, TN);
    return true;
}
