#include "common/RozpietosciZastepcze.h"

#include <cmath>

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "common/Wyliczenia.h"

namespace {

const char* const TekstRozpietoscZastepcza = "Rozpiętość zastępcza";
const char* const EtykietaL = "Rozpiętość L";
const char* const EtykietaW = "Długość    W";
const char* const EtykietaLM = "L dla momentu";
const char* const EtykietaLT = "L dla siły   ";
const char* const WzorTab1 = "  Rozpiętość zast. [%d..%d,%d](%0.2f) = %0.2f";
const char* const WzorTab2Alfa = "  W= %0.2f L=%0.2f Alfa=%0.2f";
const char* const WzorTab2Wiersz = "    TAB [%0.2f..%0.2f]";
const char* const WzorTab2Wynik = "  Lagrange([%0.2f..%0.2f,%0.2f..%0.2f])(%0.2f,%0.2f) = %0.2f";
const char* const WzorAlfa = "Alfa = %0.4f [%0.1f,%0.1f]";
const char* const WzorPN85 = "Apr. %0.4f %0.4f LZM = %0.4f";

constexpr int OstatniWierszTab1 = WierszeTab1 - 1;  // 27
constexpr int OstatniWierszTab2 = WierszeTab2 - 1;  // 31

// Węzły Alfa wzorów PN-85 i ich przedziały (Wezly[i], Wezly[i + 1]).
constexpr double Wezly[6] = {0.1, 0.3, 0.5, 0.7, 0.9, 1.0};

// Indeks przedziału, Alfa i wiersz śladu.
int Przedzial(double W, double L, double& Alfa)
{
    Asercja(L > 1e-10, "PrzedzialAlfa: L <= 1e-10");
    Alfa = W / L;
    int i = 4;
    if (Alfa <= 0.3) i = 0;
    else if (Alfa <= 0.5) i = 1;
    else if (Alfa <= 0.7) i = 2;
    else if (Alfa <= 0.9) i = 3;
    SladDodaj(Format(WzorAlfa, {Alfa, Wezly[i], Wezly[i + 1]}));
    return i;
}

// Interpolacja wartości węzłów C po Alfa (poza 0,1 … 1,0 ekstrapolacja) i wiersz śladu.
double InterpolacjaPN85(double W, double L, const double (&C)[6])
{
    double Alfa;
    const int i = Przedzial(W, L, Alfa);
    const double a0 = Wezly[i], a1 = Wezly[i + 1];
    const double wynik = C[i] + (Alfa - a0) * (C[i + 1] - C[i]) / (a1 - a0);
    SladDodaj(Format(WzorPN85, {C[i], C[i + 1], wynik}));
    return wynik;
}

// Składnik t(α) wzoru siły: (a·W² + b·W + c) / W, b i c według pasma wysięgu.
struct tTermSily {
    double a;
    double bc[3][2];
};

constexpr tTermSily TermySily[6] = {
    {0.36, {{4.2, -0.6}, {4.1, -0.36}, {4, 0}}},
    {0.16, {{4.6, -1.8}, {4.3, -1.08}, {4, 0}}},
    {0.12, {{5, -3}, {4.5, -1.8}, {4, 0}}},
    {0.102857, {{5.4, -4.2}, {4.7, -2.52}, {4, 0}}},
    {0.093333, {{5.8, -5.4}, {4.9, -3.24}, {4, 0}}},
    {0.09, {{6, -6}, {5, -3.6}, {4, 0}}},
};

int GrupaWspornikow(int Normatyw, int Klasa)
{
    switch (Normatyw) {
    case nNormatyw1926:
    case nDIN1072: return gw1926DIN;
    case nNormatyw1945: return gw1945;
    case nNormatyw1952: return gw1952;
    case nNormatyw1956: return Klasa == 0 ? gw1956KlasaI : gw1956KlasyII_III;
    case nPN66: return Klasa == 0 ? gwPN66KlasaI : gwPN66KlasyII_III;
    default: return -1;
    }
}

}  // namespace

double WspLagrange(double x, double x0, double x1) { return (x - x0) / (x1 - x0); }

double InterpolacjaTab1(std::span<const tWierszTab1> T, int n, int kolumna, double W)
{
    if (W <= T[0][0]) return T[0][kolumna];
    if (W >= T[n][0]) return T[n][kolumna];
    int k = 1;
    while (W > T[k][0]) ++k;
    // Krok tablicy 0,5 m: ten sam wynik co wzór (y1 + Δy·(W − W1) / ΔW) bit w bit.
    const double wynik = Interpoluj(T[k - 1][0], T[k - 1][kolumna], T[k][0], T[k][kolumna], W);
    SladDodaj(Format(WzorTab1, {k - 1, k, kolumna, W, wynik}));
    return wynik;
}

double InterpolacjaTab2(std::span<const tWierszTab2> T, int n, double W, double L)
{
    if (L == 0) return NieDotyczy;
    const double Alfa = W / L;
    int j0 = 9, j1 = 10;
    if (Alfa <= 0.1) {
        j0 = 1;
        j1 = 2;
    } else if (Alfa < 1.0) {
        int k = 2;
        while (k / 10.0 < Alfa) ++k;
        j0 = k - 1;
        j1 = k;
    }
    int i0 = n - 1, i1 = n;
    if (W <= T[0][0]) {
        i0 = 0;
        i1 = 1;
    } else if (W < T[n][0]) {
        int k = 1;
        while (W > T[k][0]) ++k;
        i0 = k - 1;
        i1 = k;
    }
    // Dwuliniowo (Lagrange), poza parą węzłów ekstrapolacja.
    const double wi0 = WspLagrange(W, T[i1][0], T[i0][0]);
    const double wi1 = WspLagrange(W, T[i0][0], T[i1][0]);
    const double aj0 = WspLagrange(Alfa, j1 / 10.0, j0 / 10.0);
    const double aj1 = WspLagrange(Alfa, j0 / 10.0, j1 / 10.0);
    const double wynik =
        wi0 * aj0 * T[i0][j0] + wi1 * aj0 * T[i1][j0] + wi0 * aj1 * T[i0][j1] + wi1 * aj1 * T[i1][j1];
    SladDodaj(Format(WzorTab2Alfa, {W, L, Alfa}));
    SladDodaj(Format(WzorTab2Wiersz, {T[i0][j0], T[i0][j1]}));
    SladDodaj(Format(WzorTab2Wiersz, {T[i1][j0], T[i1][j1]}));
    SladDodaj(Format(WzorTab2Wynik, {T[i0][0], T[i1][0], j0 / 10.0, j1 / 10.0, W, Alfa, wynik}));
    return wynik;
}

void PrzedzialAlfa(double W, double L, double& Alfa, double& j0, double& j1)
{
    const int i = Przedzial(W, L, Alfa);
    j0 = Wezly[i];
    j1 = Wezly[i + 1];
}

double LZastMomentPN85(double W, double L)
{
    if (L <= 0.01) return 0.0;
    const double W2 = W * W;
    const double C[6] = {
        std::sqrt(44 * W2 + 533.333333 * W + 4668.44444) - 66.66666,
        std::sqrt(17.33333 * W2 + 533.333333 * W + 4476.44444) - 66.66666,
        std::sqrt(12 * W2 + 533.333333 * W + 4364.44444) - 66.66666,
        std::sqrt(9.7142857 * W2 + 533.333333 * W + 4268.44444) - 66.66666,
        std::sqrt(8.44444 * W2 + 533.333333 * W + 4172.44444) - 66.66666,
        W < 2.4 ? std::sqrt(8 * W2 + 400 * W + 4444.44444) - 66.66666
                : std::sqrt(8 * W2 + 533.333333 * W + 4124.44444) - 66.66666,
    };
    return InterpolacjaPN85(W, L, C);
}

double LZastSilaPN85(double W, double L)
{
    if (L <= 0.01) return 0.0;
    const int pasmo = W < 2.4 ? 0 : (W < 3.6 ? 1 : 2);
    double C[6];
    for (int i = 0; i < 6; ++i) {
        const tTermSily& s = TermySily[i];
        const double t = (s.a * W * W + s.bc[pasmo][0] * W + s.bc[pasmo][1]) / W;
        const double x = 16.66666 * (4 - t);
        C[i] = std::sqrt(x * x + 240) - x;
    }
    return InterpolacjaPN85(W, L, C);
}

void RozpietosciZastepcze(int Normatyw, int Klasa, int Rodzaj, double L, double W, double& LM, double& LT)
{
    SladDodaj(TekstRozpietoscZastepcza);
    SladWartosc(EtykietaL, L);
    SladWartosc(EtykietaW, W);
    if (Rodzaj >= rBelkaSwobodnie && Rodzaj <= rRamaSrodkowe) {
        const int grupa = GrupaMnoznikow(Normatyw, Klasa);
        if (grupa >= 0) {
            const tMnozniki c = MnoznikiPrzesla(grupa, Rodzaj);
            LM = c.cM * L;
            LT = c.cT * L;
        }
    } else if (Rodzaj == rWspornikSwobodny) {
        const int grupa = GrupaJednokierunkowa(Normatyw, Klasa);
        if (grupa >= 0) {
            const auto T = TablicaWspornikaSwobodnego(grupa);
            LM = InterpolacjaTab1(T, OstatniWierszTab1, 1, W);
            LT = InterpolacjaTab1(T, OstatniWierszTab1, 2, W);
        }
    } else if (Rodzaj == rWspornikLewy || Rodzaj == rWspornikPrawy) {
        if (Normatyw == nPN85) {
            LM = LZastMomentPN85(W, L);
            LT = LZastSilaPN85(W, L);
        } else if (const int grupa = GrupaWspornikow(Normatyw, Klasa); grupa >= 0) {
            LM = InterpolacjaTab2(TablicaWspornika(grupa, false), OstatniWierszTab2, W, L);
            LT = InterpolacjaTab2(TablicaWspornika(grupa, true), OstatniWierszTab2, W, L);
        }
    }
    SladWartosc(EtykietaLM, LM);
    SladWartosc(EtykietaLT, LT);
}
