// Model normatywu 1952. Wartości oczekiwane: przykłady policzone ręcznie oraz
// tests/dane/niezalezne/modele_stare.py.
#include <gtest/gtest.h>

#include "loads/ModeleObciazenia.h"
#include "N19Pomoc.h"

using namespace n19;

namespace {

Wywolanie P0(int k, double B, double c, double e, double L, double n)
{
    return [=](double& M, double& T, std::string& E) { return N1952Przekroj0(k, M, T, B, c, e, L, n, E, 20); };
}
Wywolanie P2(int k, double B, double c, double g1, double k1k2, double L)
{
    // k (szerokość krawężnika) nie wchodzi do wzorów: podajemy wartość absurdalną.
    return [=](double& M, double& T, std::string& E) {
        return N1952Przekroj2(k, M, T, B, c, g1, 99.0, k1k2, L, E, 20);
    };
}
Wywolanie P3(int k, double b, double a1a2, double c1c2, double L, double P, double Dl)
{
    return [=](double& M, double& T, std::string& E) { return N1952Przekroj3(k, M, T, b, a1a2, c1c2, L, P, E, Dl); };
}

TEST(N1952, WynikiPrzekrojow)
{
    SprawdzWyniki({
        // S = 6, lambda = 0,875, V = 6·0,875·0,3 = 1,575, q = 10,4; 15·1,575 + 0,375·10,4.
        {"p0 klasa II", P0(2, 8, 1.5, 1, 20, 5), 27.525, 110.1},
        // VM = 10: 10·1,575 + 3,9.
        {"p0 klasa III", P0(3, 8, 1.5, 1, 20, 5), 19.65, 78.6},
        // S = 5,5, psi = 1 − 5,5/12, V = 2,708333; beta = 1,125, q = 18.
        {"p2 klasa I", P2(1, 6, 1, 0.5, 0.5, 20), 60.916666666666667, 243.66666666666667},
        // W = 8, lambda = 0,78125, Bs = 9; (8·0,78125·16 + 0,375·2·12/1,29) / 9.
        {"p3 klasa I", P3(1, 7, 1, 3, 12, 10, 12), 11.886304909560723, NieDotyczy},
        // Płyta przyjmuje L = 270 (VM = 108,75, Fi(30) = 1,2).
        {"p3 L = 270", P3(2, 7, 1, 3, 270, 10, 30), 94.270833333333333, NieDotyczy},
    });
}

TEST(N1952, Odmowy)
{
    const std::string Zero = " musi być różny od zera";
    SprawdzOdmowy({
        {"p0 klasa 4", P0(4, 8, 1.5, 1, 270, 5), "Zła klasa : 4"},
        {"p2 klasa 0", P2(0, 6, 1, 0.5, 0.5, 20), "Zła klasa : 0"},
        {"p3 klasa 4", P3(4, 7, 1, 3, 12, 10, 12), "Zła klasa : 4"},
        {"p0 L = 270", P0(2, 8, 1.5, 1, 270, 5), "Parametr L nie może być równy 270"},
        {"p2 L = 270", P2(2, 6, 1, 0.5, 0.5, 270), "Parametr L nie może być równy 270"},
        // Kolejność: n = 0, n = 1, dopiero potem B = 0 (n = 1 przed jakimkolwiek dzieleniem).
        {"p0 n = 0 przed B = 0", P0(2, 0, 1.5, 1, 20, 0), "Parametr n" + Zero},
        {"p0 n = 1 przed B = 0", P0(2, 0, 1.5, 1, 20, 1), "Za mała wartość parametru n"},
        {"p0 B = 0", P0(2, 0, 1.5, 1, 20, 5), "Parametr B" + Zero},
        // S = 6 + e − c + 0,5 = 0.
        {"p0 S = 0", P0(2, 8, 6.5, 0, 20, 5), "Parametr S" + Zero},
        {"p2 B = 0", P2(2, 0, 1, 0.5, 0.5, 20), "Parametr B" + Zero},
        {"p2 S = 0", P2(2, 1, 1, 1.0, 0.5, 20), "Parametr S" + Zero},
        {"p3 P = 0", P3(2, 7, 1, 3, 12, 0, 12), "Parametr P" + Zero},
    });
}

TEST(N1952, Slad)
{
    EXPECT_EQ(SladWywolania(P0(2, 8, 1.5, 1, 20, 5)), std::vector<std::string>{"  Fi(20.00)=1.25000"});
    EXPECT_EQ(SladWywolania(P3(1, 7, 1, 3, 12, 10, 12)),
              (std::vector<std::string>{"  [N] = 10.0000000", "  [B] = 9.0000000", "  Fi(12.00)=1.29000"}));
}

}  // namespace
