#include "wspprzec/Rozklad.h"

#include <algorithm>
#include <cmath>

#include "common/Asercja.h"
#include "common/Slad.h"

int LiczbaPasmPlyty(double P)
{
    int N = static_cast<int>(std::nearbyint(P + 0.000001));
    N = std::max(N, 1);
    SladWartosc("N", N);
    return N;
}

double RozstawSkrajnychPasm(double P)
{
    const int N = LiczbaPasmPlyty(P);
    // Jedno pasmo: B = 0 także dla ujemnego P (bez "-0" w śladzie i komunikatach).
    const double B = N == 1 ? 0.0 : (N - 1) * P / N;
    SladWartosc("B", B);
    return B;
}

void ObliczRzedne(double P, double L, double& Eta1, double& EtaN)
{
    Asercja(L > 0.00001, "ObliczRzedne: L <= 0");
    SladDodaj("Obliczenie rzędnych");
    const double Alfa = std::min(2.0, std::max(0.4, RozstawSkrajnychPasm(P) / L));
    SladWartosc("Alfa", Alfa);

    // Stałe jak w tablicach pierwowzoru (liczby rozszerzonej precyzji).
    const long double p = P, a = Alfa;
    long double e1, en;
    if (Alfa <= 1.2)
        e1 = 0.949865L / p + (0.000460234L * p * p - 0.017379792L * p + 0.275194604L) * a;
    else if (Alfa <= 1.6)
        e1 = 1.147905L / p + (0.000248798L * p * p - 0.011106999L * p + 0.216635487L) * a;
    else
        e1 = 1.45105757L / p + (0.147563681L - 0.003690531L * p) * a;

    if (Alfa <= 0.8)
        en = 1.01507L / p - (0.0006222222L * p * p - 0.019983547L * p + 0.210695943L) * a;
    else if (Alfa <= 1.2)
        en = 0.843520087L / p - (0.0004888889L * p * p - 0.015273264L * p + 0.155975557L) * a;
    else if (Alfa <= 1.6)
        en = 0.584460963L / p - (0.0001854431L * p * p - 0.006610225L * p + 0.077988915L) * a;
    else
        en = 0.316531875L / p - (0.021965934L - 0.000861416L * p) * a;

    Eta1 = static_cast<double>(e1);
    EtaN = static_cast<double>(en);
    SladWartosc("Eta 1", Eta1);
    SladWartosc("Eta n", EtaN);
}

double RzednaParaboliczna(double Eta1, double EtaN, double B, double x)
{
    // Rozszerzona precyzja jak przy rzędnych: η(B) daje po zaokrągleniu dokładnie EtaN.
    const long double e1 = Eta1, xx = x, bb = B;
    return static_cast<double>(e1 - (e1 - EtaN) * xx * (2 * bb - xx) / (bb * bb));
}

double RzednaDzwigara(double n, double B, double x)
{
    return 2.0 / (n * n + n) * (2 * n - 1 - 3 * (n - 1) * x / B);
}
