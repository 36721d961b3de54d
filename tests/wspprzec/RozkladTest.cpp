// Rozkład poprzeczny: pasma płyty, rzędne Eta1 i EtaN w pasmach Alfa (z niezależnego
// przeliczenia), parabola płyty i prosta skrajnego dźwigara.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "wspprzec/Rozklad.h"

namespace {

using namespace testy;

TEST(Rozklad, RzedneJakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/jednostkowe.txt", "Rzedne");
    ASSERT_GE(wiersze.size(), 5u);
    for (const auto& w : wiersze) {
        double Eta1 = 0, EtaN = 0;
        SladWyczysc();
        ObliczRzedne(Liczba(w[0]), Liczba(w[1]), Eta1, EtaN);
        EXPECT_TRUE(Zgodna(Eta1, Liczba(w[3]))) << "P = " << w[0] << ", L = " << w[1] << ": Eta1 = " << Eta1;
        EXPECT_TRUE(Zgodna(EtaN, Liczba(w[4]))) << "P = " << w[0] << ", L = " << w[1] << ": EtaN = " << EtaN;
        ASSERT_EQ(Slad().Rozmiar(), 6u);
        EXPECT_EQ(Slad().Linia(0), "Obliczenie rzędnych");
        EXPECT_EQ(Slad().Linia(3).substr(0, 10), "  [Alfa] =");
    }
}

TEST(Rozklad, LiczbaPasmIRozstaw)
{
    const struct {
        double P;
        int N;
        double B;
    } przypadki[] = {
        {10, 10, 9.0}, {7.5, 8, 7.5 * 7 / 8}, {6.5, 7, 6.5 * 6 / 7}, {1.5, 2, 0.75}, {1.4, 1, 0}, {0.3, 1, 0},
        {-2, 1, 0},    {2.4999995, 3, 2.4999995 * 2 / 3},  // połowa po dodaniu 0,000001 idzie w górę
    };
    for (const auto& p : przypadki) {
        SladWyczysc();
        EXPECT_EQ(LiczbaPasmPlyty(p.P), p.N) << p.P;
        EXPECT_DOUBLE_EQ(RozstawSkrajnychPasm(p.P), p.B) << p.P;
        EXPECT_EQ(Slad().Linie(), (std::vector<std::string>{"  [N] = " + std::to_string(p.N) + ",0000000",
                                                            "  [N] = " + std::to_string(p.N) + ",0000000",
                                                            "  [B] = " + LiczbaStala(p.B, 7)}));
    }
}

TEST(Rozklad, ZbytKrotkaRozpietoscToBladProgramu)
{
    double Eta1 = 0, EtaN = 0;
    EXPECT_THROW(ObliczRzedne(10, 0.00001, Eta1, EtaN), BladAsercji);
    EXPECT_NO_THROW(ObliczRzedne(10, 0.0000105, Eta1, EtaN));
}

TEST(Rozklad, ParabolaPlytyIProstaDzwigara)
{
    const double Eta1 = 0.2276645756, EtaN = 0.0374333824, B = 9.0;
    EXPECT_EQ(RzednaParaboliczna(Eta1, EtaN, B, 0), Eta1);
    EXPECT_EQ(RzednaParaboliczna(Eta1, EtaN, B, B), EtaN);
    EXPECT_DOUBLE_EQ(RzednaParaboliczna(Eta1, EtaN, B, B - 2), RzednaParaboliczna(Eta1, EtaN, B, B + 2));
    EXPECT_NEAR(RzednaParaboliczna(Eta1, EtaN, B, 4.5), Eta1 - 0.75 * (Eta1 - EtaN), 1e-15);
    EXPECT_DOUBLE_EQ(RzednaDzwigara(2, 8, 2), 0.75);    // n = 2: 1 − x/B
    EXPECT_DOUBLE_EQ(RzednaDzwigara(5, 8, 2.5), 0.35);  // 2/30·(9 − 12·2,5/8)
}

}  // namespace
