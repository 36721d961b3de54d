// Model PN-85/S-10030. Wartości oczekiwane: przykład klasy A sprawdzony ręcznie,
// pozostałe z niezależnego przeliczenia tests/dane/niezalezne/jednostkowe.py.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"
#include "loads/Wspolne.h"
#include "wspprzec/Rozklad.h"

namespace {

using Model = std::function<bool(char, double&, double&, std::string&)>;

// Rozpiętość zastępcza różna od długości elementu: Fi i rzędne płyt biorą Dl.
constexpr double L = 15.72, Dl = 20.0;

// Pomosty przykładowe każdego rodzaju przekroju.
Model Typ(int typ)
{
    switch (typ) {
        case 0: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj0(k, 5, M, 8, 1.5, 1.0, L, T, E, Dl); };
        case 1: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj1(k, 4, M, 7.5, 0.75, L, T, E, Dl); };
        case 2: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj2(k, M, T, 9.6, 1.5, 0.6, 0.3, L, 0.6, E, Dl); };
        case 3: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj3(k, M, T, 1.0, 7.0, 1.0, 0.5, L, 9.0, E, Dl); };
        case 4: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj4(k, M, T, 1.0, 7.0, L, 8.0, E, Dl); };
        case 5: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj5(k, 5, M, 1.2, 9, 1.0, 0.4, 0.2, 0.5, 7.0, L, T, E, Dl); };
        default: return [](char k, double& M, double& T, std::string& E) {
            return PN85Przekroj6(k, M, T, 1.0, 7.0, 1.0, 0.5, L, 10.0, 0.4, 0.2, E, Dl); };
    }
}

void ExpectBlisko(double wynik, double oczekiwana, const std::string& opis)
{
    if (oczekiwana == NieDotyczy) EXPECT_EQ(wynik, NieDotyczy) << opis;
    else EXPECT_NEAR(wynik, oczekiwana, 1e-9 * std::fabs(oczekiwana)) << opis;
}

class PN85 : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = '.';
        SladWyczysc();
    }
    void TearDown() override { Regionalne().SeparatorDziesietny = ','; }
};

TEST_F(PN85, PrzykladKlasyAPrzekroj0)
{
    // ηG(x) = (9 − 1,5x)/15; w = 9·8/12 + 1 − 1,5 = 5,5; ηK = ηG(2,5) = 0,35;
    // Aq = 5,5·20·0,55/2 = 30,25; Ac = 1,5·20·ηG(−0,25) = 18,75; Fi = 1,25;
    // M1N = 200·0,88·0,35 + (0,5·30,25 + 0,3125·18,75)/1,25 = 61,6 + 16,7875;
    // TN = 200·3,64·0,35 + (2·30,25 + 1,25·18,75)/1,25 = 254,8 + 67,15.
    EXPECT_DOUBLE_EQ(ZasiegLiniiWplywu(5, 8) + 1.0 - 1.5, 5.5);
    EXPECT_DOUBLE_EQ(RzednaDzwigara(5, 8, 2.5), 0.35);
    EXPECT_DOUBLE_EQ(5.5 * 20 * RzednaDzwigara(5, 8, 0.5) / 2, 30.25);
    EXPECT_DOUBLE_EQ(1.5 * 20 * RzednaDzwigara(5, 8, -0.25), 18.75);
    EXPECT_DOUBLE_EQ(PojazdKMoment('A', 20), 176);
    EXPECT_DOUBLE_EQ(PojazdKSila('A', 20), 728);

    double M1N = 0, TN = 0;
    std::string Err = "stary komunikat";
    ASSERT_TRUE(PN85Przekroj0('A', 5, M1N, 8, 1.5, 1.0, 20, TN, Err, 20));
    EXPECT_EQ(Err, "");
    EXPECT_NEAR(M1N, 78.3875, 1e-12);
    EXPECT_NEAR(TN, 321.95, 1e-12);
    // Typ 0 pisze tylko wiersz współczynnika dynamicznego.
    EXPECT_EQ(Slad().Linie(), std::vector<std::string>{"  Fi(20.00)=1.25000"});
}

TEST_F(PN85, KlasaCNaKrotkimPrzesle)
{
    // L = 5: MS = 60 − 72/5 = 45,6, TS = 300 − 432/5 = 213,6; ηS = 2·ηG(3,3) = 0,54.
    // Pojazd K: 52·0,35 + (0,25·7,5625 + 0,3125·4,6875)/1,325 = 20,7324 < 45,6·0,54
    // + 1,46484375/1,325 = 25,7295; ścinanie 99,7297 < 213,6·0,54 + 5,859375/1,325.
    EXPECT_DOUBLE_EQ(PojazdSMoment('C', 5), 45.6);
    EXPECT_DOUBLE_EQ(PojazdSSila('C', 5), 213.6);
    double M1N = 0, TN = 0;
    std::string Err;
    ASSERT_TRUE(PN85Przekroj0('C', 5, M1N, 8, 1.5, 1.0, 5, TN, Err, 5));
    EXPECT_NEAR(M1N, 45.6 * 0.54 + 1.46484375 / 1.325, 1e-12);
    EXPECT_NEAR(TN, 213.6 * 0.54 + 5.859375 / 1.325, 1e-12);
}

TEST_F(PN85, PojazdSNaProgachIPrzedzialach)
{
    struct {
        char klasa;
        double L, MS, TS;
    } przypadki[] = {
        {'C', 3.0, 36, 192},  {'C', 4.8, 45, 210},   {'C', 7.2, 50, 240},  {'C', 36, 70, 288},
        {'D', 3.0, 30, 120},  {'D', 3.6, 30, 120},   {'D', 7.2, 30, 160},  {'D', 36, 46, 192},
        {'E', 3.0, 25, 100},  {'E', 3.6, 25, 100},   {'E', 7.2, 25, 125},  {'E', 36, 35, 145},
        {'A', 10, 0, 0},      {'B', 10, 0, 0},
    };
    for (auto p : przypadki) {
        EXPECT_NEAR(PojazdSMoment(p.klasa, p.L), p.MS, 1e-12) << p.klasa << " " << p.L;
        EXPECT_NEAR(PojazdSSila(p.klasa, p.L), p.TS, 1e-12) << p.klasa << " " << p.L;
    }
}

TEST_F(PN85, WszystkieRodzajeIKlasy)
{
    struct {
        char klasa;
        int typ;
        double M1N, TN;
    } przypadki[] = {
        {'A', 0, 72.5079520992, 300.718831298}, {'A', 1, 97.0001479389, 402.962423817},
        {'A', 2, 156.518067915, 648.336902704}, {'A', 3, 27.7650938827, 1e+20},
        {'A', 4, 28.5428181727, 1e+20},         {'A', 5, 79.1884455573, 328.560398005},
        {'A', 6, 24.7736228121, 1e+20},         {'B', 0, 55.3020578244, 229.223498473},
        {'B', 1, 72.7501109542, 302.221817863}, {'B', 2, 119.023492343, 492.792442653},
        {'B', 3, 20.9888437919, 1e+20},         {'B', 4, 21.4071136295, 1e+20},
        {'B', 5, 59.9895675013, 248.813231837}, {'B', 6, 18.7387194499, 1e+20},
        {'C', 0, 38.0961635496, 161.897805344}, {'C', 1, 48.5000739695, 201.481211908},
        {'C', 2, 88.6246892891, 378.162879294}, {'C', 3, 16.0324898784, 1e+20},
        {'C', 4, 15.8394232528, 1e+20},         {'C', 5, 42.4998035623, 181.561555216},
        {'C', 6, 14.3015022374, 1e+20},         {'D', 0, 31.2138058397, 129.130032519},
        {'D', 1, 38.8000591756, 161.184969527}, {'D', 2, 66.531086541, 275.030198581},
        {'D', 3, 11.5020936647, 1e+20},         {'D', 4, 11.4171272691, 1e+20},
        {'D', 5, 33.1111382229, 137.167199202}, {'D', 6, 10.289854743, 1e+20},
        {'E', 0, 24.3314481298, 100.531899389}, {'E', 1, 29.1000443817, 120.888727145},
        {'E', 2, 51.533256312, 212.812414561},  {'E', 3, 8.79159362832, 1e+20},
        {'E', 4, 8.56284545181, 1e+20},         {'E', 5, 25.4315870005, 105.268332735},
        {'E', 6, 7.87589339811, 1e+20},
    };
    for (auto p : przypadki) {
        double M1N = 0, TN = 0;
        std::string Err = "x";
        std::string opis = std::string("klasa ") + p.klasa + ", typ " + std::to_string(p.typ);
        ASSERT_TRUE(Typ(p.typ)(p.klasa, M1N, TN, Err)) << opis;
        EXPECT_EQ(Err, "") << opis;
        ExpectBlisko(M1N, p.M1N, opis);
        ExpectBlisko(TN, p.TN, opis);
    }
}

TEST_F(PN85, ZlaKlasaNieRuszaWynikow)
{
    for (char klasa : {'F', '@', 'a'}) {
        for (int typ = 0; typ <= 6; ++typ) {
            SladWyczysc();
            double M1N = -7, TN = -8;
            std::string Err;
            EXPECT_FALSE(Typ(typ)(klasa, M1N, TN, Err));
            EXPECT_EQ(Err, std::string("Zła klasa ") + klasa);
            EXPECT_EQ(M1N, -7);
            EXPECT_EQ(TN, -8);
            EXPECT_EQ(Slad().Rozmiar(), 0u);
        }
    }
    std::string Err = "x";
    EXPECT_TRUE(SprawdzKlasePN85('E', Err));
    EXPECT_FALSE(SprawdzKlasePN85('F', Err));
    EXPECT_EQ(Err, "Zła klasa F");
}

TEST_F(PN85, DwudzwigaroweOdmawiaL270)
{
    double M1N = -7, TN = -8;
    std::string Err;
    EXPECT_FALSE(PN85Przekroj2('A', M1N, TN, 9.6, 1.5, 0.6, 0.3, 270, 0.6, Err, 270));
    EXPECT_EQ(Err, "Parametr L nie może być równy 270");
    EXPECT_EQ(M1N, -7);
    EXPECT_TRUE(PN85Przekroj2('A', M1N, TN, 9.6, 1.5, 0.6, 0.3, 269.9999, 0.6, Err, 120));
    EXPECT_EQ(Err, "");
    // Inne rodzaje nie sprawdzają rozpiętości 270.
    EXPECT_TRUE(PN85Przekroj0('A', 5, M1N, 8, 1.5, 1.0, 270, TN, Err, 120));
}

TEST_F(PN85, ChodnikWezszyOdPolMetra)
{
    // c = 0,4 m: w typach 5 i 6 chodnik nie jest obciążany, w 0, 2 i 3 tak.
    struct {
        int typ;
        double M1N, TN;
    } przypadki[] = {
        {0, 69.80605685496184, 289.7585785648855}, {2, 114.13760171755726, 473.24888015267175},
        {3, 22.175792409337795, 1e20},             {5, 66.0478681221374, 274.26780836641217},
        {6, 19.517801833688694, 1e20},
    };
    for (auto p : przypadki) {
        double M1N = 0, TN = 0;
        std::string Err;
        bool ok = false;
        switch (p.typ) {
            case 0: ok = PN85Przekroj0('B', 5, M1N, 8, 0.4, 1.0, L, TN, Err, Dl); break;
            case 2: ok = PN85Przekroj2('B', M1N, TN, 9.6, 0.4, 0.6, 0.3, L, 0.6, Err, Dl); break;
            case 3: ok = PN85Przekroj3('B', M1N, TN, 1.0, 7.0, 0.4, 0.5, L, 9.0, Err, Dl); break;
            case 5: ok = PN85Przekroj5('B', 5, M1N, 1.2, 9, 0.4, 0.4, 0.2, 0, 0, L, TN, Err, Dl); break;
            case 6: ok = PN85Przekroj6('B', M1N, TN, 1.0, 7.0, 0.4, 0.5, L, 10.0, 0.4, 0.2, Err, Dl); break;
        }
        ASSERT_TRUE(ok) << p.typ;
        ExpectBlisko(M1N, p.M1N, "typ " + std::to_string(p.typ));
        ExpectBlisko(TN, p.TN, "typ " + std::to_string(p.typ));
    }
}

TEST_F(PN85, SladWielodzwigarowegoBezKraweznikow)
{
    double M1N = 0, TN = 0;
    std::string Err;
    ASSERT_TRUE(PN85Przekroj1('D', 4, M1N, 7.5, 0.75, L, TN, Err, Dl));
    const std::vector<std::string> oczekiwane = {
        "  [S] = 6.08333",        "  [Gamma k] = 0.49000", "  [Gamma q] = 0.36500",
        "  Fi(20.00)=1.25000",    "  [Fi] = 1.25000",      "  [Gamma s] = 0.71000",
        "  [M1n] = 38.80006",     "  [M1s] = 28.99618",    "  [Tn] = 161.18497",
        "  [Ts] = 128.9923664",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);

    // Klasy C i E: Mn, Ms, Tn, Ts; klasy A i B bez wartości kandydujących.
    for (char klasa : {'A', 'B', 'C', 'E'}) {
        SladWyczysc();
        ASSERT_TRUE(PN85Przekroj1(klasa, 4, M1N, 7.5, 0.75, L, TN, Err, Dl));
        auto linie = Slad().Linie();
        if (klasa <= 'B') {
            EXPECT_EQ(linie.size(), 6u) << klasa;
        } else {
            ASSERT_EQ(linie.size(), 10u) << klasa;
            EXPECT_EQ(linie[6].substr(0, 7), "  [Mn] ");
            EXPECT_EQ(linie[7].substr(0, 7), "  [Ms] ");
            // Tylko klasa D pisze Ts z siedmioma miejscami.
            EXPECT_EQ(linie[9].size() - linie[9].find('.') - 1, 5u) << linie[9];
        }
    }
}

TEST_F(PN85, SladPlytyZBarierami)
{
    double M1N = 0, TN = 0;
    std::string Err;
    ASSERT_TRUE(PN85Przekroj6('C', M1N, TN, 1.0, 7.0, 1.0, 0.5, L, 10.0, 0.4, 0.2, Err, Dl));
    // P = 10: N = 10, Bs = 9, Alfa = max(0,4; 9/20) = 0,45 (długość elementu, nie L).
    const std::vector<std::string> oczekiwane = {
        "  [S] = 8.0000000",
        "  [N] = 10.0000000",
        "  [B] = 9.0000000",
        "  [N] = 10.0000000",
        "Obliczenie rzędnych",
        "  [N] = 10.0000000",
        "  [B] = 9.0000000",
        "  [Alfa] = 0.4500000",
        "  [Eta 1] = 0.1613255",
        "  [Eta n] = 0.0686198",
        "  [L] = 15.7200000",
        "  [Gamma k] = 0.1154991",
        "  [S] = 8.0000000",
        "  [Gamma q] = 0.0907776",
        "  [X1] = 1.0000000",
        "  [Gamma c] = 0.1613255",
        "  Fi(20.00)=1.25000",
        "  [FI] = 1.2500000",
        "  [M1N] = 12.7038161",
        "  [M1S] = 14.3015022",
        "  [Końcowe M1N] = 14.3015022",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);

    // Klasa A kończy wierszem wyniku, klasa B bez wierszy wyniku.
    SladWyczysc();
    ASSERT_TRUE(PN85Przekroj6('A', M1N, TN, 1.0, 7.0, 1.0, 0.5, L, 10.0, 0.4, 0.2, Err, Dl));
    EXPECT_EQ(Slad().Rozmiar(), 19u);
    EXPECT_EQ(Slad().Linia(18), "  [M1N] = 24.7736228");
    SladWyczysc();
    ASSERT_TRUE(PN85Przekroj6('B', M1N, TN, 1.0, 7.0, 1.0, 0.5, L, 10.0, 0.4, 0.2, Err, Dl));
    EXPECT_EQ(Slad().Rozmiar(), 18u);
    EXPECT_EQ(Slad().Linia(17), "  [FI] = 1.2500000");
}

}  // namespace
