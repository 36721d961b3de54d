// Efekty pojazdu nienormatywnego: przykłady policzone ręcznie, pojazd umowny 32 t jako pociąg
// sił i losowe pociągi z niezależnego przeliczenia (tests/dane/niezalezne/przejazd.py).
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "wspprzec/PojazdNienormatywny.h"
#include "wspprzec/Pojazdy.h"

namespace {

using namespace testy;

// M to moment maksymalny przez rozpiętość [kN], T reakcja [kN].
TEST(PojazdNienormatywny, PrzykladyReczne)
{
    const struct {
        const char* opis;
        std::vector<double> P, S;
        double L, M, T;
    } przypadki[] = {
        // Jedna oś 10 t na 8 m: M = P·L/4 / L = 100/4 = 25; T = 100.
        {"jedna oś", {10}, {}, 8, 25, 100},
        // Dwie osie 10 t co 2 m na 8 m: P(L − a/2)²/(2L) = 100·7²/16 = 306,25 kNm, M = 38,28125;
        // T = 100 + 100·6/8 = 175.
        {"dwie osie obie na przęśle", {10, 10}, {2}, 8, 38.28125, 175},
        // Co 5 m > 0,586·8: jedna oś w środku daje więcej (200 > 100·5,5²/16 = 189,06): M = 25;
        // T = 100 + 100·3/8 = 137,5.
        {"dwie osie, jedna rządzi", {10, 10}, {5}, 8, 25, 137.5},
        // Rozstaw 10 m dłuższy niż przęsło 8 m: osie zawsze osobno; M = 25, T = 100.
        {"rozstaw dłuższy niż przęsło", {10, 10}, {10}, 8, 25, 100},
        // Element 1,5 m, oś 12 t: M = 120/4 = 30, T = 120; druga oś 6 t co 1,2 m: razem
        // 120 + 60·0,3/1,5 = 132 > 120; moment: 180·(1,5 − 0,4)²/(4·1,5) = 36,3 < 45, więc 30.
        {"element 1,5 m", {12, 6}, {1.2}, 1.5, 30, 132},
        // Pociąg pojazdu 42 t (120, 120, 100, 80 kN co 2,8, 5,2, 3,2 m) na 5 m: dwie osie 120 kN
        // 120·3,6²/10 = 155,52 kNm > 150, M = 31,104 (z q = 5: 34,229, wzór 40,725: 16 % mniej);
        // T = 120 + 120·2,2/5 = 172,8 (z q: 185,3 jak wzór).
        {"pociąg 42 t", {12, 12, 10, 8}, {2.8, 5.2, 3.2}, 5, 31.104, 172.8},
    };
    for (const auto& p : przypadki) {
        const tPociag pociag(tPojazd{"", p.P, p.S});
        EXPECT_NEAR(pociag.MomentMaksymalny(p.L) / p.L, p.M, 1e-12) << p.opis;
        EXPECT_NEAR(pociag.ReakcjaMaksymalna(p.L), p.T, 1e-12) << p.opis;
    }
}

// Pojazd umowny 32 t to pociąg 100, 100 (2,0 m), 70 (7,2 m), 50 kN (10,4 m od pierwszej osi)
// z q = 4 kN/m: wzory siły dokładnie dla każdej rozpiętości od 3 m (L ≤ 7,2: 200 − 200/L + 2L
// to dwie pierwsze osie, dalej wjeżdżają trzecia i czwarta), pierwszy wzór momentu
// (50(L − 1)²/L² + 0,5L: dwie osie 100 co 2 m) dla 3,5 ≤ L ≤ 10,5. Przy L = 8:
// M = 50·49/64 + 4 = 42,28125, T = 270 − 704/8 + 16 = 198.
TEST(PojazdNienormatywny, Pojazd32tJakWzory)
{
    const tPociag pociag({100, 100, 70, 50}, {0, 2, 7.2, 10.4});
    const auto e = EfektyPojazdu(pociag, 8, 8, 4);
    EXPECT_NEAR(e.M.Razem(), 42.28125, 1e-12);
    EXPECT_NEAR(e.T.Razem(), 198, 1e-12);
    for (double L : {3.0, 3.5, 5.0, 7.2, 7.21, 9.0, 10.4, 10.5, 12.0, 20.0, 40.0}) {
        double M = 0, T = 0;
        std::string msg;
        ASSERT_TRUE(PojazdUmowny(2, M, T, L, msg));
        const auto ef = EfektyPojazdu(pociag, L, L, 4);
        EXPECT_NEAR(ef.T.Razem(), T, 1e-12) << L;
        if (L >= 3.5 && L <= 10.5) {
            EXPECT_NEAR(ef.M.Razem(), M, 1e-12) << L;
        }
    }
}

TEST(PojazdNienormatywny, PociagiJakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/przejazd.txt", "Pociag");
    ASSERT_GE(wiersze.size(), 100u);
    for (const auto& w : wiersze) {
        const tPociag pociag(tPojazd{"", Liczby(w[0]), Liczby(w[1])});
        const double L = Liczba(w[2]);
        EXPECT_TRUE(Zgodna(pociag.MomentMaksymalny(L), Liczba(w[4]))) << w[0] << " " << w[1] << " L = " << L;
        EXPECT_TRUE(Zgodna(pociag.ReakcjaMaksymalna(L), Liczba(w[5]))) << w[0] << " " << w[1] << " L = " << L;
    }
}

}  // namespace
