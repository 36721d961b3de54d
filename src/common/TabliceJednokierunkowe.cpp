#include "common/TabliceJednokierunkowe.h"

#include "common/Asercja.h"
#include "common/Wyliczenia.h"

namespace {

// Wspornik swobodny: W, potem pary (LM, LT) grup w kolejności tGrupaJednokierunkowa.
// Generator tablic wspornika z przęsłem podwieszonym (tools/) czyta te wiersze
// spomiędzy znaczników, więc ich układ musi zostać taki sam.
constexpr double Wspornik[WierszeTab1][1 + 2 * LiczbaGrupJednokierunkowych] = {
    // TABLICA-JEDNOKIERUNKOWA-POCZATEK
    {1.5, 5.5, 3, 5.5, 3, 5, 3, 4, 7.5, 5, 3, 4.5, 7},
    {2, 7, 3, 7, 3.5, 6.5, 4, 6, 8, 6.5, 4, 5.5, 7},
    {2.5, 8, 3.5, 8, 4, 8, 5, 7.5, 8.5, 8, 5, 6.5, 7},
    {3, 9, 3.5, 9, 4.5, 9, 6, 9, 9.5, 9.5, 6, 8, 7},
    {3.5, 10.5, 10.5, 10, 9.5, 10.5, 7, 10.5, 10, 10.5, 7, 9.5, 7.5},
    {4, 12, 10.5, 11.5, 9.5, 12, 8, 12, 11, 12, 8, 11, 20},
    {4.5, 13.5, 10.5, 13, 9.5, 13, 9, 13.5, 11.5, 13.5, 9, 13, 21},
    {5, 14.5, 11.5, 14, 10.5, 14, 10, 15, 12.5, 14.5, 10, 14.5, 21.5},
    {5.5, 16, 12, 15.5, 11.5, 15.5, 11, 16.5, 13.5, 15.5, 11, 16.5, 22},
    {6, 17, 13, 16.5, 12.5, 16.5, 12, 18, 14, 17, 12, 18, 23},
    {6.5, 18.5, 14, 17.5, 13.5, 18, 13, 19.5, 15, 18, 13, 20, 23.5},
    {7, 19.5, 15, 18.5, 14.5, 19, 14, 20.5, 16, 19, 14, 21.5, 24},
    {7.5, 21, 16, 20, 15.5, 20, 15, 22, 17, 20.5, 15, 23, 25},
    {8, 22, 17, 21, 16, 21.5, 16, 23.5, 18, 21.5, 16, 25, 25.5},
    {8.5, 23.5, 18, 22, 17, 22.5, 17, 24.5, 18.5, 22.5, 17, 26.5, 26.5},
    {9, 24.5, 18.5, 23, 18, 23.5, 18, 26, 19.5, 24, 18, 28, 27},
    {9.5, 25.5, 19.5, 24.5, 19, 24.5, 19, 27, 20.5, 24.5, 19, 29.5, 28},
    {10, 27, 20.5, 25.5, 20, 26, 20, 28.5, 21.5, 26, 20, 31.5, 28.5},
    {10.5, 28, 21.5, 26.5, 21, 27, 21, 29.5, 22.5, 27, 21, 33, 29.5},
    {11, 29, 22.5, 27.5, 22, 28, 22, 31, 23.5, 28, 22, 34.5, 30},
    {11.5, 30.5, 23.5, 28.5, 23, 29, 23, 32, 24.5, 29, 23, 36, 31},
    {12, 31.5, 24.5, 30, 24, 30, 24, 33, 25.5, 30.5, 24, 37.5, 32},
    {12.5, 32.5, 25.5, 31, 25, 31.5, 25, 34.5, 26, 31.5, 25, 39, 32.5},
    {13, 33.5, 26.5, 31.5, 26, 32.5, 26, 35.5, 27, 32.5, 26, 40.5, 33.5},
    {13.5, 35, 27.5, 33, 27, 33.5, 27, 37, 28, 33.5, 27, 42, 34.5},
    {14, 36, 28.5, 34, 28, 34.5, 28, 38, 29, 34.5, 28, 43.5, 35},
    {14.5, 37, 29.5, 35, 29, 35.5, 29, 39, 30, 36, 29, 45, 36},
    {15, 38, 30.5, 36, 30, 36.5, 30, 40.5, 31, 36.5, 30, 46.5, 37},
    // TABLICA-JEDNOKIERUNKOWA-KONIEC
};

using tTablica1 = std::array<tWierszTab1, WierszeTab1>;

constexpr std::array<tTablica1, LiczbaGrupJednokierunkowych> RozdzielGrupy()
{
    std::array<tTablica1, LiczbaGrupJednokierunkowych> t{};
    for (int g = 0; g < LiczbaGrupJednokierunkowych; ++g)
        for (int i = 0; i < WierszeTab1; ++i)
            t[g][i] = {Wspornik[i][0], Wspornik[i][1 + 2 * g], Wspornik[i][2 + 2 * g]};
    return t;
}

constexpr auto TablicePogrupowane = RozdzielGrupy();

// Mnożniki cM, cT rodzajów 1..6 w grupach tGrupaMnoznikow.
constexpr tMnozniki Mnozniki[LiczbaGrupMnoznikow][6] = {
    {{0.863, 1.135}, {0.855, 1.143}, {0.754, 1.006}, {0.787, 1.217}, {0.806, 1.197}, {0.618, 1.012}},
    {{0.858, 1.125}, {0.85, 1.113}, {0.751, 1.0}, {0.783, 1.2}, {0.801, 1.182}, {0.625, 1.0}},
    {{0.856, 1.152}, {0.847, 1.176}, {0.742, 1.016}, {0.778, 1.237}, {0.797, 1.214}, {0.616, 1.032}},
    {{0.846, 1.212}, {0.837, 1.228}, {0.726, 1.053}, {0.768, 1.355}, {0.786, 1.318}, {0.6, 1.11}},
};

}  // namespace

int GrupaJednokierunkowa(int Normatyw, int Klasa)
{
    switch (Normatyw) {
    case nNormatyw1926:
    case nDIN1072: return gj1926DIN;
    case nNormatyw1945: return gj1945;
    case nNormatyw1952: return gj1952;
    case nNormatyw1956:
    case nPN66: return Klasa == 0 ? gjKlasaI : gjKlasyII_III;
    case nPN85: return gjPN85;
    default: return -1;
    }
}

std::span<const tWierszTab1, WierszeTab1> TablicaWspornikaSwobodnego(int grupa)
{
    Asercja(grupa >= 0 && grupa < LiczbaGrupJednokierunkowych, "TablicaWspornikaSwobodnego: zła grupa");
    return TablicePogrupowane[grupa];
}

int GrupaMnoznikow(int Normatyw, int Klasa)
{
    switch (Normatyw) {
    case nNormatyw1926:
    case nNormatyw1945:
    case nDIN1072: return gm1926_1945_DIN;
    case nNormatyw1952: return gm1952_KlasyII_III;
    case nNormatyw1956:
    case nPN66: return Klasa == 0 ? gmKlasaI : gm1952_KlasyII_III;
    case nPN85: return gmPN85;
    default: return -1;
    }
}

tMnozniki MnoznikiPrzesla(int grupa, int Rodzaj)
{
    Asercja(grupa >= 0 && grupa < LiczbaGrupMnoznikow, "MnoznikiPrzesla: zła grupa");
    Asercja(Rodzaj >= 0 && Rodzaj <= 6, "MnoznikiPrzesla: zły rodzaj");
    if (Rodzaj == 0) return {1.0, 1.0};
    return Mnozniki[grupa][Rodzaj - 1];
}
