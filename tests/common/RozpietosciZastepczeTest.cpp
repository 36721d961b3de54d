// Rozpiętości zastępcze: mnożniki przęseł, wspornik swobodny i wsporniki z przęsłem
// podwieszonym (tablice dawnych normatywów, wzory PN-85), wiersze śladu wyszukiwania.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Asercja.h"
#include "common/RozpietosciZastepcze.h"
#include "common/Slad.h"

namespace {

using namespace testy;

struct tRozpietosci {
    double LM = -1, LT = -1;
};

tRozpietosci Licz(int normatyw, int klasa, int rodzaj, double L, double W)
{
    tRozpietosci r;
    SladWyczysc();
    RozpietosciZastepcze(normatyw, klasa, rodzaj, L, W, r.LM, r.LT);
    return r;
}

// Mnożniki każdej grupy i rodzaju, wspornik swobodny PN-85 i PN-66, ramiona PN-85 na granicach
// pasm wysięgu i przedziałów Alfa: niezależne przeliczenie.
TEST(RozpietosciZastepcze, JakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/jednostkowe.txt", "Rozpietosci");
    ASSERT_GT(wiersze.size(), 100u);
    for (const auto& w : wiersze) {
        const auto r = Licz(std::stoi(w[0]), std::stoi(w[1]), std::stoi(w[2]), Liczba(w[3]), Liczba(w[4]));
        const std::string opis = w[0] + " " + w[1] + " " + w[2] + " L = " + w[3] + " W = " + w[4];
        EXPECT_TRUE(Zgodna(r.LM, Liczba(w[6]))) << opis << ": LM = " << r.LM;
        EXPECT_TRUE(Zgodna(r.LT, Liczba(w[7]))) << opis << ": LT = " << r.LT;
    }
}

// Tablice dawnych normatywów, sprawdzone ręcznie z wierszy tablic.
TEST(RozpietosciZastepcze, TabliceDawnychNormatywow)
{
    const struct {
        int normatyw, klasa, rodzaj;
        double L, W, LM, LT;
    } przypadki[] = {
        {0, 0, 7, 0, 2.25, 7.5, 3.25},         // między wierszami 2,0 (7 / 3) i 2,5 (8 / 3,5)
        {0, 0, 7, 0, 16, 38, 30.5},            // za tablicą: ostatni wiersz, bez ekstrapolacji
        {0, 0, 7, 0, 1, 5.5, 3},               // przed tablicą: pierwszy wiersz
        {6, 2, 7, 0, 2, 7, 3},                 // DIN w grupie 1926
        {1, 0, 7, 0, 2, 7, 3.5},
        {2, 0, 7, 0, 2, 6.5, 4},
        {3, 0, 7, 0, 1.5, 4, 7.5},             // 1956 klasa I i klasy II–III: różne kolumny
        {3, 1, 7, 0, 1.5, 5, 3},
        {0, 0, 8, 60, 6, 36.5, 69},            // Alfa = 0,1: węzeł tablicy
        {0, 0, 9, 5.46875, 1.75, 7.4, 9.65},   // dwuliniowo: W między 1,5 i 2,0, Alfa = 0,32
        {0, 0, 8, 3, 6, 13.5, 6},              // Alfa = 2: 11·T(1,0) − 10·T(0,9)
        {6, 0, 9, 120, 6, 40.75, 83.75},       // Alfa = 0,05: 1,5·T(0,1) − 0,5·T(0,2)
        {0, 0, 8, 17.5, 17.5, 52.5, 49.5},     // W za ostatnim wierszem: 2·T(17) − T(16,5)
        {4, 1, 9, 10, 5, 19.0, 20.0},          // W = 5, Alfa = 0,5: grupy tablic
        {3, 2, 9, 10, 5, 17.5, 18.5},          // siła 1956 kl. II–III = siła 1952
        {2, 0, 9, 10, 5, 17.5, 18.5},
        {1, 0, 9, 0, 4, NieDotyczy, NieDotyczy},  // brak przęsła podwieszonego
    };
    for (const auto& p : przypadki) {
        const auto r = Licz(p.normatyw, p.klasa, p.rodzaj, p.L, p.W);
        EXPECT_NEAR(r.LM, p.LM, 1e-12) << p.normatyw << " " << p.rodzaj << " W = " << p.W;
        EXPECT_NEAR(r.LT, p.LT, 1e-12) << p.normatyw << " " << p.rodzaj << " W = " << p.W;
    }
}

// Wiersze wyszukiwania (z przecinkiem sprawdzają je przypadki całych obiektów).
TEST(RozpietosciZastepcze, WierszeSladuZKropka)
{
    tSeparator kropka('.');
    Licz(0, 0, 7, 0, 2.25);
    EXPECT_EQ(Slad().Linie()[3], "  Rozpiętość zast. [1..2,1](2.25) = 7.50");
    EXPECT_EQ(Slad().Linie()[4], "  Rozpiętość zast. [1..2,2](2.25) = 3.25");
    EXPECT_EQ(Licz(0, 0, 7, 0, 15.0).LM, 38);
    EXPECT_EQ(Slad().Rozmiar(), 5u);  // koniec tablicy: bez wiersza interpolacji
    Licz(0, 0, 9, 5.46875, 1.75);
    const auto linie = Slad().Linie();
    EXPECT_EQ(std::vector<std::string>(linie.begin() + 3, linie.begin() + 7),
              (std::vector<std::string>{"  W= 1.75 L=5.47 Alfa=0.32", "    TAB [6.50..6.00]", "    TAB [8.50..8.00]",
                                        "  Lagrange([1.50..2.00,0.30..0.40])(1.75,0.32) = 7.40"}));
    Licz(5, 0, 8, 10, 6);
    EXPECT_EQ(Slad().Linia(3), "Alfa = 0.6000 [0.5,0.7]");
    EXPECT_EQ(Slad().Linia(4), "Apr. 22.7562 21.7537 LZM = 22.2549");
}

TEST(RozpietosciZastepcze, PrzedzialyAlfaPN85)
{
    const struct {
        double W, L, j0, j1;
    } przypadki[] = {{1, 20, 0.1, 0.3}, {3, 10, 0.1, 0.3}, {3.1, 10, 0.3, 0.5}, {5, 10, 0.3, 0.5}, {6, 10, 0.5, 0.7},
                     {7, 10, 0.5, 0.7}, {9, 10, 0.7, 0.9}, {9.5, 10, 0.9, 1.0}, {15, 10, 0.9, 1.0}};
    for (const auto& p : przypadki) {
        double Alfa = -1, j0 = -1, j1 = -1;
        SladWyczysc();
        PrzedzialAlfa(p.W, p.L, Alfa, j0, j1);
        EXPECT_EQ(Alfa, p.W / p.L);
        EXPECT_EQ(j0, p.j0) << p.W;
        EXPECT_EQ(j1, p.j1) << p.W;
        EXPECT_EQ(Slad().Rozmiar(), 1u);
    }
    double Alfa, j0, j1;
    EXPECT_THROW(PrzedzialAlfa(6, 1e-10, Alfa, j0, j1), BladAsercji);
    // Przęsło do 0,01 m: wynik 0 bez wierszy śladu.
    SladWyczysc();
    EXPECT_EQ(LZastMomentPN85(6, 0.01), 0);
    EXPECT_EQ(LZastSilaPN85(6, 0.01), 0);
    EXPECT_EQ(Slad().Rozmiar(), 0u);
    EXPECT_DOUBLE_EQ(WspLagrange(1.75, 1.5, 2.0), 0.5);
    EXPECT_DOUBLE_EQ(WspLagrange(2.5, 2.0, 1.5), -1.0);
}

}  // namespace
