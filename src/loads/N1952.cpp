// Model obciążenia normatywu 1952: obciążenie jezdni rozłożone na całej szerokości S
// ze współczynnikiem szerokości 0,5·(1 + 4,5/S); tłum na chodniku przez współczynnik
// dynamiczny.
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wspolne.h"
#include "wspprzec/Rozklad.h"

namespace {
// Obciążenie jezdni klasy: moment a·L + b, siła c·L + d (czterokrotność momentu).
struct tKlasa1952 {
    double Ma, Mb, Ta, Tb;
};

constexpr tKlasa1952 Klasy1952[3] = {
    {0.5, 10, 2, 40},
    {0.375, 7.5, 1.5, 30},
    {0.25, 5, 1.0, 20},
};

double VM(int Klasa, double L) { return Klasy1952[Klasa - 1].Ma * L + Klasy1952[Klasa - 1].Mb; }
double VT(int Klasa, double L) { return Klasy1952[Klasa - 1].Ta * L + Klasy1952[Klasa - 1].Tb; }
double Lambda(double S) { return 0.5 * (1 + 4.5 / S); }

// Klasa i odmowa rozpiętości 270 (przekroje dźwigarowe).
bool SprawdzKlaseIL270(int Klasa, double L, std::string& Err)
{
    return SprawdzKlase(Klasa, {1, 2, 3}, Err) && !SprawdzL270(Err, L);
}
}  // namespace

bool N1952Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n,
                    std::string& Err, double Dl)
{
    if (!SprawdzKlaseIL270(Klasa, L, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"n", n}})) return false;
    if (n == 1) return BladZaMala(Err, "n");
    if (!SprawdzNiezerowe(Err, {{"B", B}})) return false;

    // Od 0,5 m za linią krawężnika do miejsca zerowego linii wpływu.
    double S = ZasiegLiniiWplywu(n, B) + e - c + 0.5;
    if (!SprawdzNiezerowe(Err, {{"S", S}})) return false;

    double V = S * Lambda(S) * RzednaDzwigara(n, B, c - e - 0.5) / 2;
    double psiC = RzednaDzwigara(n, B, 0.5 * c - e - 0.25);
    double q = L * psiC / Fi(Dl);
    M1N = VM(Klasa, L) * V + 0.375 * (c - 0.5) * q;
    TN = VT(Klasa, L) * V + 1.5 * (c - 0.5) * q;
    return true;
}

bool N1952Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double /*k*/, double k1k2,
                    double L, std::string& Err, double Dl)
{
    if (!SprawdzKlaseIL270(Klasa, L, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"B", B}})) return false;

    double S = B - g1 - k1k2 + 0.5;
    if (!SprawdzNiezerowe(Err, {{"S", S}})) return false;

    double psi = 1 - (B - 0.5) / (2 * B);
    // Chodnik leży na zewnątrz dźwigara.
    double beta = 1 + 0.5 * (c + g1) / B;
    double V = S * Lambda(S) * psi;
    double q = c * L * beta / Fi(Dl);
    M1N = VM(Klasa, L) * V + 0.375 * q;
    TN = VT(Klasa, L) * V + 1.5 * q;
    return true;
}

bool N1952Przekroj3(int Klasa, double& M1N, double& TN, double b, double a1a2, double c1c2, double L, double P,
                    std::string& Err, double Dl)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (!SprawdzNiezerowe(Err, {{"P", P}})) return false;

    double Bs = RozstawSkrajnychPasm(P);
    double W = b + a1a2;
    double lambda = Lambda(W);
    double fi = Fi(Dl);
    M1N = (W * lambda * VM(Klasa, L) + 0.375 * (c1c2 - 1) * L / fi) / Bs;
    TN = NieDotyczy;
    return true;
}
