#include "wspprzec/Pojazdy.h"

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"
#include "common/Slad.h"
#include "common/TekstySladu.h"

const std::array<double, 7> MasyPojazdow = {0, 42, 32, 24, 16, 10, 0};

namespace {

const char* const TekstZlaKategoria = "Zła kategoria pojazdu";
const char* const TekstZleL = "Zła wartość parametru L: %f";
const char* const TekstNaglowek = "Przeliczenie pojazdów umownych";
const char* const TekstKategoria = "KATEGORIA ";
const char* const TekstPojazdGraniczny = "POJAZD GRANICZNY";
const char* const TekstKrotkaRozpietosc = "  Rozpiętość %0.2f < %0.2f m: pojazdy umowne liczone dla %0.2f m";

// Najkrótsza rozpiętość, dla której określone są efekty pojazdów umownych.
constexpr double MinRozpietosc = 3.0;

struct tEfekt {
    double M, T;
};

tEfekt Efekt(int k, double L)
{
    switch (k) {
    case 1: {
        double M;
        if (L <= 12.64) M = 0.625 * L + 60 - 112 / L;
        else if (L <= 16.8) M = 0.625 * L + 85 - 428 / L;
        else M = 0.625 * L + 105 - 764 / L;
        double T;
        if (L <= 8.0) T = 2.5 * L + 240 - 336 / L;
        else if (L <= 11.2) T = 2.5 * L + 340 - 1136 / L;
        else T = 2.5 * L + 420 - 2032 / L;
        return {M, T};
    }
    case 2: {
        double M;
        if (L <= 10.66) M = (50 * L * L - 100 * L + 50) / (L * L) + 0.5 * L;
        else if (L <= 16.8) M = (67.5 * L - 282) / L + 0.5 * L;
        else M = (80 * L - 492) / L + 0.5 * L;
        double T;
        if (L <= 7.2) T = 200 - 200 / L + 2 * L;
        else if (L <= 10.4) T = 270 - 704 / L + 2 * L;
        else T = 320 - 1224 / L + 2 * L;
        return {M, T};
    }
    case 3:
        return {L <= 8.4 ? (40 * L - 56) / L + 0.5 * L : (60 * L - 224) / L + 0.5 * L,
                L <= 5.6 ? 160 - 112 / L + 2 * L : 240 - 560 / L + 2 * L};
    case 4:
        return {L <= 9.0 ? 0.375 * L + 25 : (40 * L - 135) / L + 0.375 * L,
                L <= 4.5 ? 1.5 * L + 100 : 160 - 270 / L + 1.5 * L};
    case 5:
        return {L <= 8.0 ? 0.25 * L + 15 : (25 * L - 80) / L + 0.25 * L, 100 - 160 / L + L};
    default:
        return {0, 0};
    }
}

// Masa pojazdu z przedziału skali, w którym leży nośność elementu (moment albo siła).
double MasaZeSkali(const tEfektyPojazdow& E, double nosnosc)
{
    if (nosnosc >= E[1]) return MasyPojazdow[1];
    if (nosnosc < E[6]) return 0;
    for (int k = 1; k <= 5; ++k)
        if (E[k] >= nosnosc && nosnosc >= E[k + 1])
            return Interpoluj(E[k + 1], MasyPojazdow[k + 1], E[k], MasyPojazdow[k], nosnosc);
    return 0;
}

// Rozpiętość, dla której liczymy pojazdy. Poniżej 3 m wzory pojazdów nie obowiązują;
// zostawienie zer dawałoby 42 t niezależnie od nośności, więc bierzemy 3 m, co jest
// bezpieczne, bo efekty pojazdów rosną z rozpiętością.
double RozpietoscPojazdow(double L)
{
    if (L >= MinRozpietosc) return L;
    SladDodaj(Format(TekstKrotkaRozpietosc, {L, MinRozpietosc, MinRozpietosc}));
    return MinRozpietosc;
}

}  // namespace

tMasyPojazdu MasyPojazdu(const tEfektyPojazdow& M, const tEfektyPojazdow& T, double MP, double TP)
{
    return {MasaZeSkali(M, MP), MasaZeSkali(T, TP)};
}

bool PojazdUmowny(int k, double& M, double& T, double L, std::string& Msg)
{
    Asercja(k >= 1 && k <= 6, TekstZlaKategoria);
    if (L < MinRozpietosc) {
        Msg = Format(TekstZleL, {L});
        return false;
    }
    const tEfekt e = Efekt(k, L);
    M = e.M;
    T = e.T;
    return true;
}

double PrzeliczPojazdy(tEfektyPojazdow& M, tEfektyPojazdow& T, double Lm, double Lt, double MP, double TP)
{
    SladDodaj("");
    SladDodaj(TekstNaglowek);
    SladWartosc("Dług. M", Lm);
    const double LmPojazdow = RozpietoscPojazdow(Lm);
    SladWartosc("Dług. T", Lt);
    const double LtPojazdow = RozpietoscPojazdow(Lt);
    SladDodaj("");

    std::string msg;
    double pomocnicza = 0;
    for (int k = 1; k <= 6; ++k) {
        if (k <= 5) {
            std::string& w = Slad().NowyWiersz();
            w += TekstKategoria;
            w += static_cast<char>('0' + k);
            Slad().ZakonczWiersz();
        } else {
            SladDodaj(TekstPojazdGraniczny);
        }
        PojazdUmowny(k, M[k], pomocnicza, LmPojazdow, msg);
        PojazdUmowny(k, pomocnicza, T[k], LtPojazdow, msg);
        SladWartosc("M", M[k]);
        SladWartosc("T", T[k]);
    }

    SladDodaj("");
    SladDodaj(TekstSladuAproksymacji);
    SladDodaj("");
    const tMasyPojazdu masy = MasyPojazdu(M, T, MP, TP);
    SladWartosc("Dla momentu ", masy.Moment);
    SladWartosc("Dla siły    ", masy.Sila);
    SladWartosc("MASA POJAZDU", masy.Masa());
    SladDodaj("");
    return masy.Masa();
}
