// Model obciążenia DIN 1072 (1931): jezdnia dzielona na pas pojazdu 2,5 m przy
// krawężniku i resztę szerokości, każda część ze swoją rzędną i swoim wielomianem
// rozpiętości; tłum na chodniku przez współczynnik dynamiczny.
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wielomiany.h"
#include "loads/Wspolne.h"
#include "wspprzec/Rozklad.h"

namespace {
constexpr double LmaxDzwigary = 91.5;
constexpr double LmaxPlyta = 100;

// Wyraz liniowy a·L − b.
struct tLiniowy {
    double a, b;
    constexpr double operator()(double L) const { return a * L - b; }
};

// Stałe klasy: q, h, s części kwadratowych; wyrazy A i B momentu (do 6 m i dalej),
// wyrazy A i B siły, tłum na chodniku dla momentu i siły.
struct tKlasaDIN {
    double q, h, s;
    double A1;
    tLiniowy A2;
    double B1;
    tLiniowy B2;
    tLiniowy TA, TB;
    double TlumMoment, TlumSila;
};

constexpr tKlasaDIN KlasyDIN[3] = {
    {0.3125, 5.25, 2.5, 14, {24, 60}, 8, {12, 24}, {96, 120}, {48, 48}, 0.625, 2.5},
    {0.28125, 4.75, 2.25, 9, {16, 42}, 6, {9, 18}, {64, 84}, {36, 36}, 0.5625, 2.25},
    {0.25, 4.25, 2.0, 5, {7, 12}, 4.5, {6, 9}, {28, 24}, {24, 18}, 0.5, 2.0},
};

const tKlasaDIN& KlasaDIN(int Klasa) { return KlasyDIN[Klasa - 1]; }

double CzescMomentu(const tKlasaDIN& k, double L)
{
    double d = L - 3;
    if (L <= 9) return k.q * d * d;
    double w = 2 * L * L - 24 * L + 90;
    if (L <= 25) return k.q * w;
    return (k.h - 0.01 * L) * w / 16;
}

double CzescSily(const tKlasaDIN& k, double L)
{
    double d = L - 4.5;
    if (L <= 4.5) return 0;
    if (L <= 25) return k.s * d * d;
    return (k.h - 0.01 * L) / 2 * d * d;
}

double MomentPA(const tKlasaDIN& k, double L) { return CzescMomentu(k, L) + (L <= 6 ? k.A1 * L : k.A2(L)); }
double MomentPB(const tKlasaDIN& k, double L) { return CzescMomentu(k, L) + (L <= 6 ? k.B1 * L : k.B2(L)); }

bool SprawdzDane(int Klasa, double L, double Lmax, std::string& Err)
{
    return SprawdzKlase(Klasa, {1, 2, 3}, Err) && SprawdzRozpietosc(L, Lmax, Err);
}

// Wspólny koniec przekrojów dźwigarowych: trzy części obciążenia z udziałami A, Bq, C.
void Efekty(int Klasa, double L, double A, double Bq, double C, double& M1N, double& TN)
{
    const tKlasaDIN& k = KlasaDIN(Klasa);
    double qt = CzescSily(k, L);
    M1N = MomentPA(k, L) * A + MomentPB(k, L) * Bq + k.TlumMoment * C;
    TN = (qt + k.TA(L)) * A + (qt + k.TB(L)) * Bq + k.TlumSila * C;
}
}  // namespace

bool DINPrzekroj0(int Klasa, int n, double& M1N, double B, double c, double e, double L, double& TN,
                  std::string& Err, double Dl)
{
    if (!SprawdzDane(Klasa, L, LmaxDzwigary, Err)) return false;

    double S, gp, gs, gc, fi, A, Bq, C;
    SladUstaw("S ", S, ZasiegLiniiWplywu(n, B) + e - c);
    SladUstaw("Gamma p", gp, RzednaDzwigara(n, B, c - e + 1.25));
    SladUstaw("Gamma s", gs, RzednaDzwigara(n, B, 0.5 * S + c - e + 1.25));
    SladUstaw("Gamma c", gc, RzednaDzwigara(n, B, 0.5 * c - e));
    double f = Fi(Dl);
    SladUstaw("Fi", fi, f);
    SladUstaw("2,5*Gamma p/L", A, 2.5 * gp / L);
    // Etykieta mówi o Gamma c, wartość liczona jest z Gamma s.
    SladUstaw("(S-2.5)*Gamma c/L", Bq, (S - 2.5) * gs / L);
    SladUstaw("Gamma c*C*L/Fi", C, gc * c * L / fi);

    Efekty(Klasa, L, A, Bq, C, M1N, TN);
    return true;
}

bool DINPrzekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2,
                  double L, std::string& Err, double Dl)
{
    if (!SprawdzDane(Klasa, L, LmaxDzwigary, Err)) return false;

    double S, gp, gs, gc, fi;
    SladUstaw("S", S, B - k1k2 - g1);
    SladUstaw("Gamma p", gp, 1 - (0.5 * g1 + k + 1.25) / B);
    SladUstaw("Gamma s", gs, 1 - (0.5 * S + k + 0.5 * g1 + 1.25) / B);
    // Chodnik leży na zewnątrz dźwigara.
    SladUstaw("Gamma c", gc, 1 + 0.5 * (c + g1) / B);
    double f = Fi(Dl);
    SladUstaw("Fi", fi, f);

    Efekty(Klasa, L, 2.5 * gp / L, (S - 2.5) * gs / L, gc * c * L / fi, M1N, TN);
    return true;
}

bool DINPrzekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double /*Dl*/)
{
    if (!SprawdzDane(Klasa, L, LmaxPlyta, Err)) return false;

    const tKlasaDIN& k = KlasaDIN(Klasa);
    M1N = MomentPlyty({k.q, k.A1, k.A2.a, k.A2.b}, L);
    TN = NieDotyczy;
    return true;
}
