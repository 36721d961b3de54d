#include "loads/Wielomiany.h"

#include <array>
#include <limits>

#include "common/Slad.h"
#include "loads/Wspolne.h"

namespace {
const char* const TekstPrzed = "Przed uwzględnieniem klasy:";
const char* const TekstPo = "Po uwzględnieniu klasy:";

constexpr double Dalej = std::numeric_limits<double>::infinity();

// Normatyw 1945. Współczynniki dziesiętne dokładnie w zapisie tablic normatywu
// (14.41666, 79.99999), bez zaokrąglania do ułamków zwykłych.
constexpr std::array<tOdcinek, 5> Moment1945H{{
    {6, 0, 0.1875, 3.875, 1.6875},
    {9, 0, 0.1875, 7.20833, -18.3125},
    {50, 0, 0.375, 3.83333, -3.125},
    {100, -0.0025, 0.53, 2.22083, 2.5},
    {Dalej, 0, 0.25, 5.33333, -8.75},
}};
constexpr std::array<tOdcinek, 5> Moment1945HDolnaJezdnia{{
    Moment1945H[0],
    Moment1945H[1],
    Moment1945H[2],
    Moment1945H[3],
    {Dalej, 0, 0.25, 16.0 / 3.0, -8.75},
}};
constexpr std::array<tOdcinek, 5> Moment1945F{{
    {6, 0, 0.375, 7.75, 3.375},
    {9, 0, 0.375, 14.41666, -36.625},
    {50, 0, 0.75, 7.66666, -6.25},
    {100, -0.005, 1.06, 4.44166, 5},
    {Dalej, 0, 0.5, 10.66666, -17.5},
}};
constexpr std::array<tOdcinek, 4> Sila1945H{{
    {4.5, 0, 0, 33.33333, -40},
    {50, 0, 1.5, 19.83333, -9.625},
    {100, -0.01, 2.09, 15.13083, 0.5},
    {Dalej, 0, 1.0, 24.33333, -19.75},
}};
constexpr std::array<tOdcinek, 4> Sila1945F{{
    {4.5, 0, 0, 66.66666, -79.99999},
    {50, 0, 3, 39.66666, -19.25},
    {100, -0.02, 4.18, 30.26166, 1},
    {Dalej, 0, 2, 48.66666, -39.5},
}};
constexpr std::array<tOdcinek, 3> Tlum1945Moment{{
    {50, 0, 0, 0.75, 0},
    {100, 0, -0.005, 1, 0},
    {Dalej, 0, 0, 0.5, 0},
}};
constexpr std::array<tOdcinek, 3> Tlum1945Sila{{
    {50, 0, 0, 3, 0},
    {100, 0, -0.02, 4, 0},
    {Dalej, 0, 0, 2, 0},
}};

// Normatyw 1926: kolumna H; kolumna F to pięciokrotność H, współczynnik po współczynniku.
constexpr std::array<tOdcinek, 5> Moment1926H{{
    {6, 0, 0.15625, 5.0625, 1.40625},
    {9, 0, 0.15625, 9.0625, -22.59375},
    {50, 0, 0.3125, 6.25, -9.9375},
    {100, -0.00125, 0.39, 5.44375, -7.125},
    {Dalej, 0, 0.25, 7, -12.75},
}};
constexpr std::array<tOdcinek, 4> Sila1926H{{
    {4.5, 0, 0, 40, -48},
    {50, 0, 1.25, 28.75, -22.6875},
    {100, -0.005, 1.545, 26.39875, -17.625},
    {Dalej, 0, 1, 31, -27.75},
}};
constexpr std::array<tOdcinek, 3> Tlum1926Moment{{
    {50, 0, 0, 0.625, 0},
    {100, 0, -0.0025, 0.75, 0},
    {Dalej, 0, 0, 0.5, 0},
}};
constexpr std::array<tOdcinek, 3> Tlum1926Sila{{
    {50, 0, 0, 2.5, 0},
    {100, 0, -0.01, 3, 0},
    {Dalej, 0, 0, 2, 0},
}};

template <size_t N>
constexpr std::array<tOdcinek, N> RazyPiec(const std::array<tOdcinek, N>& h)
{
    std::array<tOdcinek, N> f{};
    for (size_t i = 0; i < N; ++i)
        f[i] = {h[i].Granica, 5 * h[i].a3, 5 * h[i].a2, 5 * h[i].a1, 5 * h[i].a0};
    return f;
}
constexpr auto Moment1926F = RazyPiec(Moment1926H);
constexpr auto Sila1926F = RazyPiec(Sila1926H);
}  // namespace

double Wartosc(tWielomian w, double L)
{
    const tOdcinek* o = &w.back();
    for (const tOdcinek& x : w) {
        if (L <= x.Granica) {
            o = &x;
            break;
        }
    }
    return o->a3 * L * L * L + o->a2 * L * L + o->a1 * L + o->a0;
}

const tWielomianyNormatywu& Wielomiany1945()
{
    static const tWielomianyNormatywu w{Moment1945H, Moment1945F, Sila1945H, Sila1945F, Tlum1945Moment, Tlum1945Sila};
    return w;
}

const tWielomianyNormatywu& Wielomiany1926()
{
    static const tWielomianyNormatywu w{Moment1926H, Moment1926F, Sila1926H, Sila1926F, Tlum1926Moment, Tlum1926Sila};
    return w;
}

tWielomian Moment1945HPrzekroj2() { return Moment1945HDolnaJezdnia; }

double MomentPlyty(const tPlyta& p, double L)
{
    double d = L - 3;
    if (L <= 6) return (p.q * d * d + p.A1 * L) / L;
    if (L <= 9) return (p.q * d * d + p.A2 * L - p.B2) / L;
    return (2 * p.q * (L * L - 12 * L + 45) + p.A2 * L - p.B2) / L;
}

void UwzglednijKlase(int Klasa, const double (&Czynniki)[3], double& M1N, double& TN, bool zeSladem,
                     bool tylkoMoment)
{
    if (Klasa == 1) return;
    if (zeSladem) {
        SladDodaj(TekstPrzed);
        SladWartosc("M1N", M1N);
        SladWartosc("TN ", TN);
        SladDodaj(TekstPo);
    }
    double czynnik = Czynniki[Klasa - 1];
    M1N *= czynnik;
    if (!tylkoMoment) TN *= czynnik;
}

bool SprawdzRozpietosc(double L, double Lmax, std::string& Err)
{
    if (L < 3) return BladZaMala(Err, "L");
    if (L > Lmax) return BladZaDuza(Err, "L");
    return true;
}
