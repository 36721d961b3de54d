// Rzędne rozkładu poprzecznego płyty i dźwigarów; wartości policzone ręcznie ze wzorów
// pasm Eta1 / EtaN (obliczenia kontrolne w kalkulatorze, do 1e-9).
#include <gtest/gtest.h>

#include "common/Asercja.h"
#include "common/Regionalne.h"
#include "common/Slad.h"
#include "wspprzec/Rozklad.h"

namespace {

class Rozklad : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = ',';
        SladWyczysc();
    }
};

struct PrzypadekRzednych {
    double P, L;
    int N;
    double B, Alfa, Eta1, EtaN;
};

// 10/10: pasmo pierwsze Eta1, drugie EtaN. 8/20: B/L = 0,35 podniesione do 0,4.
// 12/6: B/L = 1,833 – trzecie pasmo Eta1, czwarte EtaN. 10/7,5: Alfa dokładnie 1,2
// (pierwsze Eta1, drugie EtaN). 10/11,25: Alfa dokładnie 0,8 (pierwsze EtaN).
const PrzypadekRzednych Rzedne[] = {
    {10, 10, 10, 9.0, 0.9, 0.2276645756, 0.0374333824},
    {8, 20, 8, 7.0, 0.4, 0.1849776226, 0.09062383488},
    {12, 6, 12, 11.0, 11.0 / 6.0, 0.3102631973333, 0.00505792925},
    {10, 7.5, 10, 9.0, 1.2, 0.2718906008, 0.0217938403},
    {10, 11.25, 10, 9.0, 0.8, 0.2129225672, 0.0430408456},
};

TEST_F(Rozklad, RzedneWPasmachIGranicach)
{
    for (const auto& p : Rzedne) {
        SCOPED_TRACE(::testing::Message() << "P = " << p.P << ", L = " << p.L);
        SladWyczysc();
        double Eta1 = 0, EtaN = 0;
        ObliczRzedne(p.P, p.L, Eta1, EtaN);
        EXPECT_NEAR(Eta1, p.Eta1, 1e-9);
        EXPECT_NEAR(EtaN, p.EtaN, 1e-9);
        ASSERT_EQ(Slad().Rozmiar(), 6u);
        EXPECT_EQ(Slad().Linia(0), "Obliczenie rzędnych");
        EXPECT_EQ(Slad().Linia(1), "  [N] = " + std::to_string(p.N) + ",0000000");
    }
}

TEST_F(Rozklad, SladRzednychPlyty10Na10)
{
    double Eta1 = 0, EtaN = 0;
    ObliczRzedne(10, 10, Eta1, EtaN);
    const std::vector<std::string> oczekiwane = {
        "Obliczenie rzędnych", "  [N] = 10,0000000",      "  [B] = 9,0000000",
        "  [Alfa] = 0,9000000", "  [Eta 1] = 0,2276646", "  [Eta n] = 0,0374334",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);
}

TEST_F(Rozklad, LiczbaPasmIRozstaw)
{
    struct {
        double P;
        int N;
        double B;
    } const przypadki[] = {
        {10, 10, 9.0}, {7.5, 8, 7.5 * 7 / 8}, {6.5, 7, 6.5 * 6 / 7}, {1.5, 2, 0.75}, {1.4, 1, 0}, {0.3, 1, 0},
        {-2, 1, 0},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.P);
        SladWyczysc();
        EXPECT_EQ(LiczbaPasmPlyty(p.P), p.N);
        EXPECT_DOUBLE_EQ(RozstawSkrajnychPasm(p.P), p.B);
        // Każde wywołanie pisze wiersz N (i B dla rozstawu).
        ASSERT_EQ(Slad().Rozmiar(), 3u);
        EXPECT_EQ(Slad().Linia(0).substr(0, 7), "  [N] =");
        EXPECT_EQ(Slad().Linia(2).substr(0, 7), "  [B] =");
    }
}

TEST_F(Rozklad, ZbytKrotkaRozpietoscToBladProgramu)
{
    double Eta1 = 0, EtaN = 0;
    EXPECT_THROW(ObliczRzedne(10, 0.00001, Eta1, EtaN), BladAsercji);
    EXPECT_NO_THROW(ObliczRzedne(10, 0.00002, Eta1, EtaN));
}

TEST_F(Rozklad, ParabolaPrzechodziPrzezRzedneSkrajne)
{
    const double Eta1 = 0.2276645756, EtaN = 0.0374333824, B = 9.0;
    EXPECT_EQ(RzednaParaboliczna(Eta1, EtaN, B, 0), Eta1);
    EXPECT_DOUBLE_EQ(RzednaParaboliczna(Eta1, EtaN, B, B), EtaN);
    // Styczna pozioma w x = B: symetria wokół B.
    EXPECT_DOUBLE_EQ(RzednaParaboliczna(Eta1, EtaN, B, B - 2), RzednaParaboliczna(Eta1, EtaN, B, B + 2));
    // x = 4,5: Eta1 − (Eta1 − EtaN)·4,5·13,5/81 = Eta1 − 0,75·(Eta1 − EtaN).
    EXPECT_NEAR(RzednaParaboliczna(Eta1, EtaN, B, 4.5), 0.0849911807, 1e-10);
}

TEST_F(Rozklad, RzednaSkrajnegoDzwigara)
{
    EXPECT_DOUBLE_EQ(RzednaDzwigara(2, 7, 0), 1.0);
    EXPECT_DOUBLE_EQ(RzednaDzwigara(2, 8, 2), 0.75);  // n = 2: 1 − x/B
    EXPECT_DOUBLE_EQ(RzednaDzwigara(5, 8, 0), 0.6);   // 2·9/30
    EXPECT_DOUBLE_EQ(RzednaDzwigara(5, 8, 2.5), 0.35);
    EXPECT_DOUBLE_EQ(RzednaDzwigara(5, 8, 8), 2.0 / 30 * (9 - 12));  // skrajny przeciwległy
}

}  // namespace
