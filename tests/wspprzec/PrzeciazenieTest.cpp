// Współczynniki przeciążenia strony: wartości każdego typu przekroju z niezależnego
// przeliczenia, odmowy kroków kontrolnych i błąd arytmetyczny obliczenia.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Slad.h"
#include "wspprzec/Przeciazenie.h"

namespace {

using namespace testy;

struct tWynik {
    bool udane;
    double G1 = -1, G2 = -1;
    std::string Msg;
};

// typ n a b B c e g k P L
tWynik Licz(const std::vector<double>& x, const std::string& msg = "poprzedni")
{
    tWynik r{false, -1, -1, msg};
    SladWyczysc();
    r.udane = WspolczynnikiPrzeciazenia(static_cast<int>(x[0]), static_cast<int>(x[1]), r.G1, x[2], x[3], x[4], x[5],
                                        x[6], x[7], x[8], x[9], x[10], r.G2, r.Msg);
    return r;
}

TEST(Przeciazenie, WspolczynnikiJakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/jednostkowe.txt", "Gamma");
    ASSERT_GE(wiersze.size(), 7u);
    for (const auto& w : wiersze) {
        std::vector<double> x;
        for (int i = 0; i < 11; ++i) x.push_back(Liczba(w[i]));
        const tWynik r = Licz(x);
        EXPECT_TRUE(r.udane) << "typ " << w[0];
        EXPECT_TRUE(Zgodna(r.G1, Liczba(w[12]))) << "typ " << w[0] << ": Gamma 1 = " << r.G1;
        EXPECT_TRUE(Zgodna(r.G2, Liczba(w[13]))) << "typ " << w[0] << ": Gamma 2 = " << r.G2;
        EXPECT_EQ(r.Msg, "poprzedni");
        EXPECT_EQ(Slad().Linia(Slad().Rozmiar() - 1), "");
    }
}

// Odmowa kończy ślad na ostatnim sprawdzanym wierszu, bez wierszy "Gamma".
TEST(Przeciazenie, OdmowyKrokowKontrolnych)
{
    const struct {
        std::vector<double> x;  // typ n a b B c e g k P L
        const char* Msg;
        size_t wierszy;
    } odmowy[] = {
        {{4, 1, 0.5, 8, 5, 0, 0, 0, 0, 0.4, 10}, "Zła wartość parametru BB: 0,00", 6},  // płyta 0,4 m: B = 0
        {{4, 0, 0.5, 8, 5, 0, 0, 0, 0, 0.4, 10}, "Zła ilość dźwigarów : 0", 4},         // n przed płytą
        {{1, -1, 0.5, 8, 5, 0, 0, 0, 0, 0, 10}, "Zła ilość dźwigarów : -1", 4},
        {{0, 5, 0.5, 8, 0.00001, 0, 0, 0, 0, 0, 10}, "Zła wartość parametru BB: 0,00", 4},
        {{2, 2, 0.5, 8, -3, 0, 0, 0, 0, 0, 10}, "Zła wartość parametru BB: -3,00", 4},
        {{6, 0, 0.5, 8, 5, 0, 0, 0, 0, -2, 10}, "Zła wartość parametru BB: 0,00", 6},   // typ 6 nie sprawdza n
    };
    for (const auto& o : odmowy) {
        const tWynik r = Licz(o.x);
        EXPECT_FALSE(r.udane) << o.Msg;
        EXPECT_EQ(r.Msg, o.Msg);
        EXPECT_EQ(Slad().Rozmiar(), o.wierszy) << o.Msg;
    }
}

// Błąd w samym obliczeniu: wiersze Gamma i pusty wiersz zostają, komunikat bez zmian, false.
TEST(Przeciazenie, BladObliczeniaZostawiaWierszeGamma)
{
    const std::vector<double> przypadki[] = {
        {4, 10, 0.5, 8, 0, 0, 0, 0, 0, 10, 0},      // rzędne płyty z L = 0
        {6, 0, 0.5, 8, 0, 0, 0, 0, 0, 10, 10},      // n = 0 wykryte dopiero w obliczeniu typu 6
        {0, 5, 0.5, 1e308, 8, 0, 0, 0, 0, 0, 10},   // przepełnienie: Gamma 2 = −∞
    };
    for (const auto& x : przypadki) {
        const tWynik r = Licz(x, "");
        EXPECT_FALSE(r.udane) << x[0];
        EXPECT_EQ(r.Msg, "");
        const auto linie = Slad().Linie();
        ASSERT_GE(linie.size(), 3u);
        EXPECT_EQ(linie[linie.size() - 3].substr(0, 13), "  [Gamma 1] =");
        EXPECT_EQ(linie[linie.size() - 2].substr(0, 13), "  [Gamma 2] =");
        EXPECT_EQ(linie.back(), "");
    }
}

}  // namespace
