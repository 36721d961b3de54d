// Pojazdy umowne i przeliczenie nośności na masę pojazdu granicznego.
// Wartości przy L = 10 policzone ręcznie ze wzorów sześciu pojazdów.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "common/Slad.h"
#include "wspprzec/Pojazdy.h"

namespace {

class Pojazdy : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = ',';
        SladWyczysc();
    }
};

// L = 10 (obliczenia ręczne):
// 1: M = 6,25 + 60 − 11,2 = 55,05; T = 25 + 340 − 113,6 = 251,4
// 2: M = (5000 − 1000 + 50)/100 + 5 = 45,5; T = 270 − 70,4 + 20 = 219,6
// 3: M = (600 − 224)/10 + 5 = 42,6; T = 240 − 56 + 20 = 204
// 4: M = (400 − 135)/10 + 3,75 = 30,25; T = 160 − 27 + 15 = 148
// 5: M = 25 − 8 + 2,5 = 19,5; T = 100 − 16 + 10 = 94
const double M10[7] = {0, 55.05, 45.5, 42.6, 30.25, 19.5, 0};
const double T10[7] = {0, 251.4, 219.6, 204, 148, 94, 0};

TEST_F(Pojazdy, EfektyPrzyRozpietosci10)
{
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        double M = -1, T = -1;
        std::string msg;
        EXPECT_TRUE(PojazdUmowny(k, M, T, 10, msg));
        EXPECT_NEAR(M, M10[k], 1e-12);
        EXPECT_NEAR(T, T10[k], 1e-12);
    }
    EXPECT_EQ(Slad().Rozmiar(), 0u);
}

// Granica przedziału należy do dolnego: 12,64 liczy się pierwszym wzorem momentu pojazdu 1,
// 12,640001 drugim. Oba wzory prawie się spotykają, różnią się o 2e-6.
TEST_F(Pojazdy, GranicePrzedzialowNalezaDoDolnego)
{
    struct {
        int k;
        double L, M, T;
    } const przypadki[] = {
        {1, 12.64, 59.03924050632912, 2.5 * 12.64 + 420 - 2032 / 12.64},
        {1, 12.640001, 59.03924381018646, 2.5 * 12.640001 + 420 - 2032 / 12.640001},
        // Moment pojazdu 2 w L = 10,66: pierwszy wzór; 10,67: drugi (wzory się nie stykają).
        {2, 10.66, (50 * 10.66 * 10.66 - 100 * 10.66 + 50) / (10.66 * 10.66) + 5.33, 320 - 1224 / 10.66 + 21.32},
        // T pojazdu 2: 10,4 jeszcze drugim wzorem (270 − 67,6923 + 20,8), 10,41 trzecim.
        {2, 10.4, (50 * 10.4 * 10.4 - 100 * 10.4 + 50) / (10.4 * 10.4) + 5.2, 270 - 704 / 10.4 + 20.8},
        {2, 10.41, (50 * 10.41 * 10.41 - 100 * 10.41 + 50) / (10.41 * 10.41) + 5.205, 320 - 1224 / 10.41 + 20.82},
        {2, 10.67, (67.5 * 10.67 - 282) / 10.67 + 5.335, 320 - 1224 / 10.67 + 21.34},
        // Najkrótsza dopuszczalna rozpiętość.
        {5, 3.0, 15.75, 100 - 160 / 3.0 + 3},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(::testing::Message() << "k = " << p.k << ", L = " << p.L);
        double M = 0, T = 0;
        std::string msg;
        EXPECT_TRUE(PojazdUmowny(p.k, M, T, p.L, msg));
        EXPECT_NEAR(M, p.M, 1e-10);
        EXPECT_NEAR(T, p.T, 1e-10);
    }
}

TEST_F(Pojazdy, OdmowaKrotkiejRozpietosciIZlaKategoria)
{
    double M = 7, T = 8;
    std::string msg = "x";
    EXPECT_FALSE(PojazdUmowny(1, M, T, 2.999, msg));
    EXPECT_EQ(msg, "Zła wartość parametru L: 3,00");
    EXPECT_EQ(M, 7);
    EXPECT_EQ(T, 8);
    for (int k : {0, 7, -1}) {
        SCOPED_TRACE(k);
        try {
            PojazdUmowny(k, M, T, 10, msg);
            ADD_FAILURE() << "brak asercji";
        } catch (const BladAsercji& b) {
            EXPECT_STREQ(b.what(), "Zła kategoria pojazdu");
        }
    }
}

struct PrzypadekMasy {
    const char* opis;
    double MP, TP, masaM, masaT;
};

// Skala przy L = 10 (tablice M10, T10).
const PrzypadekMasy Masy[] = {
    {"MP ujemne", -0.5, 1e20, 0, 42},
    {"MP między 0 a M[5]", 9.75, 1e20, 5, 42},
    {"MP zero", 0, 1e20, 0, 42},
    {"MP równe M[1]", 55.05, 1e20, 42, 42},
    // TP w połowie między T[2] i T[1]: 37 t; mniejsza z mas nawet gdy moment daje 42 t.
    {"TP w połowie T[2]..T[1]", 1e20, 235.5, 42, 37},
    // MP = 36,425: połowa drogi od M[4] do M[3] → 20 t; TP = T[5] → 10 t.
    {"MP między M[4] a M[3]", 36.425, 94, 20, 10},
};

TEST_F(Pojazdy, MasaZPrzedzialuSkali)
{
    for (const auto& p : Masy) {
        SCOPED_TRACE(p.opis);
        SladWyczysc();
        tEfektyPojazdow M{}, T{};
        const double masa = PrzeliczPojazdy(M, T, 10, 10, p.MP, p.TP);
        EXPECT_DOUBLE_EQ(masa, std::min(p.masaM, p.masaT));
        const auto linie = Slad().Linie();
        ASSERT_GE(linie.size(), 4u);
        EXPECT_EQ(linie[linie.size() - 4], "  [Dla momentu ] = " + LiczbaStala(p.masaM, 7));
        EXPECT_EQ(linie[linie.size() - 3], "  [Dla siły    ] = " + LiczbaStala(p.masaT, 7));
        for (int k = 1; k <= 6; ++k) {
            EXPECT_NEAR(M[k], M10[k], 1e-12);
            EXPECT_NEAR(T[k], T10[k], 1e-12);
        }
    }
}

// MP równe M[3]: przedział k = 2 pasuje pierwszy, interpolacja w jego końcu daje dokładnie 24 t.
TEST_F(Pojazdy, MPRowneEfektowiPojazdu3)
{
    double M3 = 0, T3 = 0;
    std::string msg;
    ASSERT_TRUE(PojazdUmowny(3, M3, T3, 10, msg));
    tEfektyPojazdow M{}, T{};
    EXPECT_EQ(PrzeliczPojazdy(M, T, 10, 10, M3, T3), 24.0);
}

TEST_F(Pojazdy, PelnySladPrzeliczenia)
{
    tEfektyPojazdow M{}, T{};
    PrzeliczPojazdy(M, T, 10, 20, 42.6, 1e20);
    // Siła przy 20 m: 1: 50 + 420 − 101,6 = 368,4; 2: 320 − 61,2 + 40 = 298,8;
    // 3: 240 − 28 + 40 = 252; 4: 160 − 13,5 + 30 = 176,5; 5: 100 − 8 + 20 = 112.
    const std::vector<std::string> oczekiwane = {
        "",
        "Przeliczenie pojazdów umownych",
        "  [Dług. M] = 10,0000000",
        "  [Dług. T] = 20,0000000",
        "",
        "KATEGORIA 1",
        "  [M] = 55,0500000",
        "  [T] = 368,4000000",
        "KATEGORIA 2",
        "  [M] = 45,5000000",
        "  [T] = 298,8000000",
        "KATEGORIA 3",
        "  [M] = 42,6000000",
        "  [T] = 252,0000000",
        "KATEGORIA 4",
        "  [M] = 30,2500000",
        "  [T] = 176,5000000",
        "KATEGORIA 5",
        "  [M] = 19,5000000",
        "  [T] = 112,0000000",
        "POJAZD GRANICZNY",
        "  [M] = 0,0000000",
        "  [T] = 0,0000000",
        "",
        "Aproksymacja pojazdu",
        "",
        "  [Dla momentu ] = 24,0000000",
        "  [Dla siły    ] = 42,0000000",
        "  [MASA POJAZDU] = 24,0000000",
        "",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);
}

// Rozpiętość zastępcza poniżej 3 m: pojazdy liczone dla 3 m (ich efekty rosną z rozpiętością,
// więc to ocena bezpieczna), z jednym wierszem śladu przy tej rozpiętości.
// Przy 3 m: M = 24,5417; 23,7222; 22,8333; 26,125; 15,75 – pojazd 4 ma większy moment niż 1.
TEST_F(Pojazdy, KrotkaRozpietoscLiczonaDla3m)
{
    tEfektyPojazdow M{}, T{};
    const double masa = PrzeliczPojazdy(M, T, 2.5, 10, 15.75, 1e20);
    EXPECT_NEAR(M[1], 0.625 * 3 + 60 - 112 / 3.0, 1e-12);
    EXPECT_NEAR(M[4], 26.125, 1e-12);
    EXPECT_NEAR(M[5], 15.75, 1e-12);
    EXPECT_NEAR(T[5], 94, 1e-12);  // siła przy 10 m bez zmian
    // Przedział k = 4 (26,125 ≥ 15,75 ≥ 15,75) daje 10 t.
    EXPECT_DOUBLE_EQ(masa, 10);
    const auto linie = Slad().Linie();
    ASSERT_GE(linie.size(), 6u);
    EXPECT_EQ(linie[2], "  [Dług. M] = 2,5000000");
    EXPECT_EQ(linie[3], "  Rozpiętość 2,50 < 3,00 m: pojazdy umowne liczone dla 3,00 m");
    EXPECT_EQ(linie[4], "  [Dług. T] = 10,0000000");
    EXPECT_EQ(linie[5], "");

    // Skala nieuporządkowana nie jest wygładzana: MP ≥ M[1] daje 42 t, choć M[4] jest większe.
    SladWyczysc();
    EXPECT_DOUBLE_EQ(PrzeliczPojazdy(M, T, 3.0, 3.0, 25, 1e20), 42);
    // Obie rozpiętości krótkie: wiersz przy każdej.
    SladWyczysc();
    PrzeliczPojazdy(M, T, 1.5, 0, 0, 0);
    EXPECT_EQ(Slad().Linia(3), "  Rozpiętość 1,50 < 3,00 m: pojazdy umowne liczone dla 3,00 m");
    EXPECT_EQ(Slad().Linia(5), "  Rozpiętość 0,00 < 3,00 m: pojazdy umowne liczone dla 3,00 m");
    EXPECT_GT(T[5], 0);
}

}  // namespace
