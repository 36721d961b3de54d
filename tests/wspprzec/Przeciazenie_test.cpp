// Współczynniki przeciążenia: przykłady policzone ręcznie, komunikaty kroków kontrolnych,
// kolejność śladu płyt i obsługa błędów arytmetycznych.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "wspprzec/Przeciazenie.h"

namespace {

struct Wejscie {
    int Typ, n;
    double a, b, B, c, e, g, k, P, L;
};

struct Wynik {
    bool udane;
    double G1, G2;
    std::string Msg;
};

Wynik Licz(const Wejscie& w, const std::string& msgPoczatkowy = "poprzedni")
{
    Wynik r{false, -1, -1, msgPoczatkowy};
    r.udane = WspolczynnikiPrzeciazenia(w.Typ, w.n, r.G1, w.a, w.b, w.B, w.c, w.e, w.g, w.k, w.P, w.L, r.G2, r.Msg);
    return r;
}

class Przeciazenie : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = ',';
        SladWyczysc();
    }
};

struct PrzypadekGammy {
    const char* opis;
    Wejscie w;
    double G1, G2;
};

// Dźwigary: ηG(x) = 2/(n²+n)·(2n − 1 − 3(n − 1)x/B).
// Płyty P = 10, L = 10: Eta1 = 0,2276645756, EtaN = 0,0374333824, B = 9,
// ηS(x) = Eta1 − (Eta1 − EtaN)·x(18 − x)/81.
const PrzypadekGammy Gammy[] = {
    // x1 = 1,5 − 1 + 0,5 + 1,5 = 2,5; x2 = 0,5 + 0,5 + 0,75 + 2,625 = 4,375.
    {"typ 0", {0, 5, 0.5, 7, 8, 1.5, 1.0, 9, 9, 99, 10}, 0.35, 0.325},
    // Typ 1 pomija c, g, k: x1 = 0,5 − 1 + 1,5 = 1, x2 = 0,25 + 2,625 = 2,875;
    // G1 = 2/30·(9 − 1,5), G2 = 4/30·(9 − 4,3125).
    {"typ 1", {1, 5, 0.5, 7, 8, 1.5, 1.0, 9, 9, 99, 10}, 0.5, 0.625},
    // x1 = 0,3 + 0,3 + 0,5 + 1,5 = 2,6; x2 = 1,1 + 0,75 + 2,25 = 4,1; n, c, e bez znaczenia.
    {"typ 2", {2, 77, 0.5, 6, 10, 5, 5, 0.6, 0.3, 99, 10}, 0.74, 1.18},
    // Typ 5: x1 = 1 + 0,5 + 0,25 − 0,75 + 0,5 + 1,5 = 3; x2 = 1,5 + 0,75 + 2,625 = 4,875;
    // n = 4, B = 9: G1 = 0,1·(7 − 3) = 0,4, G2 = 0,2·(7 − 4,875) = 0,425.
    {"typ 5", {5, 4, 0.5, 7, 9, 1.0, 0.75, 0.5, 0.25, 99, 10}, 0.4, 0.425},
    // n = 2, x1 = 0: rzędna 1 (c = e, a = −1,5); x2 = −0,75: 2·(1 + 0,75/6) = 2,25.
    {"typ 0, n = 2, x = 0", {0, 2, -1.5, 0, 6, 1, 1, 0, 0, 99, 10}, 1.0, 2.25},
    // Typ 4 (B obiektu pomijane): x1 = 0,5 − 0,5 + 1,5 = 1,5; x2 = 0,75·8 = 6.
    {"typ 4", {4, 10, 0.5, 8, 0, 7, 7, 7, 7, 10, 10}, 0.1695383776778, 0.2281085593222},
    // Typ 3: x1 = 1,5 − 1 − 0,5 + 0,5 + 1,5 = 2; x2 = 0,5 + 5,25 = 5,75.
    {"typ 3", {3, 10, 0.5, 7, 0, 1.5, 1.0, 7, 7, 10, 10}, 0.1525115116198, 0.2147512764664},
    // Typ 6: x1 = 1 + 0,5 + 0,25 − 0,75 − 0,5 + 0,5 + 1,5 = 2,5; x2 = 1,0 + 5,25 = 6,25.
    {"typ 6", {6, 10, 0.5, 7, 0, 1.0, 0.75, 0.5, 0.25, 10, 10}, 0.1366589121864, 0.1918530772849},
};

TEST_F(Przeciazenie, PrzykladyWszystkichTypow)
{
    for (const auto& p : Gammy) {
        SCOPED_TRACE(p.opis);
        SladWyczysc();
        const Wynik r = Licz(p.w);
        EXPECT_TRUE(r.udane);
        EXPECT_NEAR(r.G1, p.G1, 1e-12);
        EXPECT_NEAR(r.G2, p.G2, 1e-12);
        EXPECT_EQ(r.Msg, "poprzedni");
    }
}

TEST_F(Przeciazenie, SladDzwigarow)
{
    Licz({0, 5, 0.5, 7, 8, 1.5, 1.0, 0, 0, 0, 12.5});
    const std::vector<std::string> oczekiwane = {
        "",
        "Współczynniki przeciążenia",
        "  [L] = 12,5000000",
        "  [N] = 5,0000000",
        "  [Gamma 1] = 0,3500000",
        "  [Gamma 2] = 0,3250000",
        "",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);
}

TEST_F(Przeciazenie, SladPlytyZPolozeniamiPrzedRzednymi)
{
    struct {
        int Typ;
        const char *x1, *x2;
        double c;
    } const przypadki[] = {
        {4, "  [X1] = 1,5000000", "  [X2] = 6,0000000", 0},
        {6, "  [X I ] = 1,5000000", "  [X II] = 6,0000000", 0},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Typ);
        SladWyczysc();
        // Dla typu 6 przy c = g = k = e = 0 położenia są jak dla typu 4.
        const Wynik r = Licz({p.Typ, 10, 0.5, 8, 0, p.c, 0, 0, 0, 10, 10});
        EXPECT_TRUE(r.udane);
        const std::vector<std::string> oczekiwane = {
            "",
            "Współczynniki przeciążenia",
            "  [L] = 10,0000000",
            "  [N] = 10,0000000",
            "  [N] = 10,0000000",
            "  [B] = 9,0000000",
            p.x1,
            p.x2,
            "Obliczenie rzędnych",
            "  [N] = 10,0000000",
            "  [B] = 9,0000000",
            "  [Alfa] = 0,9000000",
            "  [Eta 1] = 0,2276646",
            "  [Eta n] = 0,0374334",
            "  [Gamma 1] = 0,1695384",
            "  [Gamma 2] = 0,2281086",
            "",
        };
        EXPECT_EQ(Slad().Linie(), oczekiwane);
    }
}

struct PrzypadekOdmowy {
    const char* opis;
    Wejscie w;
    const char* Msg;
    size_t wierszySladu;
};

// Odmowa w krokach 2, 4 i 5 kończy ślad na ostatnim sprawdzanym wierszu, bez "Gamma".
const PrzypadekOdmowy Odmowy[] = {
    // Płyta 0,4 m z n = 1: N = 1, B = 0 – komunikat BB.
    {"płyta 0,4 m, n = 1", {4, 1, 0.5, 8, 5, 0, 0, 0, 0, 0.4, 10}, "Zła wartość parametru BB: 0,00", 6},
    // Z n obiektu (0 dla takiej płyty) najpierw komunikat liczby dźwigarów.
    {"płyta 0,4 m, n = 0", {4, 0, 0.5, 8, 5, 0, 0, 0, 0, 0.4, 10}, "Zła ilość dźwigarów : 0", 4},
    {"typ 1, n = -1", {1, -1, 0.5, 8, 5, 0, 0, 0, 0, 0, 10}, "Zła ilość dźwigarów : -1", 4},
    {"typ 0, B = 0,00001", {0, 5, 0.5, 8, 0.00001, 0, 0, 0, 0, 0, 10}, "Zła wartość parametru BB: 0,00", 4},
    {"typ 2, B = -3", {2, 2, 0.5, 8, -3, 0, 0, 0, 0, 0, 10}, "Zła wartość parametru BB: -3,00", 4},
    // Typ 6 nie sprawdza n w kroku 2; ujemna szerokość płyty daje B = 0 przed krokiem 5.
    {"typ 6, P = -2", {6, 0, 0.5, 8, 5, 0, 0, 0, 0, -2, 10}, "Zła wartość parametru BB: 0,00", 6},
};

TEST_F(Przeciazenie, OdmowyKrokowKontrolnych)
{
    for (const auto& p : Odmowy) {
        SCOPED_TRACE(p.opis);
        SladWyczysc();
        const Wynik r = Licz(p.w);
        EXPECT_FALSE(r.udane);
        EXPECT_EQ(r.Msg, p.Msg);
        EXPECT_EQ(Slad().Rozmiar(), p.wierszySladu);
    }
}

// Błąd w kroku 6: wiersze Gamma i pusty wiersz zostają, Msg bez zmian, wynik false.
TEST_F(Przeciazenie, BladObliczeniaZostawiaWierszeGamma)
{
    const struct {
        const char* opis;
        Wejscie w;
    } przypadki[] = {
        // ObliczRzedne z L = 0 narusza warunek rozpiętości.
        {"płyta, L = 0", {4, 10, 0.5, 8, 0, 0, 0, 0, 0, 10, 0}},
        // Typ 6 nie sprawdza n wcześniej: warunek n > 0 w kroku 6.
        {"typ 6, n = 0", {6, 0, 0.5, 8, 0, 0, 0, 0, 0, 10, 10}},
        // Przepełnienie: x2 ≈ 3,75e307, 12·x2/B = ∞, Gamma 2 = −∞.
        {"typ 0, wynik nieskończony", {0, 5, 0.5, 1e308, 8, 0, 0, 0, 0, 0, 10}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        SladWyczysc();
        const Wynik r = Licz(p.w, "");
        EXPECT_FALSE(r.udane);
        EXPECT_EQ(r.Msg, "");
        const auto linie = Slad().Linie();
        ASSERT_GE(linie.size(), 3u);
        EXPECT_EQ(linie[linie.size() - 3].substr(0, 13), "  [Gamma 1] =");
        EXPECT_EQ(linie[linie.size() - 2].substr(0, 13), "  [Gamma 2] =");
        EXPECT_EQ(linie.back(), "");
    }
}

TEST_F(Przeciazenie, RozpietoscMaZnaczenieTylkoDlaPlyt)
{
    const Wynik g10 = Licz({0, 5, 0.5, 7, 8, 1.5, 1.0, 0, 0, 0, 10});
    const Wynik g40 = Licz({0, 5, 0.5, 7, 8, 1.5, 1.0, 0, 0, 0, 40});
    EXPECT_EQ(g10.G1, g40.G1);
    EXPECT_EQ(g10.G2, g40.G2);
    const Wynik p10 = Licz({4, 10, 0.5, 8, 0, 0, 0, 0, 0, 10, 10});
    const Wynik p40 = Licz({4, 10, 0.5, 8, 0, 0, 0, 0, 0, 10, 40});
    EXPECT_NE(p10.G1, p40.G1);
}

}  // namespace
