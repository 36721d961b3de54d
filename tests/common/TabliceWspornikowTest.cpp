// Własności danych tablic wsporników: siatka, wiersze znane, monotoniczność,
// tablice wspólne grup i zgodność z generatorem w tools/.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/TabliceJednokierunkowe.h"
#include "common/TabliceWspornikow.h"

namespace {

const char* const NazwyGrup[LiczbaGrupWspornikow] = {"1926/DIN", "1945", "1952", "1956 kl. I", "1956 kl. II-III",
                                                     "PN-66 kl. I", "PN-66 kl. II-III"};

struct tMiejsce {
    int grupa;
    bool sila;
    std::string Opis() const { return std::string(NazwyGrup[grupa]) + (sila ? " siła" : " moment"); }
};

std::vector<tMiejsce> WszystkieMiejsca()
{
    std::vector<tMiejsce> m;
    for (int g = 0; g < LiczbaGrupWspornikow; ++g)
        for (bool s : {false, true}) m.push_back({g, s});
    return m;
}

// Jedyna nieregularność danych: siła PN-66 kl. II–III, W = 5,0 (wiersz 7), Alfa 0,5 / 0,6 / 0,7.
constexpr int WierszNieregularny = 7;
bool Nieregularna(const tMiejsce& m, int wiersz, int kolumna)
{
    return m.grupa == gwPN66KlasyII_III && m.sila && wiersz == WierszNieregularny && kolumna == 7;
}

// Tablice ściśle rosnące z W wszędzie poza dwiema tablicami siły klasy I, gdzie
// malejący stosunek tablic wspornika swobodnego spłaszcza kilka kroków.
bool TylkoNiemalejaca(const tMiejsce& m)
{
    return m.sila && (m.grupa == gw1956KlasaI || m.grupa == gwPN66KlasaI);
}

TEST(TabliceWspornikow, SiatkaWysieguIWielokrotnosciPolMetra)
{
    for (const auto& m : WszystkieMiejsca()) {
        const auto& T = TablicaWspornika(m.grupa, m.sila);
        for (int i = 0; i < WierszeTab2; ++i) {
            EXPECT_EQ(T[i][0], 1.5 + 0.5 * i) << m.Opis();
            for (int j = 1; j <= 10; ++j) {
                EXPECT_GT(T[i][j], 0) << m.Opis();
                EXPECT_EQ(T[i][j] * 2, std::floor(T[i][j] * 2)) << m.Opis() << " " << i << "," << j;
            }
        }
    }
}

TEST(TabliceWspornikow, WierszeZnane1926DIN)
{
    using tWiersz = std::array<double, 10>;
    const struct {
        bool sila;
        int wiersz;
        tWiersz wartosci;
    } znane[] = {
        {false, 0, {8.5, 7, 6.5, 6, 5.5, 5.5, 5.5, 5.5, 5.5, 5.5}},
        {false, 9, {36.5, 28, 24.5, 23, 21.5, 21, 20, 19.5, 19, 18.5}},
        {false, 31, {109, 81.5, 70.5, 64, 60, 57, 55, 53.5, 52, 51}},
        {true, 0, {18, 10.5, 8, 6.5, 5.5, 4.5, 4, 3.5, 3, 2}},
        {true, 9, {69, 39.5, 29.5, 24.5, 21.5, 20, 18.5, 17.5, 17, 16}},
        {true, 31, {200.5, 116, 87.5, 73.5, 65, 59.5, 55.5, 52.5, 50, 48}},
    };
    for (const auto& z : znane) {
        const auto& w = TablicaWspornika(gw1926DIN, z.sila)[z.wiersz];
        for (int j = 0; j < 10; ++j) EXPECT_EQ(w[j + 1], z.wartosci[j]) << z.sila << " " << z.wiersz << " " << j;
    }
}

TEST(TabliceWspornikow, RosnaZWysiegiem)
{
    for (const auto& m : WszystkieMiejsca()) {
        const auto& T = TablicaWspornika(m.grupa, m.sila);
        for (int i = 1; i < WierszeTab2; ++i)
            for (int j = 1; j <= 10; ++j) {
                if (TylkoNiemalejaca(m)) EXPECT_GE(T[i][j], T[i - 1][j]) << m.Opis() << " " << i << "," << j;
                else EXPECT_GT(T[i][j], T[i - 1][j]) << m.Opis() << " " << i << "," << j;
            }
    }
}

TEST(TabliceWspornikow, MalejaZAlfaPozaJednaKomorka)
{
    int nieregularne = 0;
    for (const auto& m : WszystkieMiejsca()) {
        const auto& T = TablicaWspornika(m.grupa, m.sila);
        for (int i = 0; i < WierszeTab2; ++i)
            for (int j = 2; j <= 10; ++j) {
                if (Nieregularna(m, i, j)) {
                    ++nieregularne;
                    EXPECT_GT(T[i][j], T[i][j - 1]);
                } else {
                    EXPECT_LE(T[i][j], T[i][j - 1]) << m.Opis() << " " << i << "," << j;
                }
            }
    }
    EXPECT_EQ(nieregularne, 1);
}

TEST(TabliceWspornikow, NieregularnyWierszPN66)
{
    const auto& T = TablicaWspornika(gwPN66KlasyII_III, true);
    const auto& w = T[WierszNieregularny];
    EXPECT_EQ(w[0], 5.0);
    EXPECT_EQ(w[5], 20.0);
    EXPECT_EQ(w[6], 16.0);
    EXPECT_EQ(w[7], 17.0);
    // Wiersz nadal rośnie z W względem sąsiadów, także w kolumnie 0,6.
    for (int j = 1; j <= 10; ++j) {
        EXPECT_LT(T[WierszNieregularny - 1][j], w[j]) << j;
        EXPECT_GT(T[WierszNieregularny + 1][j], w[j]) << j;
    }
}

bool Rowne(const tTablicaWspornika& a, const tTablicaWspornika& b) { return a == b; }

TEST(TabliceWspornikow, TabliceWspolneIDwanascieRoznych)
{
    EXPECT_TRUE(Rowne(TablicaWspornika(gw1956KlasyII_III, true), TablicaWspornika(gw1952, true)));
    EXPECT_TRUE(Rowne(TablicaWspornika(gw1956KlasaI, false), TablicaWspornika(gwPN66KlasaI, false)));
    std::vector<const tTablicaWspornika*> rozne;
    for (const auto& m : WszystkieMiejsca()) {
        const auto& T = TablicaWspornika(m.grupa, m.sila);
        bool nowa = true;
        for (const auto* r : rozne) nowa = nowa && !Rowne(*r, T);
        if (nowa) rozne.push_back(&T);
    }
    EXPECT_EQ(rozne.size(), 12u);
}

// Tablica wspornika swobodnego: siatka 1,5 … 15,0 i wartości niemalejące z wysięgiem
// (literówka w danych zwykle łamie jedno albo drugie).
TEST(TabliceJednokierunkowe, SiatkaINiemalejace)
{
    for (int g = 0; g < LiczbaGrupJednokierunkowych; ++g) {
        const auto T = TablicaWspornikaSwobodnego(g);
        for (int i = 0; i < WierszeTab1; ++i) {
            EXPECT_EQ(T[i][0], 1.5 + 0.5 * i);
            if (i == 0) continue;
            for (int k = 1; k <= 2; ++k) EXPECT_GE(T[i][k], T[i - 1][k]) << g << " " << i << " " << k;
        }
    }
}

std::string Czytaj(const std::string& sciezka)
{
    std::ifstream f(sciezka, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Dane w silniku są dokładnie tym, co wypisuje generator.
TEST(TabliceWspornikow, ZgodneZGeneratorem)
{
    const std::string zrodla = PONTIVA_KATALOG_ZRODEL;
    if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "brak python3";
    const std::string polecenie = "python3 \"" + zrodla + "/tools/tablice_wspornikow.py\"";
    FILE* p = popen(polecenie.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string wynik;
    char bufor[4096];
    size_t n;
    while ((n = fread(bufor, 1, sizeof bufor, p)) > 0) wynik.append(bufor, n);
    ASSERT_EQ(pclose(p), 0);
    EXPECT_EQ(wynik, Czytaj(zrodla + "/src/common/TabliceWspornikow.cpp"));
}

}  // namespace
