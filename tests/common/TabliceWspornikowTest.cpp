// Dane tablic wsporników: zgodność z generatorem w tools/ i własności, które łamie
// literówka w danych lub w generatorze (siatka, wzrost z wysięgiem, spadek z Alfa).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "Wspolne.h"
#include "common/Asercja.h"
#include "common/TabliceJednokierunkowe.h"
#include "common/TabliceWspornikow.h"

namespace {

using namespace testy;

// Dane w silniku są dokładnie tym, co wypisuje generator.
TEST(TabliceWspornikow, ZgodneZGeneratorem)
{
    const std::string zrodla = PONTIVA_KATALOG_ZRODEL;
    if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "brak python3";
    FILE* p = popen(("python3 '" + zrodla + "/tools/tablice_wspornikow.py'").c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string wynik;
    char bufor[4096];
    for (size_t n; (n = fread(bufor, 1, sizeof bufor, p)) > 0;) wynik.append(bufor, n);
    ASSERT_EQ(pclose(p), 0);
    EXPECT_EQ(wynik, CzytajPlik(zrodla + "/src/common/TabliceWspornikow.cpp"));
}

// Wysięg co 0,5 m, wartości dodatnie w pełnych połówkach metra, ściśle rosnące z wysięgiem
// (niemalejące w dwóch tablicach siły klasy I) i nierosnące z Alfa poza jedną komórką
// danych (siła PN-66 kl. II–III, W = 5,0, Alfa = 0,6: 16,0 między 20,0 i 17,0).
TEST(TabliceWspornikow, SiatkaIMonotonicznosc)
{
    int nieregularne = 0, rozne = 0;
    for (int g = 0; g < LiczbaGrupWspornikow; ++g)
        for (bool sila : {false, true}) {
            const auto& T = TablicaWspornika(g, sila);
            const bool niemalejaca = sila && (g == gw1956KlasaI || g == gwPN66KlasaI);
            for (int i = 0; i < WierszeTab2; ++i) {
                EXPECT_EQ(T[i][0], 1.5 + 0.5 * i);
                for (int j = 1; j <= 10; ++j) {
                    EXPECT_EQ(T[i][j] * 2, std::floor(T[i][j] * 2)) << g << sila << " " << i << "," << j;
                    if (i > 0) {
                        EXPECT_TRUE(niemalejaca ? T[i][j] >= T[i - 1][j] : T[i][j] > T[i - 1][j]) << g << sila << i << j;
                    }
                    if (j > 1 && T[i][j] > T[i][j - 1]) ++nieregularne;
                }
            }
            for (int h = 0; h < g * 2 + sila; ++h) rozne += TablicaWspornika(h / 2, h % 2) == T;
        }
    EXPECT_EQ(nieregularne, 1);
    EXPECT_EQ(TablicaWspornika(gwPN66KlasyII_III, true)[7][6], 16.0);
    // Tablice wspólne: siła 1956 kl. II–III = siła 1952, moment klasy I 1956 = PN-66.
    EXPECT_EQ(TablicaWspornika(gw1956KlasyII_III, true), TablicaWspornika(gw1952, true));
    EXPECT_EQ(TablicaWspornika(gw1956KlasaI, false), TablicaWspornika(gwPN66KlasaI, false));
    EXPECT_EQ(rozne, 2);  // więc dwanaście różnych tablic
}

TEST(TabliceJednokierunkowe, SiatkaINiemalejace)
{
    for (int g = 0; g < LiczbaGrupJednokierunkowych; ++g) {
        const auto T = TablicaWspornikaSwobodnego(g);
        for (int i = 0; i < WierszeTab1; ++i) {
            EXPECT_EQ(T[i][0], 1.5 + 0.5 * i);
            for (int k = 1; k <= 2 && i > 0; ++k) EXPECT_GE(T[i][k], T[i - 1][k]) << g << " " << i << " " << k;
        }
    }
    // Grupa spoza tablic to błąd programu, nie odczyt poza tablicą.
    for (int g : {-1, static_cast<int>(LiczbaGrupJednokierunkowych)}) EXPECT_THROW(TablicaWspornikaSwobodnego(g), BladAsercji);
    EXPECT_THROW(TablicaWspornika(LiczbaGrupWspornikow, false), BladAsercji);
}

}  // namespace
