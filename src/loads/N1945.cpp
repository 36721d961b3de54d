// Model obciążenia normatywu 1945: wielomiany rozpiętości klasy I razy współczynnik
// poprzeczny r/L, tłum na chodniku przez współczynnik dynamiczny; klasy II i III
// to klasa I razy 0,75 i 0,5.
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wielomiany.h"
#include "loads/Wspolne.h"

namespace {
constexpr double CzynnikiKlas[3] = {1.0, 0.75, 0.5};
constexpr tPlyta Plyta1945{0.375, 10, 16.66666, 40};

// Klasa i zakres rozpiętości zastępczej [3, Lmax].
bool SprawdzKlaseIRozpietosc(int Klasa, double L, double Lmax, std::string& Err)
{
    return SprawdzKlase(Klasa, {1, 2, 3}, Err) && SprawdzRozpietosc(L, Lmax, Err);
}

// Wielomiany kolumny razy rho oraz tłum na szerokości chodnika przez dzielnik.
void Efekty(tWielomian moment, tWielomian sila, double L, double rho, double chodnik, double dzielnik, double& M1N,
            double& TN)
{
    const tWielomianyNormatywu& w = Wielomiany1945();
    M1N = Wartosc(moment, L) * rho + chodnik * Wartosc(w.TlumMoment, L) / dzielnik;
    TN = Wartosc(sila, L) * rho + chodnik * Wartosc(w.TlumSila, L) / dzielnik;
}
}  // namespace

bool N1945Przekroj0(int Klasa, int n, double& M1N, double B, double c1c2, double /*e*/, double L, double& TN,
                    std::string& Err, double Dl)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, 120, Err)) return false;
    if (n <= 1) return BladZaMala(Err, "n");

    double r, rho, Fn;
    SladUstaw("B/(n-1)", r, B / (n - 1));
    SladUstaw("r/L", rho, r / L);
    double fi = Fi(Dl);
    SladUstaw("Fi*n", Fn, fi * n);

    const tWielomianyNormatywu& w = Wielomiany1945();
    Efekty(w.MomentF, w.SilaF, L, rho, c1c2 - 1, Fn, M1N, TN);
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, true, false);
    return true;
}

bool N1945Przekroj0N2(int Klasa, double& M1N, double& TN, double a1a2, double /*a*/, double b, double c, double L,
                      std::string& Err, double Dl)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, 120, Err)) return false;

    double R, rho;
    SladUstaw("R", R, (b + a1a2) / 2 + 3);
    double fi = Fi(Dl);
    SladUstaw("r/L", rho, R / L);

    const tWielomianyNormatywu& w = Wielomiany1945();
    Efekty(w.MomentH, w.SilaH, L, rho, c - 0.5, fi, M1N, TN);
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, true, false);
    return true;
}

bool N1945Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k1k2, double L,
                    std::string& Err, double Dl)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, 120, Err)) return false;

    double r, rho, fi;
    SladUstaw("r", r, (B - g1 - k1k2) / 2 + 3);
    SladUstaw("r/L", rho, r / L);
    double f = Fi(Dl);
    SladUstaw("Fi", fi, f);

    Efekty(Moment1945HPrzekroj2(), Wielomiany1945().SilaH, L, rho, c, fi, M1N, TN);
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, true, false);
    return true;
}

bool N1945Przekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double /*Dl*/)
{
    if (!SprawdzKlaseIRozpietosc(Klasa, L, 100, Err)) return false;

    M1N = MomentPlyty(Plyta1945, L);
    // TN ustawione przed krokiem klasy, by blok śladu pokazał "NIE DOTYCZY".
    TN = NieDotyczy;
    UwzglednijKlase(Klasa, CzynnikiKlas, M1N, TN, true, true);
    return true;
}
