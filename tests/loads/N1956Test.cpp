// Model normatywu 1956. Wartości oczekiwane: przykłady policzone ręcznie (pokład n = 5,
// B = 8, c = 1,5, e = 1,0, L = 20) oraz tests/dane/niezalezne/modele_stare.py.
#include <gtest/gtest.h>

#include "loads/ModeleObciazenia.h"
#include "N19Pomoc.h"

using namespace n19;

namespace {

Wywolanie P0(int k, double B, double c, double e, double L, double n, double Dl)
{
    return [=](double& M, double& T, std::string& E) { return N1956Przekroj0(k, M, T, B, c, e, L, n, E, Dl); };
}
Wywolanie P1(int k, double B, double e, double L, double n)
{
    return [=](double& M, double& T, std::string& E) { return N1956Przekroj1(k, M, T, B, e, L, n, E, 20); };
}
Wywolanie P2(int k, double B, double c, double g1, double kk, double k1k2, double L)
{
    return [=](double& M, double& T, std::string& E) {
        return N1956Przekroj2(k, M, T, B, c, g1, kk, k1k2, L, E, 20);
    };
}
Wywolanie P3(int k, double a1a2, double b, double c1c2, double L, double P, double Dl)
{
    return [=](double& M, double& T, std::string& E) {
        return N1956Przekroj3(k, M, T, a1a2, b, c1c2, L, P, E, Dl);
    };
}
Wywolanie P4(int k, double a1a2, double b, double L, double P)
{
    return [=](double& M, double& T, std::string& E) { return N1956Przekroj4(k, M, T, a1a2, b, L, P, E, 12); };
}

const char* const ZlaLiczbaPasm = "Zła liczba pasm płyty";

TEST(N1956, WspolczynnikRedukcjiPasow)
{
    const std::pair<int, double> tabela[] = {{0, 1.0}, {1, 1.0}, {2, 1.0}, {3, 0.9}, {4, 0.9}, {5, 0.8},
                                             {6, 0.8}, {7, 0.7}, {8, 0.7}, {9, 0.6}, {15, 0.6}};
    for (auto [m, r] : tabela) EXPECT_EQ(WspRedukcjiPasm(m), r) << "m = " << m;
}

TEST(N1956, WynikiPrzekrojow)
{
    SprawdzWyniki({
        // m = 4, psi = 0,295, psiC = 0,65, q = 10,4: 24·3,6·0,295 + 0,375·10,4.
        {"p0 klasa II", P0(2, 8, 1.5, 1, 20, 5, 20), 29.388, 117.552},
        // VM(20) = 34,08, VT(20) = 140,16.
        {"p0 klasa I", P0(1, 8, 1.5, 1, 20, 5, 20), 40.09296, 164.44992},
        // u = 1,1, s = 0,55: m = 4, psi = 0,305; 16·3,6·0,305 + 3,9.
        {"p0 klasa III", P0(3, 8, 1.5, 1, 20, 5, 20), 21.468, 85.872},
        // Jeden pas: m = Trunc(1,9/1,5) = 1, psi = etaG(2,3) = 0,14; 24·0,14.
        {"p1 jeden pas", P1(2, 4, -1.5, 20, 5), 3.36, 13.44},
        // Klasa III: m = Trunc(7,6/1,5) = 5, psi = etaG(2,7) = 0,33; 16·4·0,33.
        {"p1 klasa III", P1(3, 8, 1, 20, 5), 21.12, 84.48},
        // Jedenaście pasów jeszcze wolno: n = 2, psi = 1 − 8,3/17, r = 0,6.
        {"p1 11 pasów", P1(2, 17, 0, 20, 2), 81.0635294117647, 324.2541176470588},
        // L = 270 nie jest tu odmawiane: VM = 174, m = 4, psi = 0,395.
        {"p1 L = 270", P1(2, 8, 1, 270, 5), 247.428, 989.712},
        // m = 3, psi = 1 − 2,3/6, beta = 1,125, q = 18.
        {"p2 klasa I", P2(1, 6, 1, 0.5, 0.25, 0.5, 20), 63.4932, 260.3664},
        {"p2 klasa III", P2(3, 6, 1, 0.5, 0.25, 0.5, 20), 36.03, 144.12},
        // Jeden pas w przekroju 2 jest dopuszczalny: psi = 1 − 0,55/2 = 0,725; 24·0,725.
        {"p2 jeden pas", P2(2, 2, 0, 0.5, 0, 0.5, 20), 17.4, 69.6},
        // P = 10: Bs = 9; m = 5, r = 0,8; (4·19,2 + 0,375·2·12/1,29) / 9.
        {"p3 klasa II", P3(2, 1, 7, 3, 12, 10, 12), 9.308527131782946, NieDotyczy},
        // 10,5/1,5 w arytmetyce double daje 6,999999999999999: wciąż 7 pasów, r = 0,7.
        {"p3 margines liczby pasów", P3(3, 2.3, 7.1, 1, 12, 10, 12), 4.9 * 12.8 / 9, NieDotyczy},
        {"p3 L = 270", P3(1, 1, 7, 3, 270, 10, 30), 101.35345679012346, NieDotyczy},
        // P = 9: Bs = 8; m = 5: 4·19,2/8; klasa III: 4·12,8/8.
        {"p4 klasa II", P4(2, 1, 7, 12, 9), 9.6, NieDotyczy},
        {"p4 klasa III", P4(3, 1, 7, 12, 9), 6.4, NieDotyczy},
        {"p4 L = 270", P4(2, 1, 7, 270, 9), 87.0, NieDotyczy},
    });
}

TEST(N1956, Odmowy)
{
    const std::string L270 = "Parametr L nie może być równy 270";
    SprawdzOdmowy({
        {"p0 klasa 4", P0(4, 8, 1.5, 1, 270, 5, 20), "Zła klasa : 4"},
        {"p1 klasa 0", P1(0, 8, 1, 20, 5), "Zła klasa : 0"},
        {"p2 klasa 4", P2(4, 6, 1, 0.5, 0.25, 0.5, 20), "Zła klasa : 4"},
        {"p3 klasa 4", P3(4, 1, 7, 3, 12, 10, 12), "Zła klasa : 4"},
        {"p4 klasa 4", P4(4, 1, 7, 12, 9), "Zła klasa : 4"},
        {"p0 L = 270", P0(2, 8, 1.5, 1, 270, 5, 20), L270},
        {"p2 L = 270", P2(2, 6, 1, 0.5, 0.25, 0.5, 270), L270},
        {"p0 B = 0 przed L = 0", P0(2, 0, 1.5, 1, 0, 5, 20), "Parametr B musi być różny od zera"},
        {"p0 L = 0", P0(2, 8, 1.5, 1, 0, 0, 20), "Parametr L musi być różny od zera"},
        {"p0 n = 0", P0(2, 8, 1.5, 1, 20, 0, 20), "Parametr n musi być różny od zera"},
        {"p0 n = 1", P0(2, 8, 1.5, 1, 20, 1, 20), "Za mała wartość parametru n"},
        // w = 3 − 1,5 = 1,5; Trunc(2,4/1,5) = 1 < 2.
        {"p0 jeden pas", P0(2, 4, 1.5, 0, 20, 5, 20), ZlaLiczbaPasm},
        {"p1 B = 0", P1(2, 0, 1, 20, 5), "Parametr B musi być różny od zera"},
        {"p1 n = 1", P1(2, 8, 1, 20, 1), "Za mała wartość parametru n"},
        {"p1 zero pasów", P1(2, 4, -2.5, 20, 5), ZlaLiczbaPasm},
        {"p1 12 pasów", P1(2, 18, 0, 20, 2), ZlaLiczbaPasm},
        {"p2 B = 0", P2(2, 0, 1, 0.5, 0.25, 0.5, 20), "Parametr B musi być różny od zera"},
        {"p2 L = 0", P2(2, 6, 1, 0.5, 0.25, 0.5, 0), "Parametr L musi być różny od zera"},
        {"p2 zero pasów", P2(2, 1.5, 0, 0.5, 0, 0.5, 20), ZlaLiczbaPasm},
        {"p2 12 pasów", P2(2, 18.5, 0, 0, 0, 0, 20), ZlaLiczbaPasm},
        {"p3 P = 0 przed L = 0", P3(2, 1, 7, 3, 0, 0, 12), "Parametr P musi być różny od zera"},
        {"p3 L = 0", P3(2, 1, 7, 3, 0, 10, 12), "Parametr L musi być różny od zera"},
        {"p4 P = 0", P4(2, 1, 7, 12, 0), "Parametr P musi być różny od zera"},
        {"p4 L = 0", P4(2, 1, 7, 0, 9), "Parametr L musi być różny od zera"},
    });
}

TEST(N1956, Slad)
{
    // Przekrój 0 pisze tylko wiersz współczynnika dynamicznego (z separatorem regionalnym).
    EXPECT_EQ(SladWywolania(P0(2, 8, 1.5, 1, 20, 5, 20), ','), std::vector<std::string>{"  Fi(20,00)=1,25000"});
    // Odmowa liczby pasów przychodzi przed Fi.
    EXPECT_TRUE(SladWywolania(P0(2, 4, 1.5, 0, 20, 5, 20)).empty());
    EXPECT_TRUE(SladWywolania(P1(2, 8, 1, 20, 5)).empty());
    EXPECT_EQ(SladWywolania(P3(2, 1, 7, 3, 12, 10, 12)),
              (std::vector<std::string>{"  [N] = 10.0000000", "  [B] = 9.0000000", "  Fi(12.00)=1.29000"}));
    EXPECT_EQ(SladWywolania(P4(2, 1, 7, 12, 9)), (std::vector<std::string>{"  [N] = 9.0000000", "  [B] = 8.0000000"}));
}

}  // namespace
