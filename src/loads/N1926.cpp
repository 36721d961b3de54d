// Model obciążenia normatywu 1926: wielomiany rozpiętości klasy I razy współczynnik
// poprzeczny, tłum na chodniku bez współczynnika dynamicznego (długość elementu nie
// wchodzi nigdzie); klasy II i III to klasa I razy 0,8 i 0,4.
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wielomiany.h"
#include "loads/Wspolne.h"

namespace {
constexpr double CzynnikiKlas[3] = {1.0, 0.8, 0.4};
constexpr tPlyta Plyta1926{0.3125, 12, 20, 48};

// Klasa, odmowa L = 270 (poza płytą), potem zakres [3, Lmax].
bool SprawdzKlaseIRozpietosc(int Klasa, double L, bool sprawdz270, double Lmax, std::string& Err)
{
    if (!SprawdzKlase(Klasa, {1, 2, 3}, Err)) return false;
    if (sprawdz270 && SprawdzL270(Err, L)) return false;
    return SprawdzRozpietosc(L, Lmax, Err);
}

// Kolumna H (dwa dźwigary) razy rho oraz tłum na szerokości chodnika.
void EfektyH(double L, double rho, double chodnik, double& M1N, double& TN)
{
    const tWielomianyNormatywu& w = Wielomiany1926();
    M1N = Wartosc(w.MomentH, L) * rho + chodnik * Wartosc(w.TlumMoment, L);
    TN = Wartosc(w.SilaH, L) * rho + chodnik * Wartosc(w.TlumSila, L);
}
}  // namespace

bool N1926Przekroj0(int Klasa, int n, double& M1N, double B, double c1c2, double L, double& TN, std::string& Err,
                    double /*Dl*/)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, true, 120, Err)) return false;
    if (n < 2) return BladZaMala(Err, "n");

    const tWielomianyNormatywu& w = Wielomiany1926();
    double rho = 0.4 * B / ((n - 1) * L);
    double chodnik = (c1c2 - 0.8) / n;
    M1N = Wartosc(w.MomentF, L) * rho + Wartosc(w.TlumMoment, L) * chodnik;
    TN = Wartosc(w.SilaF, L) * rho + Wartosc(w.TlumSila, L) * chodnik;
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, false, false);
    return true;
}

bool N1926Przekroj0N2(int Klasa, double& M1N, double& TN, double a1a2, double b, double c, double L,
                      std::string& Err, double /*Dl*/)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, true, 120, Err)) return false;

    double R, rho;
    SladUstaw("R", R, (b + a1a2) / 2 + 2.5);
    SladUstaw("R/L", rho, R / L);
    EfektyH(L, rho, c - 0.4, M1N, TN);
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, true, false);
    return true;
}

bool N1926Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k1k2, double L,
                    std::string& Err, double /*Dl*/)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, true, 120, Err)) return false;

    double r = (B - g1 - k1k2) / 2 + 2.5;
    EfektyH(L, r / L, c, M1N, TN);
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, false, false);
    return true;
}

bool N1926Przekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double /*Dl*/)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, false, 100, Err)) return false;

    M1N = MomentPlyty(Plyta1926, L);
    TN = NieDotyczy;
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, false, true);
    return true;
}
