// Model DIN 1072 (1931). Wartości oczekiwane: przykłady policzone ręcznie oraz
// tests/dane/niezalezne/modele_stare.py.
#include <gtest/gtest.h>

#include "loads/ModeleObciazenia.h"
#include "N19Pomoc.h"

using namespace n19;

namespace {

// Pokład przykładów: n = 5, B = 8, c = 1,5, e = 1,0, etaG(x) = (9 − 1,5·x) / 15.
Wywolanie P0(int k, double L, double Dl)
{
    return [=](double& M, double& T, std::string& E) { return DINPrzekroj0(k, 5, M, 8, 1.5, 1.0, L, T, E, Dl); };
}
Wywolanie P2(int k, double L)
{
    return [=](double& M, double& T, std::string& E) { return DINPrzekroj2(k, M, T, 6, 1, 0.5, 0.25, 0.5, L, E, 20); };
}
Wywolanie P3(int k, double L)
{
    return [=](double& M, double& T, std::string& E) { return DINPrzekroj3(k, M, T, L, E, 20); };
}

TEST(DIN1072, WynikiPrzekrojow)
{
    SprawdzWyniki({
        // S = 5,5; A = 0,053125, Bq = 0,0225, C = 15; PA = 548,125, PB = 344,125,
        // TA = 2400,625, TB = 1512,625.
        {"p0 klasa I L = 20", P0(1, 20, 20), 46.236953125, 199.067265625},
        // Wiersze h powyżej 25 m: QM = 4,95·1170/16, QT = 2,475·25,5²; Fi = 1,2.
        {"p0 klasa I L = 30", P0(1, 30, 30), 61.3126953125, 258.3627578125},
        // Do 6 m wyrazy A i B liniowe: PA = 1,125 + 45, PB = 1,125 + 30; QT = 2,25·0,25.
        {"p0 klasa II L = 5", P0(2, 5, 5), 14.59278891509434, 71.24006191037736},
        {"p0 klasa III L = 91,5", P0(3, 91.5, 91.5), 103.2812252177254, 420.3761895491803},
        // S = 5, gamma p = 1 − 1,75/6, gamma s = 1 − 4,25/6, gamma c = 1,125, C = 18.
        {"p2 klasa I", P2(1, 20), 72.328125, 312.703125},
        // (0,625·205 + 24·20 − 60) / 20 i (0,5·205 + 7·20 − 12) / 20.
        {"p3 klasa I", P3(1, 20), 27.40625, NieDotyczy},
        {"p3 klasa III", P3(3, 20), 11.525, NieDotyczy},
        // (0,28125·16 + 16·7 − 42) / 7.
        {"p3 klasa II L = 7", P3(2, 7), 10.642857142857143, NieDotyczy},
        {"p3 L = 100", P3(2, 100), 65.333125, NieDotyczy},
    });
    EXPECT_TRUE(Licz(P2(2, 91.5)).ok);
}

TEST(DIN1072, Odmowy)
{
    const std::string Mala = "Za mała wartość parametru L", Duza = "Za duża wartość parametru L";
    SprawdzOdmowy({
        {"p0 klasa 4", P0(4, 20, 20), "Zła klasa : 4"},
        {"p0 L = 91,6", P0(1, 91.6, 20), Duza},
        {"p0 L = 2,99", P0(1, 2.99, 20), Mala},
        // 270 nie jest tu przypadkiem szczególnym.
        {"p0 L = 270", P0(1, 270, 20), Duza},
        {"p2 klasa 0", P2(0, 20), "Zła klasa : 0"},
        {"p2 L = 91,6", P2(1, 91.6), Duza},
        {"p2 L = 2,99", P2(1, 2.99), Mala},
        {"p3 klasa 4", P3(4, 20), "Zła klasa : 4"},
        {"p3 L = 100,5", P3(1, 100.5), Duza},
        {"p3 L = 2,99", P3(1, 2.99), Mala},
    });
}

TEST(DIN1072, Slad)
{
    std::vector<std::string> s = SladWywolania(P0(1, 20, 20));
    ASSERT_EQ(s.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(s.begin(), s.begin() + 6),
              (std::vector<std::string>{"  [S ] = 5.50000", "  [Gamma p] = 0.42500", "  [Gamma s] = 0.15000",
                                        "  [Gamma c] = 0.62500", "  Fi(20.00)=1.25000", "  [Fi] = 1.25000"}));
    // 0,053125 leży na granicy zaokrąglenia piątego miejsca: sprawdzamy początek.
    EXPECT_EQ(s[6].rfind("  [2,5*Gamma p/L] = 0.0531", 0), 0u) << s[6];
    // Etykieta mówi o Gamma c, a wartość 3·0,15/20 = 0,0225 liczona jest z Gamma s.
    EXPECT_EQ(s[7], "  [(S-2.5)*Gamma c/L] = 0.02250");
    EXPECT_EQ(s[8], "  [Gamma c*C*L/Fi] = 15.00000");

    EXPECT_EQ(SladWywolania(P2(1, 20), ','),
              (std::vector<std::string>{"  [S] = 5,00000", "  [Gamma p] = 0,70833", "  [Gamma s] = 0,29167",
                                        "  [Gamma c] = 1,12500", "  Fi(20,00)=1,25000", "  [Fi] = 1,25000"}));
    EXPECT_TRUE(SladWywolania(P3(2, 20)).empty());
    // Odmowa zakresu przed jakimkolwiek wierszem.
    EXPECT_TRUE(SladWywolania(P0(1, 91.6, 20)).empty());
}

}  // namespace
