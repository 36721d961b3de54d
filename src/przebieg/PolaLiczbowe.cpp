#include "przebieg/PolaLiczbowe.h"

#include "common/Formatowanie.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr tOpisPola Szerokosc(const char* opis) { return {0, 100, 0.1, 2, false, opis}; }
constexpr tOpisPola Wysieg(const char* opis) { return {-100, 100, 0.1, 2, false, opis}; }

// Kolejność jak w tPole.
constexpr std::array<tOpisPola, PierwszePoleDlugosci> Pola = {{
    Szerokosc("Szerokość lewej opaski nawierzchni (a1)"),
    Szerokosc("Szerokość prawej opaski nawierzchni (a2)"),
    Szerokosc("Szerokość użytkowa nawierzchni (b)"),
    Szerokosc("Rozstaw osiowy skrajnych dźwigarów (B)"),
    Szerokosc("Szerokość użytkowa lewego chodnika (c1)"),
    Szerokosc("Szerokość użytkowa prawego chodnika (c2)"),
    Wysieg("Wysięg lewego wspornika chodnikowego (e1)"),
    Wysieg("Wysięg prawego wspornika chodnikowego (e2)"),
    Szerokosc("Szerokość lewego krawężnika (k1)"),
    Szerokosc("Szerokość prawego krawężnika (k2)"),
    Szerokosc("Szerokość płyty (P)"),
    Szerokosc("Szerokość dźwigara lub lewej bariery ochronnej(g)"),
    Szerokosc("Szerokość prawej bariery ochronnej(g)"),
    {0, 40, 1, 0, true, "Liczba dźwigarów głównych (n)"},
    {1, MaksPrzesel, 1, 0, true, ""},
}};

constexpr tOpisPola DlugoscElementu = {0, 150, 1, 2, false, ""};

constexpr std::array<tOpisWiersza, LiczbaWierszyPol> Wiersze = {{
    {"Szerokość chodnika ", RxSE_C1, RxSE_C2},
    {"Szerokość dźwigara", RxSE_G1, RxSE_G2},
    {"Szerokość krawężnika", RxSE_K1, RxSE_K2},
    {"Szerokość opaski nawierzchni", RxSE_A1, RxSE_A2},
    {"Szerokość nawierzchni", RxSE_B, -1},
    {"Wysięg wspornika płyty", RxSE_E1, RxSE_E2},
    {"Rozstaw skrajnych dźwigarów", RxSE_BB, -1},
    {"Szerokość płyty", RxSE_P, -1},
    {"Liczba dźwigarów głównych", RxSE_N, -1},
    {"Liczba przęseł", IlePrzesel, -1},
}};

// Maska bitowa rodzajów przekroju 0..6, dla których pole jest widoczne.
constexpr unsigned Maska(std::initializer_list<int> rodzaje)
{
    unsigned m = 0;
    for (int r : rodzaje) m |= 1u << r;
    return m;
}

constexpr std::array<unsigned, LiczbaPolSzerokosci> Widocznosc = {
    Maska({0, 1, 2, 3, 4, 5, 6}),  // A1
    Maska({0, 1, 2, 3, 4, 5, 6}),  // A2
    Maska({0, 1, 2, 3, 4, 5, 6}),  // B
    Maska({0, 1, 2, 5, 6}),        // BB
    Maska({0, 2, 3, 5, 6}),        // C1
    Maska({0, 2, 3, 5, 6}),        // C2
    Maska({0, 1, 3, 5, 6}),        // E1
    Maska({0, 1, 3, 5, 6}),        // E2
    Maska({2, 5, 6}),              // K1
    Maska({2, 5, 6}),              // K2
    Maska({3, 4, 6}),              // P
    Maska({2, 5, 6}),              // G1
    Maska({5, 6}),                 // G2
    Maska({0, 1, 5}),              // N
};

}  // namespace

const tOpisPola& OpisPola(tPole pole)
{
    if (pole >= 0 && pole < PierwszePoleDlugosci) return Pola[pole];
    return DlugoscElementu;
}

double WartoscUstawiana(tPole pole, double wartosc)
{
    const tOpisPola& o = OpisPola(pole);
    if (std::isnan(wartosc)) return o.Min;
    return WartoscPola(pole, std::clamp(wartosc, o.Min, o.Max));
}

double WartoscPola(tPole pole, double wartosc)
{
    if (!std::isfinite(wartosc)) return wartosc;
    // Pole pokazuje wartość z Miejsca cyframi i tyle z niej odczytuje.
    std::string tekst;
    DopiszLiczbeStala(tekst, wartosc, OpisPola(pole).Miejsca, '.');
    double wynik = wartosc;
    std::from_chars(tekst.data(), tekst.data() + tekst.size(), wynik);
    return wynik == 0 ? 0.0 : wynik;  // bez "-0"
}

std::string TekstWpisanej(tPole pole, double wartosc)
{
    const double w = WartoscPola(pole, wartosc);
    return w == wartosc ? LiczbaStala(w, OpisPola(pole).Miejsca) : LiczbaOgolna(wartosc);
}

const tOpisWiersza& OpisWiersza(tWierszPol wiersz) { return Wiersze[std::clamp<int>(wiersz, 0, LiczbaWierszyPol - 1)]; }

bool PoleWidoczne(tPole pole, int przekroj)
{
    if (pole < 0 || pole >= LiczbaPolSzerokosci || przekroj < 0 || przekroj > 6) return false;
    return (Widocznosc[pole] >> przekroj) & 1u;
}
