// Pojazdy umowne i przeliczenie nośności elementu na masę pojazdu granicznego.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "wspprzec/Pojazdy.h"

namespace {

using namespace testy;

// Efekty sześciu pojazdów na granicach przedziałów wzorów i tuż za nimi (wartość na granicy
// należy do niższego przedziału) z niezależnego przeliczenia.
TEST(Pojazdy, EfektyJakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/jednostkowe.txt", "Pojazd");
    ASSERT_GT(wiersze.size(), 30u);
    for (const auto& w : wiersze) {
        double M = -1, T = -1;
        std::string Msg = "bez zmian";
        SladWyczysc();
        EXPECT_TRUE(PojazdUmowny(std::stoi(w[0]), M, T, Liczba(w[1]), Msg));
        EXPECT_TRUE(Zgodna(M, Liczba(w[3]))) << "k = " << w[0] << ", L = " << w[1] << ": M = " << M;
        EXPECT_TRUE(Zgodna(T, Liczba(w[4]))) << "k = " << w[0] << ", L = " << w[1] << ": T = " << T;
        EXPECT_EQ(Msg, "bez zmian");
        EXPECT_EQ(Slad().Rozmiar(), 0u);
    }
}

TEST(Pojazdy, OdmowaKrotkiejRozpietosciIZlaKategoria)
{
    double M = 7, T = 8;
    std::string Msg;
    EXPECT_FALSE(PojazdUmowny(1, M, T, 2.999, Msg));
    EXPECT_EQ(Msg, "Zła wartość parametru L: 3,00");
    EXPECT_EQ(M, 7);
    EXPECT_EQ(T, 8);
    for (int k : {0, 7}) {
        try {
            PojazdUmowny(k, M, T, 10, Msg);
            ADD_FAILURE() << "brak asercji dla k = " << k;
        } catch (const BladAsercji& b) {
            EXPECT_STREQ(b.what(), "Zła kategoria pojazdu");
        }
    }
}

// Skala przy L = 10: M = 55,05; 45,5; 42,6; 30,25; 19,5; 0 i T = 251,4; 219,6; 204; 148; 94; 0
// (policzone ręcznie ze wzorów pojazdów).
TEST(Pojazdy, MasaZPrzedzialuSkali)
{
    const struct {
        double MP, TP, masaM, masaT;
    } przypadki[] = {
        {-0.5, 1e20, 0, 42},      // ujemne MP: 0 t; TP "nie dotyczy" nie rządzi
        {0, 1e20, 0, 42},         // zero równe efektowi pojazdu 6
        {9.75, 1e20, 5, 42},      // połowa drogi od 0 do M[5]: 5 t
        {55.05, 1e20, 42, 42},    // MP = M[1]
        {1e20, 235.5, 42, 37},    // TP w połowie T[2]..T[1]; mniejsza z mas
        {36.425, 94, 20, 10},     // połowa M[4]..M[3]: 20 t; TP = T[5]: 10 t
        {42.6, 204.0, 24, 24},    // równe efektom pojazdu 3: przedział k = 2 pasuje pierwszy
    };
    for (const auto& p : przypadki) {
        tEfektyPojazdow M{}, T{};
        SladWyczysc();
        EXPECT_NEAR(PrzeliczPojazdy(M, T, 10, 10, p.MP, p.TP), std::min(p.masaM, p.masaT), 1e-12) << p.MP;
        const auto linie = Slad().Linie();
        ASSERT_GE(linie.size(), 4u);
        EXPECT_EQ(linie[linie.size() - 4], "  [Dla momentu ] = " + LiczbaStala(p.masaM, 7)) << p.MP;
        EXPECT_EQ(linie[linie.size() - 3], "  [Dla siły    ] = " + LiczbaStala(p.masaT, 7)) << p.TP;
        EXPECT_NEAR(M[3], 42.6, 1e-12);
        EXPECT_NEAR(T[4], 148, 1e-12);
    }
}

// Rozpiętość zastępcza poniżej 3 m: pojazdy liczone dla 3 m (ich efekty rosną z rozpiętością,
// więc to ocena bezpieczna), z wierszem śladu przy każdej takiej rozpiętości. Przy 3 m
// M[4] = 26,125 > M[1] = 24,5417: skala nie jest wygładzana.
TEST(Pojazdy, KrotkaRozpietoscLiczonaDla3m)
{
    tEfektyPojazdow M{}, T{};
    SladWyczysc();
    EXPECT_DOUBLE_EQ(PrzeliczPojazdy(M, T, 2.5, 10, 15.75, 1e20), 10);
    EXPECT_NEAR(M[4], 26.125, 1e-12);
    EXPECT_NEAR(T[5], 94, 1e-12);
    EXPECT_EQ(Slad().Linia(2), "  [Dług. M] = 2,5000000");
    EXPECT_EQ(Slad().Linia(3), "  Rozpiętość 2,50 < 3,00 m: pojazdy umowne liczone dla 3,00 m");
    EXPECT_EQ(Slad().Linia(4), "  [Dług. T] = 10,0000000");
    EXPECT_DOUBLE_EQ(PrzeliczPojazdy(M, T, 3.0, 3.0, 25, 1e20), 42);
    SladWyczysc();
    tSeparator kropka('.');
    PrzeliczPojazdy(M, T, 1.5, 0, 0, 0);
    EXPECT_EQ(Slad().Linia(3), "  Rozpiętość 1.50 < 3.00 m: pojazdy umowne liczone dla 3.00 m");
    EXPECT_EQ(Slad().Linia(5), "  Rozpiętość 0.00 < 3.00 m: pojazdy umowne liczone dla 3.00 m");
}

}  // namespace
