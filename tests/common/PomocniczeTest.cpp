#include <gtest/gtest.h>

#include "common/Asercja.h"
#include "common/Pomocnicze.h"
#include "common/Regionalne.h"
#include "common/Slad.h"

namespace {

TEST(Fi, ProgSiedemdziesiatIWierszSladu)
{
    for (char sep : {',', '.'}) {
        Regionalne().SeparatorDziesietny = sep;
        SladWyczysc();
        EXPECT_DOUBLE_EQ(Fi(70), 1.0);
        EXPECT_DOUBLE_EQ(Fi(20), 1.25);
        EXPECT_DOUBLE_EQ(Fi(71), 1.0);
        EXPECT_DOUBLE_EQ(Fi(1.5), 1.3425);
        auto linie = Slad().Linie();
        ASSERT_EQ(linie.size(), 4u);
        std::string s(1, sep);
        EXPECT_EQ(linie[0], "  Fi(70" + s + "00)=1" + s + "00000");
        EXPECT_EQ(linie[1], "  Fi(20" + s + "00)=1" + s + "25000");
        EXPECT_EQ(linie[3], "  Fi(1" + s + "50)=1" + s + "34250");
    }
    Regionalne().SeparatorDziesietny = ',';
}

TEST(Obetnij, MarginesJednejDziesieciomiliardowej)
{
    struct Przypadek {
        double x;
        int wynik;
    } przypadki[] = {
        {2.9999999999999996, 3}, {2.99999999995, 3}, {2.9999999999, 2}, {-0.5, 0},
        {2.5, 2},                {6.5 / 1.5, 4},     {0.0, 0},          {8.9 / 1.5, 5},
    };
    for (auto p : przypadki) EXPECT_EQ(Obetnij(p.x), p.wynik) << p.x;
}

TEST(SprawdzKlase, ZbiorDozwolonychKlas)
{
    std::string msg = "stary";
    EXPECT_FALSE(SprawdzKlase(4, {1, 2, 3}, msg));
    EXPECT_EQ(msg, "Zła klasa : 4");
    EXPECT_TRUE(SprawdzKlase(2, {1, 2, 3}, msg));
    EXPECT_EQ(msg, "");
    EXPECT_FALSE(SprawdzKlase(0, {1, 2, 3}, msg));
    EXPECT_EQ(msg, "Zła klasa : 0");
}

TEST(SprawdzL270, PrawdaOznaczaOdmowe)
{
    std::string msg = "x";
    EXPECT_TRUE(SprawdzL270(msg, 270.0));
    EXPECT_EQ(msg, "Parametr L nie może być równy 270");
    EXPECT_FALSE(SprawdzL270(msg, 269.9999));
    EXPECT_EQ(msg, "");
}

TEST(Interpoluj, ProstaIWarunekWstepny)
{
    EXPECT_DOUBLE_EQ(Interpoluj(2.0, 7.0, 2.5, 8.0, 2.25), 7.5);
    EXPECT_DOUBLE_EQ(Interpoluj(0, 0, 1, 10, 2), 20);  // poza przedziałem też
    EXPECT_THROW(Interpoluj(1.0, 0, 1.0 + 1e-11, 5, 1), BladAsercji);
}

TEST(NaLiczbe, TekstTolerancyjny)
{
    for (char sep : {',', '.'}) {
        Regionalne().SeparatorDziesietny = sep;
        struct Przypadek {
            const char* tekst;
            double wartosc;
        } przypadki[] = {
            {"1,5", 1.5}, {"1.5", 1.5}, {"", 0}, {"abc", 0},   {"nan", 0},     {"inf", 0},
            {"1e999", 0}, {"-2,25", -2.25}, {" 7 ", 7}, {"+3", 3}, {"1,5x", 0}, {"1E20", 1e20},
            {"1.000,5", 0},
        };
        for (auto p : przypadki) EXPECT_EQ(NaLiczbe(p.tekst), p.wartosc) << p.tekst;
    }
    Regionalne().SeparatorDziesietny = ',';
}

}  // namespace
