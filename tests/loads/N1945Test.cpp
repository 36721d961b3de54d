// Model normatywu 1945 i jego wielomiany rozpiętości. Wartości oczekiwane: przykłady
// policzone ręcznie oraz tests/dane/niezalezne/modele_stare.py.
#include <gtest/gtest.h>

#include <cmath>

#include "loads/ModeleObciazenia.h"
#include "loads/Wielomiany.h"
#include "N19Pomoc.h"

using namespace n19;

namespace {

Wywolanie P0(int k, int n, double B, double c1c2, double L, double Dl)
{
    // e nie wchodzi do wzorów: wartość absurdalna.
    return [=](double& M, double& T, std::string& E) { return N1945Przekroj0(k, n, M, B, c1c2, 99.0, L, T, E, Dl); };
}
Wywolanie P0N2(int k, double a1a2, double b, double c, double L, double Dl)
{
    return [=](double& M, double& T, std::string& E) {
        return N1945Przekroj0N2(k, M, T, a1a2, 99.0, b, c, L, E, Dl);
    };
}
Wywolanie P2(int k, double B, double c, double g1, double k1k2, double L, double Dl)
{
    return [=](double& M, double& T, std::string& E) { return N1945Przekroj2(k, M, T, B, c, g1, k1k2, L, E, Dl); };
}
Wywolanie P3(int k, double L)
{
    return [=](double& M, double& T, std::string& E) { return N1945Przekroj3(k, M, T, L, E, 20); };
}

TEST(N1945Wielomiany, WartoscNaGranicyNalezyDoNizszegoWiersza)
{
    const tWielomianyNormatywu& w = Wielomiany1945();
    // Na 6 m wiersze momentu kolumny F różnią się (14,41666 zamiast 14 5/12):
    // 0,375·36 + 7,75·6 + 3,375 = 63,375, a drugi wiersz daje 63,37496.
    EXPECT_NEAR(Wartosc(w.MomentF, 6), 63.375, 1e-12);
    EXPECT_NEAR(Wartosc(w.MomentF, std::nextafter(6.0, 7.0)), 63.37496, 1e-9);
    // Na 4,5 m siła: 66,66666·4,5 − 79,99999 = 219,99998; drugi wiersz 219,99997.
    EXPECT_NEAR(Wartosc(w.SilaF, 4.5), 219.99998, 1e-10);
    EXPECT_NEAR(Wartosc(w.SilaF, std::nextafter(4.5, 5.0)), 219.99997, 1e-9);
    // Przykład: PM_F(20) = 447,0832, PT_F(20) = 1974,0832.
    EXPECT_NEAR(Wartosc(w.MomentF, 20), 447.0832, 1e-10);
    EXPECT_NEAR(Wartosc(w.SilaF, 20), 1974.0832, 1e-10);
    // Tłum: 0,75·L do 50 m, −0,005·L² + L do 100 m, dalej 0,5·L.
    EXPECT_DOUBLE_EQ(Wartosc(w.TlumMoment, 50), 37.5);
    EXPECT_DOUBLE_EQ(Wartosc(w.TlumMoment, 80), 48.0);
    EXPECT_DOUBLE_EQ(Wartosc(w.TlumSila, 110), 220.0);
    // Powyżej 100 m przekrój 2 ma 16/3 w miejscu 5,33333.
    EXPECT_NEAR(Wartosc(Moment1945HPrzekroj2(), 110) - Wartosc(w.MomentH, 110), (16.0 / 3 - 5.33333) * 110, 1e-9);
    EXPECT_EQ(Wartosc(Moment1945HPrzekroj2(), 100), Wartosc(w.MomentH, 100));
}

TEST(N1945, WynikiPrzekrojow)
{
    SprawdzWyniki({
        // r = 2, rho = 0,1, Fn = 6,25: klasa I 44,70832 + 4,8 i 197,40832 + 19,2, razy 0,75.
        {"p0 klasa II", P0(2, 5, 8, 3, 20, 20), 37.13124, 162.45624},
        {"p0 klasa III", P0(3, 5, 8, 3, 20, 20), 0.5 * 49.50832, 0.5 * 216.60832},
        // L = 6 bierze pierwszy wiersz momentu: 63,375/3 + 2·4,5/6,6.
        {"p0 L = 6", P0(1, 5, 8, 3, 6, 6), 22.488636363636364, 114.37119878787879},
        {"p0 L = 4,5", P0(1, 5, 8, 3, 4.5, 4.5), 21.391949152542373, 101.84556549905838},
        {"p0 L = 3", P0(1, 5, 8, 3, 3, 3), 20.674157303370787, 82.696622546816479},
        {"p0 L = 120", P0(3, 5, 8, 3, 120, 40), 80.955609275362319, 330.07662376811594},
        // R = 7, rho = 0,35: 223,5416·0,35 + 15/1,25 i 987,0416·0,35 + 60/1,25.
        {"p0N2 klasa I", P0N2(1, 1, 7, 1.5, 20, 20), 90.23956, 393.46456},
        {"p0N2 L = 110", P0N2(2, 1, 7, 1.5, 110, 110), 213.20736886363636, 869.30736886363636},
        // r = 6,5: (3602,91667·6,5/110 + 55)·0,75 z 16/3.
        {"p2 L = 110", P2(2, 8, 1, 0.5, 0.5, 110, 110), 200.92471590909091, 818.99969965909091},
        {"p2 klasa I", P2(1, 8, 1, 0.5, 0.5, 20, 20), 84.65102, 368.78852},
        // (0,75·205 + 16,66666·20 − 40) / 20.
        {"p3 klasa I", P3(1, 20), 22.35416, NieDotyczy},
        {"p3 klasa II", P3(2, 20), 16.76562, NieDotyczy},
        {"p3 L = 3", P3(1, 3), 10.0, NieDotyczy},
        {"p3 L = 100", P3(1, 100), 82.60416, NieDotyczy},
        // (0,375·16 + 16,66666·7 − 40) / 7 · 0,5.
        {"p3 L = 7 klasa III", P3(3, 7), 5.9047585714285714, NieDotyczy},
    });
}

TEST(N1945, Odmowy)
{
    const std::string Mala = "Za mała wartość parametru ", Duza = "Za duża wartość parametru ";
    SprawdzOdmowy({
        {"p0 klasa przed zakresem", P0(4, 5, 8, 3, 2.99, 20), "Zła klasa : 4"},
        {"p0 zakres przed n", P0(2, 1, 8, 3, 2.99, 20), Mala + "L"},
        {"p0 L = 120,5", P0(2, 5, 8, 3, 120.5, 20), Duza + "L"},
        {"p0 n = 1", P0(2, 1, 8, 3, 20, 20), Mala + "n"},
        {"p0 n = 0", P0(2, 0, 8, 3, 20, 20), Mala + "n"},
        {"p0N2 klasa 0", P0N2(0, 1, 7, 1.5, 20, 20), "Zła klasa : 0"},
        {"p0N2 L = 2,99", P0N2(1, 1, 7, 1.5, 2.99, 20), Mala + "L"},
        {"p0N2 L = 121", P0N2(1, 1, 7, 1.5, 121, 20), Duza + "L"},
        {"p2 L = 2,99", P2(1, 8, 1, 0.5, 0.5, 2.99, 20), Mala + "L"},
        {"p2 L = 120,01", P2(1, 8, 1, 0.5, 0.5, 120.01, 20), Duza + "L"},
        {"p3 klasa 4", P3(4, 20), "Zła klasa : 4"},
        {"p3 L = 2,99", P3(1, 2.99), Mala + "L"},
        {"p3 L = 100,5", P3(1, 100.5), Duza + "L"},
    });
    // Na górnej granicy 120 przekroje 0 i 2 jeszcze liczą.
    EXPECT_TRUE(Licz(P2(1, 8, 1, 0.5, 0.5, 120, 20)).ok);
    EXPECT_TRUE(Licz(P0N2(1, 1, 7, 1.5, 120, 20)).ok);
}

TEST(N1945, SladBlokuKlasy)
{
    EXPECT_EQ(SladWywolania(P0(2, 5, 8, 3, 20, 20)),
              (std::vector<std::string>{"  [B/(n-1)] = 2.00000", "  [r/L] = 0.10000", "  Fi(20.00)=1.25000",
                                        "  [Fi*n] = 6.25000", "Przed uwzględnieniem klasy:", "  [M1N] = 49.5083200",
                                        "  [TN ] = 216.6083200", "Po uwzględnieniu klasy:"}));
    // Klasa I nie pisze bloku.
    EXPECT_EQ(SladWywolania(P0(1, 5, 8, 3, 20, 20), ',').size(), 4u);
    EXPECT_EQ(SladWywolania(P0N2(1, 1, 7, 1.5, 20, 20), ','),
              (std::vector<std::string>{"  [R] = 7,00000", "  Fi(20,00)=1,25000", "  [r/L] = 0,35000"}));
    EXPECT_EQ(SladWywolania(P2(1, 8, 1, 0.5, 0.5, 20, 20)),
              (std::vector<std::string>{"  [r] = 6.50000", "  [r/L] = 0.32500", "  Fi(20.00)=1.25000",
                                        "  [Fi] = 1.25000"}));
    // Płyta: TN nie dotyczy już w bloku, a mnożnik klasy dotyka tylko M1N.
    EXPECT_EQ(SladWywolania(P3(2, 20)),
              (std::vector<std::string>{"Przed uwzględnieniem klasy:", "  [M1N] = 22.3541600", "  [TN ] = NIE DOTYCZY",
                                        "Po uwzględnieniu klasy:"}));
}

}  // namespace
