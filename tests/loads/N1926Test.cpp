// Model normatywu 1926 i jego wielomiany rozpiętości. Wartości oczekiwane: przykłady
// policzone ręcznie oraz tests/dane/niezalezne/modele_stare.py.
#include <gtest/gtest.h>

#include "loads/ModeleObciazenia.h"
#include "loads/Wielomiany.h"
#include "N19Pomoc.h"

using namespace n19;

namespace {

Wywolanie P0(int k, int n, double B, double c1c2, double L, double Dl = 20)
{
    return [=](double& M, double& T, std::string& E) { return N1926Przekroj0(k, n, M, B, c1c2, L, T, E, Dl); };
}
Wywolanie P0N2(int k, double a1a2, double b, double c, double L, double Dl = 20)
{
    return [=](double& M, double& T, std::string& E) { return N1926Przekroj0N2(k, M, T, a1a2, b, c, L, E, Dl); };
}
Wywolanie P2(int k, double B, double c, double g1, double k1k2, double L, double Dl = 20)
{
    return [=](double& M, double& T, std::string& E) { return N1926Przekroj2(k, M, T, B, c, g1, k1k2, L, E, Dl); };
}
Wywolanie P3(int k, double L, double Dl = 20)
{
    return [=](double& M, double& T, std::string& E) { return N1926Przekroj3(k, M, T, L, E, Dl); };
}

TEST(N1926Wielomiany, KolumnaFToPieciokrotnoscH)
{
    const tWielomianyNormatywu& w = Wielomiany1926();
    for (double L : {3.0, 4.5, 5.0, 6.0, 7.5, 9.0, 30.0, 50.0, 75.0, 100.0, 110.0}) {
        EXPECT_NEAR(Wartosc(w.MomentF, L), 5 * Wartosc(w.MomentH, L), 1e-9 * Wartosc(w.MomentF, L)) << L;
        EXPECT_NEAR(Wartosc(w.SilaF, L), 5 * Wartosc(w.SilaH, L), 1e-9 * Wartosc(w.SilaF, L)) << L;
    }
    // Pierwsze wiersze kolumny F: 0,78125·L² + 25,3125·L + 7,03125 i 200·L − 240 (L = 4).
    EXPECT_DOUBLE_EQ(Wartosc(w.MomentF, 4), 120.78125);
    EXPECT_DOUBLE_EQ(Wartosc(w.SilaF, 4), 560.0);
    // Przykład: PM_F(20) = 1200,3125, PT_F(20) = 5261,5625.
    EXPECT_DOUBLE_EQ(Wartosc(w.MomentF, 20), 1200.3125);
    EXPECT_DOUBLE_EQ(Wartosc(w.SilaF, 20), 5261.5625);
    // Tłum: 0,625·L, −0,0025·L² + 0,75·L, 0,5·L; siła 2,5·L, −0,01·L² + 3·L, 2·L.
    EXPECT_DOUBLE_EQ(Wartosc(w.TlumMoment, 60), 36.0);
    EXPECT_DOUBLE_EQ(Wartosc(w.TlumSila, 60), 144.0);
    EXPECT_DOUBLE_EQ(Wartosc(w.TlumSila, 101), 202.0);
}

TEST(N1926, WynikiPrzekrojow)
{
    SprawdzWyniki({
        // rho = 0,04, w = 0,44: klasa I 53,5125 i 232,4625, razy 0,8.
        {"p0 klasa II", P0(2, 5, 8, 3, 20), 42.81, 185.97},
        // PM_H(60) = 1453,5, PT_H(60) = 6048,3, rho = 1/75: 96,9 + 36·0,44 i 403,22 + 144·0,44.
        {"p0 L = 60", P0(1, 5, 8, 3, 60), 112.74, 466.58},
        // R = 6,5, rho = 0,325: 240,0625·0,325 + 1,1·12,5 i 1052,3125·0,325 + 1,1·50.
        {"p0N2 klasa I", P0N2(1, 1, 7, 1.5, 20), 91.7703125, 397.0015625},
        {"p0N2 klasa III", P0N2(3, 1, 7, 1.5, 20), 0.4 * 91.7703125, 0.4 * 397.0015625},
        // r = 6, rho = 0,3: (72,01875 + 12,5)·0,8.
        {"p2 klasa II", P2(2, 8, 1, 0.5, 0.5, 20), 67.615, 292.555},
        {"p2 L = 120", P2(1, 8, 1, 0.5, 0.5, 120), 281.3625, 1144.6125},
        // (0,625·205 + 400 − 48) / 20.
        {"p3 klasa I", P3(1, 20), 24.00625, NieDotyczy},
        {"p3 klasa III", P3(3, 20), 9.6025, NieDotyczy},
        // (0,3125·4 + 12·5) / 5 · 0,8.
        {"p3 L = 5", P3(2, 5), 9.8, NieDotyczy},
        // Długość elementu nie wchodzi nigdzie.
        {"p0 Dl = 5", P0(2, 5, 8, 3, 20, 5), 42.81, 185.97},
        {"p0N2 Dl = 100", P0N2(1, 1, 7, 1.5, 20, 100), 91.7703125, 397.0015625},
        {"p2 Dl = 3", P2(2, 8, 1, 0.5, 0.5, 20, 3), 67.615, 292.555},
        {"p3 Dl = 90", P3(1, 20, 90), 24.00625, NieDotyczy},
    });
}

TEST(N1926, Odmowy)
{
    const std::string Mala = "Za mała wartość parametru ", Duza = "Za duża wartość parametru ";
    const std::string L270 = "Parametr L nie może być równy 270";
    SprawdzOdmowy({
        {"p0 klasa 4", P0(4, 5, 8, 3, 270), "Zła klasa : 4"},
        {"p0 L = 270", P0(2, 5, 8, 3, 270), L270},
        {"p0N2 L = 270", P0N2(2, 1, 7, 1.5, 270), L270},
        {"p2 L = 270", P2(2, 8, 1, 0.5, 0.5, 270), L270},
        // Płyta nie ma odmowy 270: zwykła za duża rozpiętość.
        {"p3 L = 270", P3(2, 270), Duza + "L"},
        {"p0 L = 2,99 przed n", P0(2, 1, 8, 3, 2.99), Mala + "L"},
        {"p0 L = 120,5", P0(2, 5, 8, 3, 120.5), Duza + "L"},
        {"p0 n = 1", P0(2, 1, 8, 3, 20), Mala + "n"},
        {"p0N2 L = 2,99", P0N2(1, 1, 7, 1.5, 2.99), Mala + "L"},
        {"p2 L = 121", P2(1, 8, 1, 0.5, 0.5, 121), Duza + "L"},
        {"p3 klasa 0", P3(0, 20), "Zła klasa : 0"},
        {"p3 L = 100,5", P3(1, 100.5), Duza + "L"},
        {"p3 L = 2,99", P3(1, 2.99), Mala + "L"},
    });
}

TEST(N1926, Slad)
{
    // Blok klasy ma tylko przekrój dwudźwigarowy z krawężnikami (n = 2).
    EXPECT_EQ(SladWywolania(P0N2(2, 1, 7, 1.5, 20)),
              (std::vector<std::string>{"  [R] = 6.50000", "  [R/L] = 0.32500", "Przed uwzględnieniem klasy:",
                                        "  [M1N] = 91.7703125", "  [TN ] = 397.0015625", "Po uwzględnieniu klasy:"}));
    EXPECT_EQ(SladWywolania(P0N2(1, 1, 7, 1.5, 20)).size(), 2u);
    // Bez współczynnika dynamicznego i bez bloku klasy.
    EXPECT_TRUE(SladWywolania(P0(2, 5, 8, 3, 20)).empty());
    EXPECT_TRUE(SladWywolania(P2(2, 8, 1, 0.5, 0.5, 20)).empty());
    EXPECT_TRUE(SladWywolania(P3(2, 20)).empty());
}

}  // namespace
