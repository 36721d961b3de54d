// Model PN-66/B-02015. Przykłady z ręcznym rachunkiem w komentarzach; tablica
// wszystkich rodzajów i klas z tests/dane/niezalezne/jednostkowe.py.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wspolne.h"

namespace {

// Model z ustaloną geometrią; zmienia się klasa, L i n (dla typów wielodźwigarowych).
using Model = std::function<bool(int, double&, double&, std::string&, double L, double n)>;

constexpr double L0 = 15.72, Dl = 20.0;

Model Typ(int typ)
{
    switch (typ) {
        case 0: return [](int k, double& M, double& T, std::string& E, double L, double n) {
            return PN66Przekroj0(k, M, T, 8, 1.5, 1.0, L, n, E, Dl); };
        case 1: return [](int k, double& M, double& T, std::string& E, double L, double n) {
            return PN66Przekroj1(k, M, T, 7.5, 0.75, L, n == 5 ? 4 : n, E, Dl); };
        case 2: return [](int k, double& M, double& T, std::string& E, double L, double) {
            return PN66Przekroj2(k, M, T, 9.6, 1.5, 0.6, 0.3, 0.6, L, E, Dl); };
        case 3: return [](int k, double& M, double& T, std::string& E, double L, double) {
            return PN66Przekroj3(k, M, T, 1.0, 7.0, 2.0, 9.0, L, E, Dl); };
        case 4: return [](int k, double& M, double& T, std::string& E, double L, double) {
            return PN66Przekroj4(k, M, T, 7.0, 1.0, L, 8.0, E, Dl); };
        case 5: return [](int k, double& M, double& T, std::string& E, double L, double n) {
            return PN66Przekroj5(k, M, T, 9, 1.0, 0.4, 0.2, 0.5, 1.2, L, n, E, Dl); };
        default: return [](int k, double& M, double& T, std::string& E, double L, double) {
            return PN66Przekroj6(k, M, T, 0.4, 0.2, 1.0, 7.0, 1.0, 0.4, 10.0, L, E, Dl); };
    }
}

void ExpectBlisko(double wynik, double oczekiwana, const std::string& opis)
{
    if (oczekiwana == NieDotyczy) EXPECT_EQ(wynik, NieDotyczy) << opis;
    else EXPECT_NEAR(wynik, oczekiwana, 1e-9 * std::fabs(oczekiwana)) << opis;
}

// Etykiety wierszy wartości śladu ("  [m] = 4.0000000" daje "m"), inne wiersze bez zmian.
std::vector<std::string> Etykiety()
{
    std::vector<std::string> wynik;
    for (const auto& w : Slad().Linie()) {
        auto p = w.find('['), k = w.find("] = ");
        wynik.push_back(p == 2 && k != std::string::npos ? w.substr(3, k - 3) : w);
    }
    return wynik;
}

class PN66 : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = '.';
        SladWyczysc();
    }
    void TearDown() override { Regionalne().SeparatorDziesietny = ','; }
};

TEST_F(PN66, RedukcjaPasm)
{
    const std::pair<int, double> przypadki[] = {{0, 1.0}, {1, 1.0}, {3, 1.0}, {4, 0.9},
                                                {5, 0.8}, {6, 0.8}, {7, 0.7}, {12, 0.7}};
    for (auto [m, r] : przypadki) EXPECT_EQ(RedukcjaPasm(m), r) << m;
}

TEST_F(PN66, WspolnePasyChodnikIKomunikaty)
{
    // Pasy 1,5 m z marginesem Obetnij: iloraz tuż poniżej całości liczy się jako całość.
    EXPECT_EQ(LiczbaPasow(6.0), 4);
    EXPECT_EQ(LiczbaPasow(6.5), 4);
    EXPECT_EQ(LiczbaPasow(5.99), 3);
    EXPECT_EQ(LiczbaPasow(4.5 - 1e-12), 3);
    EXPECT_EQ(LiczbaPasow(1.4), 0);
    EXPECT_EQ(LiczbaPasow(-0.5), 0);
    EXPECT_DOUBLE_EQ(ZasiegLiniiWplywu(5, 8), 6.0);
    EXPECT_DOUBLE_EQ(ZasiegLiniiWplywu(2, 9), 9.0);
    // Chodnik liczy się od 0,5 m włącznie.
    EXPECT_EQ(SzerokoscChodnika(0.5), 0.5);
    EXPECT_EQ(SzerokoscChodnika(0.49999), 0.0);
    EXPECT_EQ(SzerokoscChodnika(1.25), 1.25);

    std::string Err = "bez zmian";
    EXPECT_TRUE(SprawdzNiezerowe(Err, {{"B", -1}, {"L", 1e-300}}));
    EXPECT_EQ(Err, "bez zmian");
    EXPECT_FALSE(SprawdzNiezerowe(Err, {{"B", 1}, {"L", 0}, {"n", 0}}));
    EXPECT_EQ(Err, "Parametr L musi być różny od zera");
    EXPECT_FALSE(BladZaMala(Err, "n"));
    EXPECT_EQ(Err, "Za mała wartość parametru n");
    EXPECT_FALSE(BladZaDuza(Err, "L"));
    EXPECT_EQ(Err, "Za duża wartość parametru L");
}

TEST_F(PN66, Przekroj0KlasaII)
{
    // Szerokość 6 + 1 − 1,5 = 5,5; m = trunc(6,5/1,5) = 4; r = 0,9; ηr = ηG(3,0) = 0,3;
    // ηc = ηG(−0,5) = 0,65; A = 20·0,65/1,25 = 10,4; Mpas = 20, Tpas = 80;
    // M1N = 20·4·0,9·0,3 + (0,5625 − 0,1875)·10,4 = 21,6 + 3,9;
    // TN = 80·4·0,9·0,3 + (2,25 − 0,75)·10,4 = 86,4 + 15,6.
    double M1N = 0, TN = 0;
    std::string Err = "x";
    ASSERT_TRUE(PN66Przekroj0(2, M1N, TN, 8, 1.5, 1.0, 20, 5, Err, 20));
    EXPECT_EQ(Err, "");
    EXPECT_NEAR(M1N, 25.5, 1e-12);
    EXPECT_NEAR(TN, 102.0, 1e-12);
    const std::vector<std::string> oczekiwane = {
        "  Fi(20.00)=1.25000",     "  [L] = 20.0000000",      "  [m] = 4.0000000",
        "  [r] = 0.9000000",       "  [c] = 1.5000000",       "  [gamma c] = 0.6500000",
        "  [gamma r] = 0.3000000",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);
}

TEST_F(PN66, Przekroj3KlasaI)
{
    // m = trunc((7 + 1 + 0,9)/1,5) = 5, r = 0,8; P = 9: Bs = 8; Mpas(20) = 34,08;
    // M1N = (34,08·5·0,8 + 0,375·(2 − 1)·20/1,25)/8 = (136,32 + 6)/8.
    double M1N = 0, TN = 0;
    std::string Err;
    ASSERT_TRUE(PN66Przekroj3(1, M1N, TN, 1.0, 7.0, 2.0, 9.0, 20, Err, 20));
    EXPECT_NEAR(M1N, 17.79, 1e-12);
    EXPECT_EQ(TN, NieDotyczy);
    const std::vector<std::string> oczekiwane = {"N", "B", "  Fi(20.00)=1.25000", "b", "a1+a2", "L", "B", "m", "r"};
    EXPECT_EQ(Etykiety(), oczekiwane);
    EXPECT_EQ(Slad().Linia(7), "  [m] = 5.0000000");
    EXPECT_EQ(Slad().Linia(8), "  [r] = 0.8000000");
}

TEST_F(PN66, WszystkieRodzajeIKlasy)
{
    struct {
        int klasa, typ;
        double M1N, TN;
    } przypadki[] = {
        {1, 0, 35.9759855267, 149.092339053}, {1, 1, 47.301994113, 196.665197826},
        {1, 2, 84.5461172233, 350.276071947}, {1, 3, 16.0841259542, 1e+20},
        {1, 4, 17.7081439477, 1e+20},         {1, 5, 40.6592503206, 168.577764641},
        {1, 6, 14.2970008482, 1e+20},         {2, 0, 22.3542, 89.4168},
        {2, 1, 27.64728, 110.58912},          {2, 2, 52.49771875, 209.990875},
        {2, 3, 11.3055, 1e+20},               {2, 4, 10.2057142857, 1e+20},
        {2, 5, 24.97984, 99.91936},           {2, 6, 10.0493333333, 1e+20},
        {3, 0, 15.024456, 60.097824},         {3, 1, 17.0512992, 68.2051968},
        {3, 2, 35.17351875, 140.694075},      {3, 3, 7.0191, 1e+20},
        {3, 4, 6.12342857143, 1e+20},         {3, 5, 15.1687466667, 60.6749866667},
        {3, 6, 6.2392, 1e+20},
    };
    for (auto p : przypadki) {
        double M1N = 0, TN = 0;
        std::string Err = "x";
        std::string opis = "klasa " + std::to_string(p.klasa) + ", typ " + std::to_string(p.typ);
        ASSERT_TRUE(Typ(p.typ)(p.klasa, M1N, TN, Err, L0, 5)) << opis << ": " << Err;
        EXPECT_EQ(Err, "") << opis;
        ExpectBlisko(M1N, p.M1N, opis);
        ExpectBlisko(TN, p.TN, opis);
    }
}

TEST_F(PN66, OdmowyIKomunikaty)
{
    struct {
        int typ, klasa;
        double L, n;
        const char* komunikat;
    } przypadki[] = {
        {0, 4, L0, 5, "Zła klasa : 4"},
        {3, 0, L0, 5, "Zła klasa : 0"},
        {0, 1, L0, 1, "Za mała wartość parametru n"},
        {1, 1, L0, 1, "Za mała wartość parametru n"},
        {5, 1, L0, 1, "Za mała wartość parametru n"},
        {0, 1, L0, 0, "Parametr n musi być różny od zera"},
        {5, 1, L0, 0, "Parametr n musi być różny od zera"},
        {0, 1, 0, 5, "Parametr L musi być różny od zera"},
        {1, 2, 0, 5, "Parametr L musi być różny od zera"},
        {2, 2, 0, 5, "Parametr L musi być różny od zera"},
        {3, 2, 0, 5, "Parametr L musi być różny od zera"},
        {4, 2, 0, 5, "Parametr L musi być różny od zera"},
        {6, 2, 0, 5, "Parametr L musi być różny od zera"},
        {0, 3, 270, 5, "Parametr L nie może być równy 270"},
        {2, 3, 270, 5, "Parametr L nie może być równy 270"},
        {3, 3, 270, 5, "Parametr L nie może być równy 270"},
        {5, 3, 270, 5, "Parametr L nie może być równy 270"},
        {6, 3, 270, 5, "Parametr L nie może być równy 270"},
        // Kontrola klasy przed rozpiętością, rozpiętość 270 przed zerami.
        {0, 9, 270, 0, "Zła klasa : 9"},
        {0, 1, 270, 0, "Parametr L nie może być równy 270"},
    };
    for (auto p : przypadki) {
        double M1N = -7, TN = -8;
        std::string Err;
        EXPECT_FALSE(Typ(p.typ)(p.klasa, M1N, TN, Err, p.L, p.n)) << p.typ << " " << p.komunikat;
        EXPECT_EQ(Err, p.komunikat) << p.typ;
        EXPECT_EQ(M1N, -7);
        EXPECT_EQ(TN, -8);
    }
    // Typy 1 i 4 nie sprawdzają rozpiętości 270.
    double M1N, TN;
    std::string Err;
    EXPECT_TRUE(Typ(1)(1, M1N, TN, Err, 270, 4));
    EXPECT_TRUE(Typ(4)(1, M1N, TN, Err, 270, 0));
}

TEST_F(PN66, KolejnoscKontroliZerowych)
{
    double M1N = -7, TN = -8;
    std::string Err;
    EXPECT_FALSE(PN66Przekroj0(1, M1N, TN, 0, 1.5, 1.0, 0, 0, Err, 20));
    EXPECT_EQ(Err, "Parametr B musi być różny od zera");
    EXPECT_FALSE(PN66Przekroj2(1, M1N, TN, 0, 1.5, 0.6, 0.3, 0.6, 0, Err, 20));
    EXPECT_EQ(Err, "Parametr B musi być różny od zera");
    EXPECT_FALSE(PN66Przekroj4(1, M1N, TN, 7, 1, 0, 0, Err, 20));
    EXPECT_EQ(Err, "Parametr P musi być różny od zera");
    // Wartości ujemne przechodzą kontrolę zera.
    EXPECT_TRUE(PN66Przekroj4(1, M1N, TN, 7, 1, -15.72, 8, Err, 20));
}

TEST_F(PN66, ZaMaloPasowNaPomostachDzwigarowych)
{
    double M1N = -7, TN = -8;
    std::string Err;
    // n = 2, B = 1,5: zasięg 1,5; 1,5 − 0,5 + 1,0 = 2,0 → m = 1.
    EXPECT_FALSE(PN66Przekroj0(2, M1N, TN, 1.5, 0.5, 0.0, 10, 2, Err, 10));
    EXPECT_EQ(Err, "Zła ilość pasm płyty");
    // B − g − (k1 + k2) + d = 2,5 − 0,3 − 0,4 + 1,0 = 2,8 → m = 1.
    EXPECT_FALSE(PN66Przekroj2(2, M1N, TN, 2.5, 1.0, 0.3, 0.2, 0.4, 10, Err, 10));
    EXPECT_EQ(Err, "Zła ilość pasm płyty");
    EXPECT_EQ(M1N, -7);
    // Płyty nie mają najmniejszej liczby pasów: m = 0 daje sam chodnik.
    EXPECT_TRUE(PN66Przekroj6(2, M1N, TN, 0, 0, 0.0, 0.4, 1.0, 1.0, 4.0, 10, Err, 10));
    EXPECT_GT(M1N, 0);
}

TEST_F(PN66, ChodnikCzterdziesciCentymetrow)
{
    // Klasa II, L = 15,72, Dl = 20. Typ 0: szerokość 6,6 → m = 5, r = 0,8,
    // ηr = ηG(2,65) = 0,335, ηc = ηG(−1,05) = 0,705, A = 8,86608;
    // M1N = 17,86·5·0,8·0,335 + (0,15 − 0,1875)·8,86608 (chodnik ujemny).
    double M1N = 0, TN = 0;
    std::string Err;
    ASSERT_TRUE(PN66Przekroj0(2, M1N, TN, 8, 0.4, 1.0, L0, 5, Err, Dl));
    EXPECT_NEAR(M1N, 17.86 * 4 * 0.335 - 0.0375 * 8.86608, 1e-12);
    EXPECT_NEAR(TN, 71.44 * 4 * 0.335 - 0.15 * 8.86608, 1e-12);
    // Typ 2: chodnik całą szerokością.
    ASSERT_TRUE(PN66Przekroj2(2, M1N, TN, 9.6, 0.4, 0.6, 0.3, 0.6, L0, Err, Dl));
    ExpectBlisko(M1N, 46.63465, "typ 2");
    ExpectBlisko(TN, 186.5386, "typ 2");
    // Typ 5: chodnik pominięty (x = 0).
    SladWyczysc();
    ASSERT_TRUE(PN66Przekroj5(2, M1N, TN, 9, 0.4, 0.4, 0.2, 0.5, 1.2, L0, 5, Err, Dl));
    ExpectBlisko(M1N, 23.495822222222223, "typ 5");
    ExpectBlisko(TN, 93.9832888888889, "typ 5");
    EXPECT_EQ(Slad().Linie().back(), "  [x] = 0.0000000");
    // Typ 6: oba chodniki 0,4 m dają to samo co brak chodników.
    double bez = 0;
    ASSERT_TRUE(PN66Przekroj6(2, M1N, TN, 0.4, 0.2, 1.0, 7.0, 0.4, 0.4, 10.0, L0, Err, Dl));
    ASSERT_TRUE(PN66Przekroj6(2, bez, TN, 0.4, 0.2, 1.0, 7.0, 0.0, 0.0, 10.0, L0, Err, Dl));
    EXPECT_EQ(M1N, bez);
    ExpectBlisko(M1N, 9.525333333333334, "typ 6");
}

TEST_F(PN66, WierszeSladuRodzajow)
{
    const std::vector<std::vector<std::string>> oczekiwane = {
        {"  Fi(20.00)=1.25000", "L", "m", "r", "c", "gamma c", "gamma r"},
        {"m", "r", "gamma r", "L"},
        {"  Fi(20.00)=1.25000", "c", "L", "m", "r", "gamma r", "gamma c"},
        {"N", "B", "  Fi(20.00)=1.25000", "b", "a1+a2", "L", "B", "m", "r"},
        {"N", "B"},
        {"N", "B", "e", "c", "g", "k", "m", "gamma r", "gamma c", "  Fi(20.00)=1.25000", "r", "Fi", "x"},
        {"N", "B", "  Fi(20.00)=1.25000", "C1", "C2", "X1", "X2", "b", "a1+a2", "L", "B", "m", "r"},
    };
    for (int typ = 0; typ <= 6; ++typ) {
        SladWyczysc();
        double M1N, TN;
        std::string Err;
        ASSERT_TRUE(Typ(typ)(2, M1N, TN, Err, L0, 5)) << typ;
        EXPECT_EQ(Etykiety(), oczekiwane[typ]) << "typ " << typ;
    }
}

}  // namespace
