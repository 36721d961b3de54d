// Tablica rozdziału: dla każdego normatywu i przekroju właściwa procedura modelu
// obciążenia z argumentami w ustalonej kolejności, dla obu stron i obu przejść.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "core/ObiektMostowy.h"
#include "core/Rozdzial.h"
#include "ModeleTestowe.h"

namespace {

using namespace modele_testowe;

struct Wiersz {
    int Normatyw, Przekroj, n;
    const char* nazwa;
    const char* argumenty;  // symbole jak w tablicy rozdziału
};

// K – numer klasy, Lit – litera klasy, n / nD – liczba dźwigarów jako int / double,
// a, c, cInna, e, g, k – wartości strony, L – rozpiętość zastępcza przejścia, Dl – długość.
const Wiersz Tablica[] = {
    {0, 0, 2, "N1926Przekroj0N2", "K out out a1a2 b c L Err Dl"},
    {0, 0, 5, "N1926Przekroj0", "K n out B c1c2 L out Err Dl"},
    {0, 2, 2, "N1926Przekroj2", "K out out B c g1 k1k2 L Err Dl"},
    {0, 3, 5, "N1926Przekroj3", "K out out L Err Dl"},
    {1, 0, 2, "N1945Przekroj0N2", "K out out a1a2 a b c L Err Dl"},
    {1, 0, 5, "N1945Przekroj0", "K n out B c1c2 e L out Err Dl"},
    {1, 2, 2, "N1945Przekroj2", "K out out B c g1 k1k2 L Err Dl"},
    {1, 3, 5, "N1945Przekroj3", "K out out L Err Dl"},
    {2, 0, 5, "N1952Przekroj0", "K out out B c e L nD Err Dl"},
    {2, 2, 2, "N1952Przekroj2", "K out out B c g1 k k1k2 L Err Dl"},
    {2, 3, 5, "N1952Przekroj3", "K out out b a1a2 c1c2 L P Err Dl"},
    {3, 0, 5, "N1956Przekroj0", "K out out B c e L nD Err Dl"},
    {3, 1, 5, "N1956Przekroj1", "K out out B e L nD Err Dl"},
    {3, 2, 2, "N1956Przekroj2", "K out out B c g1 k k1k2 L Err Dl"},
    {3, 3, 5, "N1956Przekroj3", "K out out a1a2 b c1c2 L P Err Dl"},
    {3, 4, 5, "N1956Przekroj4", "K out out a1a2 b L P Err Dl"},
    {4, 0, 5, "PN66Przekroj0", "K out out B c e L nD Err Dl"},
    {4, 1, 5, "PN66Przekroj1", "K out out B e L nD Err Dl"},
    {4, 2, 2, "PN66Przekroj2", "K out out B c g1 k k1k2 L Err Dl"},
    {4, 3, 5, "PN66Przekroj3", "K out out a1a2 b c1c2 P L Err Dl"},
    {4, 4, 5, "PN66Przekroj4", "K out out b a1a2 L P Err Dl"},
    {4, 5, 5, "PN66Przekroj5", "K out out B c g k a e L nD Err Dl"},
    {4, 6, 5, "PN66Przekroj6", "K out out g k a1a2 b c cInna P L Err Dl"},
    {5, 0, 5, "PN85Przekroj0", "Lit n out B c e L out Err Dl"},
    {5, 1, 5, "PN85Przekroj1", "Lit n out B e L out Err Dl"},
    {5, 2, 2, "PN85Przekroj2", "Lit out out B c g1 k L k1k2 Err Dl"},
    {5, 3, 5, "PN85Przekroj3", "Lit out out a1a2 b c e L P Err Dl"},
    {5, 4, 5, "PN85Przekroj4", "Lit out out a1a2 b L P Err Dl"},
    {5, 5, 5, "PN85Przekroj5", "Lit n out e B c g k a b L out Err Dl"},
    {5, 6, 5, "PN85Przekroj6", "Lit out out a1a2 b c e L P g k Err Dl"},
    {6, 0, 5, "DINPrzekroj0", "K n out B c e L out Err Dl"},
    {6, 2, 2, "DINPrzekroj2", "K out out B c g1 k k1k2 L Err Dl"},
    {6, 3, 5, "DINPrzekroj3", "K out out L Err Dl"},
};

// Każda wartość inna, by pomyłka argumentów była widoczna.
tObiektMostowy Obiekt(int Normatyw, int Przekroj, int n)
{
    tObiektMostowy o;
    o.Normatyw = static_cast<std::uint8_t>(Normatyw);
    o.Klasa = 1;
    o.Przekroj = static_cast<std::uint8_t>(Przekroj);
    o.a1 = 0.11;
    o.a2 = 0.12;
    o.b = 7.5;
    o.B = 8.25;
    o.c1 = 1.31;
    o.c2 = 1.32;
    o.e1 = 0.41;
    o.e2 = 0.42;
    o.k1 = 0.21;
    o.k2 = 0.22;
    o.P = 9.75;
    o.g1 = 0.51;
    o.g2 = 0.52;
    o.n = n;
    // Przęsło środkowe belki ciągłej: LM i LT są wielokrotnościami długości.
    o.DodajElement("Przęsło nr 2", rCiaglaSrodkowe, 30);
    return o;
}

std::string F(double x) { return Format("%0.2f", {x}); }

std::string Rozwin(const char* symbole, const tObiektMostowy& o, int s, double Leq)
{
    const bool lewa = s == 1;
    const bool bariery = o.Przekroj == 5 || o.Przekroj == 6;
    const std::map<std::string, std::string> wartosci = {
        {"K", "i2"},
        {"Lit", "'B'"},
        {"n", "i" + std::to_string(o.n)},
        {"nD", F(o.n)},
        {"a1a2", "0,23"},
        {"c1c2", "2,63"},
        {"k1k2", "0,43"},
        {"B", "8,25"},
        {"b", "7,50"},
        {"P", "9,75"},
        {"g1", "0,51"},
        {"a", lewa ? "0,11" : "0,12"},
        {"c", lewa ? "1,31" : "1,32"},
        {"cInna", lewa ? "1,32" : "1,31"},
        {"e", lewa ? "0,41" : "0,42"},
        {"k", lewa ? "0,21" : "0,22"},
        {"g", lewa || !bariery ? "0,51" : "0,52"},
        {"L", F(Leq)},
        {"Dl", "30,00"},
        {"out", "out"},
        {"Err", "Err"},
    };
    std::istringstream we(symbole);
    std::string symbol, wynik;
    while (we >> symbol) {
        if (!wynik.empty()) wynik += ' ';
        wynik += wartosci.at(symbol);
    }
    return wynik;
}

std::string Polacz(const std::vector<std::string>& v)
{
    std::string w;
    for (const auto& x : v) w += (w.empty() ? "" : " ") + x;
    return w;
}

class ObliczRozdzial : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = ',';
        Zeruj();
    }
    void TearDown() override { Zeruj(); }
};

TEST_F(ObliczRozdzial, KazdaProceduraZArgumentamiWUstalonejKolejnosci)
{
    const tModeleObciazenia modele = Zapisujace();
    for (const auto& w : Tablica) {
        SCOPED_TRACE(::testing::Message() << w.nazwa << " (n = " << w.n << ")");
        Zeruj();
        tObiektMostowy o = Obiekt(w.Normatyw, w.Przekroj, w.n);
        std::string Err;
        ASSERT_TRUE(ObliczObiekt(o, modele, Err)) << Err;
        const tElement& el = o.Elementy[1];
        ASSERT_EQ(Wywolania().size(), 4u);
        // Kolejność: strona 1 moment, strona 1 siła, strona 2 moment, strona 2 siła.
        for (int i = 0; i < 4; ++i) {
            const int s = i / 2 + 1;
            const double Leq = i % 2 == 0 ? el.LM : el.LT;
            EXPECT_EQ(Wywolania()[i].nazwa, w.nazwa);
            EXPECT_EQ(Polacz(Wywolania()[i].argumenty), Rozwin(w.argumenty, o, s, Leq)) << "strona " << s;
        }
    }
}

TEST_F(ObliczRozdzial, KombinacjeBezModeluKonczaSieBrakiemAlgorytmu)
{
    const tModeleObciazenia modele = Zapisujace();
    const std::pair<int, int> bezModelu[] = {
        {0, 1}, {0, 4}, {0, 5}, {0, 6}, {1, 1}, {1, 4}, {1, 5}, {1, 6}, {2, 1},
        {2, 4}, {2, 5}, {2, 6}, {3, 5}, {3, 6}, {6, 1}, {6, 4}, {6, 5}, {6, 6},
    };
    for (auto [normatyw, przekroj] : bezModelu) {
        SCOPED_TRACE(::testing::Message() << normatyw << "/" << przekroj);
        Zeruj();
        tObiektMostowy o = Obiekt(normatyw, przekroj, 5);
        std::string Err;
        EXPECT_FALSE(ObliczObiekt(o, modele, Err));
        EXPECT_EQ(Err, "Element Przęsło nr 2: Brak algorytmu");
        EXPECT_TRUE(Wywolania().empty());
    }
}

// Klasa trafia do modeli jako numer (indeks + 1) albo, dla PN-85/S-10030, jako litera.
TEST_F(ObliczRozdzial, PostacKlasy)
{
    const tModeleObciazenia modele = Zapisujace();
    tObiektMostowy pn85 = Obiekt(5, 4, 10);
    pn85.Klasa = 4;
    std::string Err;
    ASSERT_TRUE(ObliczObiekt(pn85, modele, Err));
    EXPECT_EQ(Wywolania().at(0).argumenty.at(0), "'E'");
    Zeruj();
    tObiektMostowy n1956 = Obiekt(3, 3, 10);
    n1956.Klasa = 0;
    ASSERT_TRUE(ObliczObiekt(n1956, modele, Err));
    EXPECT_EQ(Wywolania().at(0).argumenty.at(0), "i1");
}

}  // namespace
