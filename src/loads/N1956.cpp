// Model obciążenia normatywu 1956: pasy ruchu po 1,5 m z obciążeniem klasy, zmniejszanym
// ze wzrostem liczby pasów; tłum na chodniku przez współczynnik dynamiczny.
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wspolne.h"
#include "wspprzec/Rozklad.h"

namespace {
const char* const KomLiczbaPasm = "Zła liczba pasm płyty";

constexpr int MaksPasow = 11;

// Obciążenie pasa: moment a·L − b/L + c, siła czterokrotnie większa w każdym wyrazie
// (podane osobno, jak w normatywie); u, s: naddatek szerokości i przesunięcie
// wypadkowej pasów dla przekrojów 0, 2 i 3.
struct tKlasa1956 {
    double Ma, Mb, Mc;
    double Ta, Tb, Tc;
    double u, s;
};

constexpr tKlasa1956 Klasy1956[3] = {
    {0.6, 38.4, 24, 2.4, 76.8, 96, 0.9, 0.45},
    {0.6, 0, 12, 2.4, 0, 48, 0.9, 0.45},
    {0.4, 0, 8, 1.6, 0, 32, 1.1, 0.55},
};

const tKlasa1956& Klasa1956(int Klasa) { return Klasy1956[Klasa - 1]; }
double VM(const tKlasa1956& k, double L) { return k.Ma * L - k.Mb / L + k.Mc; }
double VT(const tKlasa1956& k, double L) { return k.Ta * L - k.Tb / L + k.Tc; }

bool BladLiczbyPasm(std::string& Err)
{
    Err = KomLiczbaPasm;
    return false;
}

// Kontrole wspólne przekrojów dźwigarowych 0 i 1: B, L, n różne od zera i n > 1.
bool SprawdzDzwigary(double B, double L, double n, std::string& Err)
{
    if (!SprawdzNiezerowe(Err, {{"B", B}, {"L", L}, {"n", n}})) return false;
    if (n == 1) return BladZaMala(Err, "n");
    return true;
}
}  // namespace

double WspRedukcjiPasm(int m)
{
    if (m <= 2) return 1.0;
    if (m <= 4) return 0.9;
    if (m <= 6) return 0.8;
    if (m <= 8) return 0.7;
    return 0.6;
}

bool N1956Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n,
                    std::string& Err, double Dl)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (SprawdzL270(Err, L)) return false;
    if (!SprawdzDzwigary(B, L, n, Err)) return false;

    const tKlasa1956& k = Klasa1956(Klasa);
    double w = ZasiegLiniiWplywu(n, B) + e - c;
    int m = LiczbaPasow(w + k.u);
    double psi = RzednaDzwigara(n, B, c - e + 0.75 * m - k.s);
    // Środek chodnika pomniejszonego o 0,5 m od strony zewnętrznej.
    double psiC = RzednaDzwigara(n, B, 0.5 * c - e - 0.25);
    if (m < 2) return BladLiczbyPasm(Err);

    double f = m * WspRedukcjiPasm(m);
    double q = L * psiC / Fi(Dl);
    M1N = VM(k, L) * f * psi + 0.375 * (c - 0.5) * q;
    TN = VT(k, L) * f * psi + 1.5 * (c - 0.5) * q;
    return true;
}

bool N1956Przekroj1(int Klasa, double& M1N, double& TN, double B, double e, double L, double n, std::string& Err,
                    double /*Dl*/)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (!SprawdzDzwigary(B, L, n, Err)) return false;

    // Bez krawężników jezdnia zaczyna się 0,5 m od krawędzi pomostu.
    double A = ZasiegLiniiWplywu(n, B);
    bool klasa3 = Klasa == 3;
    int m = LiczbaPasow(A + e + (klasa3 ? 0.6 : 0.4));
    double psi = RzednaDzwigara(n, B, 0.75 * m - e + (klasa3 ? -0.05 : 0.05));
    if (m < 1 || m > MaksPasow) return BladLiczbyPasm(Err);

    const tKlasa1956& k = Klasa1956(Klasa);
    double r = WspRedukcjiPasm(m);
    M1N = VM(k, L) * m * r * psi;
    TN = VT(k, L) * m * r * psi;
    return true;
}

bool N1956Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2,
                    double L, std::string& Err, double Dl)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (SprawdzL270(Err, L)) return false;
    if (!SprawdzNiezerowe(Err, {{"B", B}, {"L", L}})) return false;

    const tKlasa1956& kl = Klasa1956(Klasa);
    double w = B - g1 - k1k2;
    int m = LiczbaPasow(w + kl.u);
    double psi = 1 - (0.75 * m + k + 0.5 * g1 - kl.s) / B;
    // Chodnik leży na zewnątrz dźwigara.
    double beta = 1 + 0.5 * (c + g1) / B;
    if (m < 1 || m > MaksPasow) return BladLiczbyPasm(Err);

    double r = WspRedukcjiPasm(m);
    double q = c * L * beta / Fi(Dl);
    M1N = VM(kl, L) * m * r * psi + 0.375 * q;
    TN = VT(kl, L) * m * r * psi + 1.5 * q;
    return true;
}

bool N1956Przekroj3(int Klasa, double& M1N, double& TN, double a1a2, double b, double c1c2, double L, double P,
                    std::string& Err, double Dl)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"P", P}, {"L", L}})) return false;

    double Bs = RozstawSkrajnychPasm(P);
    double W = b + a1a2;
    const tKlasa1956& k = Klasa1956(Klasa);
    int m = LiczbaPasow(W + k.u);
    double fi = Fi(Dl);
    // Obciążenie całej płyty na metr szerokości; oba chodniki pomniejszone o 0,5 m.
    M1N = (m * WspRedukcjiPasm(m) * VM(k, L) + 0.375 * (c1c2 - 1) * L / fi) / Bs;
    TN = NieDotyczy;
    return true;
}

bool N1956Przekroj4(int Klasa, double& M1N, double& TN, double a1a2, double b, double L, double P,
                    std::string& Err, double /*Dl*/)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"P", P}, {"L", L}})) return false;

    double Bs = RozstawSkrajnychPasm(P);
    double W = b + a1a2;
    int m = LiczbaPasow(W + (Klasa == 3 ? 0.1 : -0.1));
    M1N = m * WspRedukcjiPasm(m) * VM(Klasa1956(Klasa), L) / Bs;
    TN = NieDotyczy;
    return true;
}
