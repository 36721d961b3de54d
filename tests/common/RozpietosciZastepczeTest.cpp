#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/Asercja.h"
#include "common/Regionalne.h"
#include "common/RozpietosciZastepcze.h"
#include "common/Slad.h"
#include "common/Wyliczenia.h"

namespace {

// Wiersze śladu porównywane dla obu separatorów: '#' w oczekiwanym tekście to separator.
class RozpietosciTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = GetParam();
        SladWyczysc();
    }
    void TearDown() override { Regionalne().SeparatorDziesietny = ','; }
    std::vector<std::string> S(std::vector<std::string> linie) const
    {
        for (auto& l : linie)
            for (char& c : l)
                if (c == '#') c = GetParam();
        return linie;
    }
    void Licz(int normatyw, int klasa, int rodzaj, double L, double W)
    {
        LM = LT = -1;
        RozpietosciZastepcze(normatyw, klasa, rodzaj, L, W, LM, LT);
    }
    double LM = 0, LT = 0;
};

INSTANTIATE_TEST_SUITE_P(Separatory, RozpietosciTest, ::testing::Values(',', '.'));

TEST_P(RozpietosciTest, BelkaSwobodnie20m)
{
    Licz(nNormatyw1926, 0, rBelkaSwobodnie, 20, 0);
    EXPECT_EQ(LM, 20);
    EXPECT_EQ(LT, 20);
    EXPECT_EQ(Slad().Linie(), S({
                                  "Rozpiętość zastępcza",
                                  "  [Rozpiętość L] = 20#0000000",
                                  "  [Długość    W] = 0#0000000",
                                  "  [L dla momentu] = 20#0000000",
                                  "  [L dla siły   ] = 20#0000000",
                              }));
}

TEST_P(RozpietosciTest, WspornikSwobodnyMiedzyWierszami)
{
    // 1926, W = 2,25 między wierszami 2,0 (7 / 3) i 2,5 (8 / 3,5).
    Licz(nNormatyw1926, 0, rWspornikSwobodny, 0, 2.25);
    EXPECT_DOUBLE_EQ(LM, 7.5);
    EXPECT_DOUBLE_EQ(LT, 3.25);
    EXPECT_EQ(Slad().Linie(), S({
                                  "Rozpiętość zastępcza",
                                  "  [Rozpiętość L] = 0#0000000",
                                  "  [Długość    W] = 2#2500000",
                                  "  Rozpiętość zast. [1..2,1](2#25) = 7#50",
                                  "  Rozpiętość zast. [1..2,2](2#25) = 3#25",
                                  "  [L dla momentu] = 7#5000000",
                                  "  [L dla siły   ] = 3#2500000",
                              }));
}

TEST_P(RozpietosciTest, WspornikZPrzeslemWezelTablicy)
{
    // 1926, W = 6, L = 60: Alfa = 0,1, wiersz znany – wynik dokładnie z tablicy.
    Licz(nNormatyw1926, 0, rWspornikLewy, 60, 6);
    EXPECT_EQ(LM, 36.5);
    EXPECT_EQ(LT, 69);
    const auto linie = Slad().Linie();
    ASSERT_EQ(linie.size(), 13u);
    const auto oczekiwane = S({
        "  W= 6#00 L=60#00 Alfa=0#10",
        "    TAB [33#00..25#50]",
        "    TAB [36#50..28#00]",
        "  Lagrange([5#50..6#00,0#10..0#20])(6#00,0#10) = 36#50",
    });
    EXPECT_EQ(std::vector<std::string>(linie.begin() + 3, linie.begin() + 7), oczekiwane);
    EXPECT_EQ(linie[10], S({"  Lagrange([5#50..6#00,0#10..0#20])(6#00,0#10) = 69#00"})[0]);
}

TEST_P(RozpietosciTest, WspornikZPrzeslemDwuliniowo)
{
    // W = 1,75 między wierszami 1,5 i 2,0; Alfa = 1,75 / 5,46875 = 0,32 między 0,3 i 0,4.
    // Moment: komórki 6,5 / 6,0 (1,5 m) i 8,5 / 8,0 (2,0 m):
    //   ½·(0,8·6,5 + 0,2·6,0) + ½·(0,8·8,5 + 0,2·8,0) = ½·6,4 + ½·8,4 = 7,4.
    // Siła: 8,0 / 6,5 i 12,0 / 10,0: ½·7,7 + ½·11,6 = 9,65.
    Licz(nNormatyw1926, 0, rWspornikPrawy, 5.46875, 1.75);
    EXPECT_NEAR(LM, 7.4, 1e-12);
    EXPECT_NEAR(LT, 9.65, 1e-12);
    EXPECT_EQ(Slad().Linie(), S({
                                  "Rozpiętość zastępcza",
                                  "  [Rozpiętość L] = 5#4687500",
                                  "  [Długość    W] = 1#7500000",
                                  "  W= 1#75 L=5#47 Alfa=0#32",
                                  "    TAB [6#50..6#00]",
                                  "    TAB [8#50..8#00]",
                                  "  Lagrange([1#50..2#00,0#30..0#40])(1#75,0#32) = 7#40",
                                  "  W= 1#75 L=5#47 Alfa=0#32",
                                  "    TAB [8#00..6#50]",
                                  "    TAB [12#00..10#00]",
                                  "  Lagrange([1#50..2#00,0#30..0#40])(1#75,0#32) = 9#65",
                                  "  [L dla momentu] = 7#4000000",
                                  "  [L dla siły   ] = 9#6500000",
                              }));
}

TEST_P(RozpietosciTest, BrakPrzeslaPodwieszonego)
{
    Licz(nNormatyw1945, 0, rWspornikPrawy, 0, 4);
    EXPECT_EQ(LM, NieDotyczy);
    EXPECT_EQ(LT, NieDotyczy);
    EXPECT_EQ(Slad().Linie(), S({
                                  "Rozpiętość zastępcza",
                                  "  [Rozpiętość L] = 0#0000000",
                                  "  [Długość    W] = 4#0000000",
                                  "  [L dla momentu] = NIE DOTYCZY",
                                  "  [L dla siły   ] = NIE DOTYCZY",
                              }));
}

TEST_P(RozpietosciTest, WzoryPN85)
{
    // W = 6, L = 10, Alfa = 0,6 w przedziale (0,5; 0,7), wynik to średnia węzłów.
    // Moment: C(0,5) = √(12·36 + 533,333333·6 + 4364,44444) − 66,66666 = √7996,444438 − 66,66666
    //   = 22,756181; C(0,7) = √(349,7142852 + 3199,999998 + 4268,44444) − 66,66666 = 21,753692;
    //   LM = 22,756181 + 0,1·(21,753692 − 22,756181) / 0,2 = 22,254937.
    // Siła: t(0,5) = 0,12·6 + 4 = 4,72, x = 16,66666·(−0,72) = −11,999995,
    //   C = √(x² + 240) − x = 19,595915 + 11,999995 = 31,595910; t(0,7) = 4,617142,
    //   x = −10,285696, C = 18,595579 + 10,285696 = 28,881274; LT = 30,238592.
    Licz(nPN85, 0, rWspornikLewy, 10, 6);
    EXPECT_NEAR(LM, 22.254937, 1e-6);
    EXPECT_NEAR(LT, 30.238592, 1e-6);
    EXPECT_EQ(Slad().Linie(), S({
                                  "Rozpiętość zastępcza",
                                  "  [Rozpiętość L] = 10#0000000",
                                  "  [Długość    W] = 6#0000000",
                                  "Alfa = 0#6000 [0#5,0#7]",
                                  "Apr. 22#7562 21#7537 LZM = 22#2549",
                                  "Alfa = 0#6000 [0#5,0#7]",
                                  "Apr. 31#5959 28#8813 LZM = 30#2386",
                                  "  [L dla momentu] = 22#2549366",
                                  "  [L dla siły   ] = 30#2385923",
                              }));
}

// Wartości bez śladu, różne normatywy, klasy i rodzaje.
struct tPrzypadek {
    const char* opis;
    int normatyw, klasa, rodzaj;
    double L, W;
    double LM, LT;
};

class RozpietosciWartosci : public ::testing::TestWithParam<tPrzypadek> {};

TEST_P(RozpietosciWartosci, LMiLT)
{
    const auto& p = GetParam();
    SladWyczysc();
    double LM = -1, LT = -1;
    RozpietosciZastepcze(p.normatyw, p.klasa, p.rodzaj, p.L, p.W, LM, LT);
    EXPECT_NEAR(LM, p.LM, 1e-9) << p.opis;
    EXPECT_NEAR(LT, p.LT, 1e-9) << p.opis;
}

const tPrzypadek Przypadki[] = {
    {"PN-85 rodzaj 3: 0,726·30, 1,053·30", nPN85, 0, rCiaglaSrodkowe, 30, 0, 21.78, 31.59},
    // Rodzaj 6 rozróżnia wszystkie cztery grupy mnożników.
    {"1926 rodzaj 6", nNormatyw1926, 0, rRamaSrodkowe, 10, 0, 6.18, 10.12},
    {"1945 rodzaj 6", nNormatyw1945, 2, rRamaSrodkowe, 10, 0, 6.18, 10.12},
    {"DIN rodzaj 6", nDIN1072, 0, rRamaSrodkowe, 10, 0, 6.18, 10.12},
    {"1952 rodzaj 6", nNormatyw1952, 0, rRamaSrodkowe, 10, 0, 6.25, 10.0},
    {"1956 kl. I rodzaj 6", nNormatyw1956, 0, rRamaSrodkowe, 10, 0, 6.16, 10.32},
    {"1956 kl. II rodzaj 6", nNormatyw1956, 1, rRamaSrodkowe, 10, 0, 6.25, 10.0},
    {"PN-66 kl. I rodzaj 6", nPN66, 0, rRamaSrodkowe, 10, 0, 6.16, 10.32},
    {"PN-66 kl. III rodzaj 6", nPN66, 2, rRamaSrodkowe, 10, 0, 6.25, 10.0},
    {"PN-85 rodzaj 6", nPN85, 0, rRamaSrodkowe, 10, 0, 6.0, 11.1},
    {"PN-85 rodzaj 1", nPN85, 0, rCiaglaDwuprzeslowa, 10, 0, 8.46, 12.12},
    {"PN-85 rodzaj 0", nPN85, 0, rBelkaSwobodnie, 12.5, 0, 12.5, 12.5},
    // Wspornik swobodny: kolumny grup przy W = 2,0 i pary klas przy W = 1,5.
    {"1926 W=2", nNormatyw1926, 0, rWspornikSwobodny, 0, 2, 7, 3},
    {"DIN W=2", nDIN1072, 0, rWspornikSwobodny, 0, 2, 7, 3},
    {"1945 W=2", nNormatyw1945, 0, rWspornikSwobodny, 0, 2, 7, 3.5},
    {"1952 W=2", nNormatyw1952, 0, rWspornikSwobodny, 0, 2, 6.5, 4},
    {"1956 kl. I W=1,5", nNormatyw1956, 0, rWspornikSwobodny, 0, 1.5, 4, 7.5},
    {"1956 kl. II W=1,5", nNormatyw1956, 1, rWspornikSwobodny, 0, 1.5, 5, 3},
    {"PN-66 kl. I W=2", nPN66, 0, rWspornikSwobodny, 0, 2, 6, 8},
    {"PN-66 kl. III W=2", nPN66, 2, rWspornikSwobodny, 0, 2, 6.5, 4},
    {"PN-85 W=2", nPN85, 0, rWspornikSwobodny, 0, 2, 5.5, 7},
    // Bez ekstrapolacji poza 1,5 … 15,0.
    {"1926 W=15 ostatni wiersz", nNormatyw1926, 0, rWspornikSwobodny, 0, 15, 38, 30.5},
    {"1926 W=16 jak ostatni", nNormatyw1926, 0, rWspornikSwobodny, 0, 16, 38, 30.5},
    {"1926 W=1 jak pierwszy", nNormatyw1926, 0, rWspornikSwobodny, 0, 1, 5.5, 3},
    {"PN-85 W=3,75: 9,5..11 i 7,5..20", nPN85, 0, rWspornikSwobodny, 0, 3.75, 10.25, 13.75},
    // Wspornik z przęsłem: poza tablicą liniowa ekstrapolacja, nie obcięcie.
    // Alfa = 2: 11·T(1,0) − 10·T(0,9) w wierszu 6,0: 11·18,5 − 10·19 = 13,5; 11·16 − 10·17 = 6.
    {"1926 Alfa=2", nNormatyw1926, 0, rWspornikLewy, 3, 6, 13.5, 6},
    // Alfa = 0,05: 1,5·T(0,1) − 0,5·T(0,2): 1,5·36,5 − 0,5·28 = 40,75; 1,5·69 − 0,5·39,5 = 83,75.
    {"DIN Alfa=0,05", nDIN1072, 0, rWspornikPrawy, 120, 6, 40.75, 83.75},
    // W = 17,5 za ostatnim wierszem, Alfa = 1: 2·T(17,0) − T(16,5) = 2·51 − 49,5; 2·48 − 46,5.
    {"1926 W=17,5", nNormatyw1926, 0, rWspornikLewy, 17.5, 17.5, 52.5, 49.5},
    // Grupy tablic przy W = 5, Alfa = 0,5 (L = 10): siła 1956 kl. II–III = siła 1952,
    // a PN-66 kl. II–III ma tu znane 20,0.
    {"PN-66 kl. II W=5", nPN66, 1, rWspornikPrawy, 10, 5, 19.0, 20.0},
    {"1956 kl. III W=5", nNormatyw1956, 2, rWspornikPrawy, 10, 5, 17.5, 18.5},
    {"1952 W=5", nNormatyw1952, 0, rWspornikPrawy, 10, 5, 17.5, 18.5},
    // PN-85: przęsło do 0,01 m daje 0.
    {"PN-85 L=0,01", nPN85, 0, rWspornikLewy, 0.01, 6, 0, 0},
    {"PN-85 L=0", nPN85, 0, rWspornikPrawy, 0, 6, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Przypadki, RozpietosciWartosci, ::testing::ValuesIn(Przypadki));

TEST(RozpietosciZastepcze, KoniecTablicyBezWierszaInterpolacji)
{
    SladWyczysc();
    double LM = 0, LT = 0;
    RozpietosciZastepcze(nNormatyw1926, 0, rWspornikSwobodny, 0, 15.0, LM, LT);
    EXPECT_EQ(Slad().Rozmiar(), 5u);  // nagłówek, L, W, LM, LT
}

TEST(RozpietosciZastepcze, PN85BezPrzeslaBezSladu)
{
    SladWyczysc();
    EXPECT_EQ(LZastMomentPN85(6, 0.01), 0);
    EXPECT_EQ(LZastSilaPN85(6, 0.005), 0);
    EXPECT_EQ(Slad().Rozmiar(), 0u);
}

struct tAlfa {
    double W, L;
    double j0, j1;
};

class PrzedzialyAlfa : public ::testing::TestWithParam<tAlfa> {};

TEST_P(PrzedzialyAlfa, Granice)
{
    const auto& p = GetParam();
    SladWyczysc();
    double Alfa = -1, j0 = -1, j1 = -1;
    PrzedzialAlfa(p.W, p.L, Alfa, j0, j1);
    EXPECT_EQ(Alfa, p.W / p.L);
    EXPECT_EQ(j0, p.j0);
    EXPECT_EQ(j1, p.j1);
    EXPECT_EQ(Slad().Rozmiar(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Przedzialy, PrzedzialyAlfa,
                         ::testing::Values(tAlfa{6, 10, 0.5, 0.7}, tAlfa{1, 20, 0.1, 0.3}, tAlfa{3, 10, 0.1, 0.3},
                                           tAlfa{3.1, 10, 0.3, 0.5}, tAlfa{5, 10, 0.3, 0.5},
                                           tAlfa{7, 10, 0.5, 0.7}, tAlfa{9, 10, 0.7, 0.9},
                                           tAlfa{9.5, 10, 0.9, 1.0}, tAlfa{15, 10, 0.9, 1.0}));

TEST(RozpietosciZastepcze, PrzedzialAlfaBezPrzesla)
{
    double Alfa, j0, j1;
    EXPECT_THROW(PrzedzialAlfa(6, 0, Alfa, j0, j1), BladAsercji);
    EXPECT_THROW(PrzedzialAlfa(6, 1e-10, Alfa, j0, j1), BladAsercji);
}

TEST(RozpietosciZastepcze, PN85PasmaWysiegu)
{
    // W = 2 (pasmo 1), Alfa = 1 (L = 2): moment z gałęzi W < 2,4 węzła 1,0:
    // √(8·4 + 400·2 + 4444,44444) − 66,66666 = √5276,44444 − 66,66666 = 5,972478.
    SladWyczysc();
    EXPECT_NEAR(LZastMomentPN85(2, 2), 5.972478, 1e-6);
    // Siła przy W = 3 (pasmo 2), Alfa = 0,1 (L = 30): t = (0,36·9 + 4,1·3 − 0,36) / 3 = 5,06,
    // x = 16,66666·(4 − 5,06) = −17,666660, C = √(312,1108 + 240) + 17,666660 = 41,163699.
    const double x = 16.66666 * (4 - 5.06);
    EXPECT_NEAR(LZastSilaPN85(3, 30), std::sqrt(x * x + 240) - x, 1e-9);
    EXPECT_NEAR(LZastSilaPN85(3, 30), 41.163699, 1e-6);
}

TEST(RozpietosciZastepcze, WspLagrange)
{
    EXPECT_DOUBLE_EQ(WspLagrange(1.75, 1.5, 2.0), 0.5);
    EXPECT_DOUBLE_EQ(WspLagrange(2.5, 2.0, 1.5), -1.0);
}

}  // namespace
