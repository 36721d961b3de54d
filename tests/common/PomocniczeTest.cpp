// Operacje wspólne modeli: współczynnik dynamiczny, obcięcie z marginesem, kontrola klasy
// i rozpiętości 270, interpolacja, liczba z tekstu.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Asercja.h"
#include "common/Pomocnicze.h"
#include "common/Slad.h"

namespace {

using namespace testy;

TEST(Fi, ProgSiedemdziesiatIWierszSladuZObuSeparatorami)
{
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        SladWyczysc();
        EXPECT_DOUBLE_EQ(Fi(70), 1.0);
        EXPECT_DOUBLE_EQ(Fi(20), 1.25);
        EXPECT_DOUBLE_EQ(Fi(70.5), 1.0);
        EXPECT_DOUBLE_EQ(Fi(1.5), 1.3425);
        const std::string x(1, sep);
        EXPECT_EQ(Slad().Linie(), (std::vector<std::string>{"  Fi(70" + x + "00)=1" + x + "00000", "  Fi(20" + x + "00)=1" + x + "25000",
                                                            "  Fi(70" + x + "50)=1" + x + "00000", "  Fi(1" + x + "50)=1" + x + "34250"}));
    }
}

TEST(Obetnij, MarginesJednejDziesieciomiliardowej)
{
    const std::pair<double, int> przypadki[] = {{2.9999999999999996, 3}, {2.99999999995, 3}, {2.9999999999, 2},
                                                {-0.5, 0}, {2.5, 2}, {6.5 / 1.5, 4}, {0.0, 0}, {10.5 / 1.5, 7}};
    for (auto [x, wynik] : przypadki) EXPECT_EQ(Obetnij(x), wynik) << x;
}

TEST(SprawdzKlase, ZbiorKlasIRozpietosc270)
{
    std::string msg = "stary";
    EXPECT_FALSE(SprawdzKlase(4, {1, 2, 3}, msg));
    EXPECT_EQ(msg, "Zła klasa : 4");
    EXPECT_TRUE(SprawdzKlase(2, {1, 2, 3}, msg));
    EXPECT_EQ(msg, "");
    EXPECT_FALSE(SprawdzKlase(0, {1, 2, 3}, msg));
    EXPECT_EQ(msg, "Zła klasa : 0");
    EXPECT_TRUE(SprawdzKlase(0, {0}, msg) && !SprawdzKlase(256, {256}, msg));  // zbiór klas 0..255
    // Prawda oznacza odmowę.
    EXPECT_TRUE(SprawdzL270(msg, 270.0));
    EXPECT_EQ(msg, "Parametr L nie może być równy 270");
    EXPECT_FALSE(SprawdzL270(msg, 269.9999));
    EXPECT_EQ(msg, "");
}

TEST(Interpoluj, ProstaTakzePozaPrzedzialemIWarunekWstepny)
{
    EXPECT_DOUBLE_EQ(Interpoluj(2.0, 7.0, 2.5, 8.0, 2.25), 7.5);
    EXPECT_DOUBLE_EQ(Interpoluj(0, 0, 1, 10, 2), 20);
    EXPECT_DOUBLE_EQ(Interpoluj(1, 5, 3, 1, 0), 7);
    EXPECT_THROW(Interpoluj(1.0, 0, 1.0 + 1e-11, 5, 1), BladAsercji);
}

TEST(NaLiczbe, TekstTolerancyjnyPrzyObuSeparatorach)
{
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        const std::pair<const char*, double> przypadki[] = {
            {"1,5", 1.5}, {"1.5", 1.5}, {"", 0},       {"abc", 0},  {"nan", 0},   {"inf", 0},      {"1e999", 0},
            {"-2,25", -2.25}, {" 7 ", 7}, {"+3", 3}, {"1,5x", 0}, {"1E20", 1e20}, {"1.000,5", 0},
        };
        for (auto [tekst, wartosc] : przypadki) {
            double v = -1;
            EXPECT_EQ(NaLiczbe(tekst, v), wartosc != 0 || *tekst == '\0') << tekst;  // pusty to 0 i liczba
            EXPECT_EQ(v, wartosc) << tekst << " " << sep;
        }
    }
}

}  // namespace
