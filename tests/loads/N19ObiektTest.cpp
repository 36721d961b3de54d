// Całe obiekty normatywów 1926, 1945, 1952, 1956 i DIN 1072 przez Oblicz: rozpiętości
// zastępcze, modele obu stron, współczynniki przeciążenia i pojazd umowny. Wartości
// oczekiwane policzył niezależnie tests/dane/niezalezne/obiekt_stary.py (arytmetyka
// dokładna, ten sam zestaw danych w tablicy MOSTY).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "common/Slad.h"
#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"

namespace {

struct Wymiary {
    double a1, a2, b, B, c1, c2, e1, e2, k1, k2, P, g1, g2;
};

struct Most {
    const char* opis;
    int Normatyw, Klasa, Przekroj;
    Wymiary w;
    int n, Schemat;
    std::vector<double> przesla;
    double M1N, TN, MP, TP, Masa;
    int Najgorszy;
};

// Wypełnia obiekt jak okno: UstawDane, elementy ze schematu (skrajne wsporniki zerowe).
tObiektMostowy Zbuduj(int Normatyw, int Klasa, int Przekroj, const Wymiary& w, int n, int Schemat,
                      const std::vector<double>& przesla)
{
    tObiektMostowy o;
    o.UstawDane(Normatyw, Klasa, Przekroj, w.a1, w.a2, w.b, w.B, w.c1, w.c2, w.e1, w.e2, w.k1, w.k2, w.P, w.g1,
                w.g2, n, Schemat);
    std::array<double, MaksWierszy> dlugosci{};
    for (size_t i = 0; i < przesla.size(); ++i) dlugosci[i + 1] = przesla[i];
    DodajElementy(o, Schemat, static_cast<int>(przesla.size()), dlugosci);
    return o;
}

// Trzy sprawdzenia danych w kolejności okna, potem Oblicz.
bool SprawdzIOblicz(tObiektMostowy& o, std::string& Err)
{
    return o.SprawdzParametry(Err) && o.SprawdzSumy(Err) && o.SprawdzDlugosci(Err) && o.Oblicz(Err);
}

const Most Mosty[] = {
    {"1956 p0 kl. I, belka ciągła 2 x 24", 3, 0, 0, {0.5, 0.5, 7.0, 8.4, 1.5, 1.0, 1.2, 0.9, 0, 0, 0, 0, 0}, 5, 1, {24, 24},
     44.93360353980918, 210.85849116840882, 102.05021810539938, 476.1320768318909, 42.0, 1},
    {"1956 p1 kl. II, belka 15", 3, 1, 1, {0.5, 0.5, 7.0, 7.5, 0, 0, 0.25, 0.25, 0, 0, 0, 0, 0}, 4, 0, {15},
     27.5184, 110.0736, 51.921509433962264, 207.68603773584906, 21.068288047239008, 1},
    {"1956 p2 kl. III, belka 30", 3, 2, 2, {0.5, 0.5, 6.8, 9.0, 1.2, 1.0, 0, 0, 0.3, 0.3, 0, 0.6, 0}, 0, 0, {30},
     56.43055555555556, 225.72222222222223, 55.203804347826086, 220.81521739130434, 18.32642663043478, 1},
    {"1956 p3 kl. III, płyta 12", 3, 2, 3, {0.3, 0.3, 7.0, 0, 1.0, 1.0, 0, 0, 0, 0, 9.6, 0, 0}, 0, 0, {12},
     6.329672695951766, NieDotyczy, 31.742396671416387, NieDotyczy, 15.24092699539846, 1},
    {"1956 p4 kl. II, płyta 9", 3, 1, 4, {0.5, 0.5, 7.0, 0, 0, 0, 0, 0, 0, 0, 8.0, 0, 0}, 0, 0, {9},
     9.942857142857143, NieDotyczy, 40.96453766889615, NieDotyczy, 26.463540475968276, 1},
    {"1952 p0 kl. II, belka ciągła 15 + 30 + 15", 2, 1, 0, {0.5, 0.5, 6.0, 7.2, 1.25, 1.25, 1.15, 1.15, 0, 0, 0, 0, 0}, 4, 2, {15, 30, 15},
     26.419921875, 120.10359375, 52.83984375, 240.2071875, 24.071625316408575, 1},
    {"1952 p2 kl. I, belka 25", 2, 0, 2, {0.5, 0.5, 6.8, 9.0, 1.5, 1.5, 0, 0, 0.3, 0.3, 0, 0.6, 0}, 0, 0, {25},
     88.8188775510204, 355.2755102040816, 86.88803238686779, 347.55212954747117, 35.30657639654168, 1},
    {"1952 p3 kl. III, płyta 10", 2, 2, 3, {0.25, 0.25, 6.0, 0, 0.75, 0.75, 0, 0, 0, 0, 8.0, 0, 0}, 0, 0, {10},
     6.0989010989010985, NieDotyczy, 26.72621098490316, NieDotyczy, 14.033234038085485, 1},
    {"1945 p0 n = 5 kl. III, rama 2 x 20", 1, 2, 0, {0.5, 0.5, 7.0, 8.0, 1.5, 1.5, 1.5, 1.5, 0, 0, 0, 0, 0}, 5, 3, {20, 20},
     20.96338249047014, 123.57898078882498, 49.32560585992974, 290.77407244429406, 21.884825374310406, 1},
    {"1945 p0 n = 2 kl. I, belka 16", 1, 0, 0, {0.5, 0.5, 6.0, 6.0, 1.0, 1.5, 1.75, 1.75, 0, 0, 0, 0, 0}, 2, 0, {16},
     67.37152319881889, 299.9041265452756, 62.18909833737129, 276.8345783494852, 32.23210058251916, 1},
    {"1945 p2 kl. III, belka 40", 1, 2, 2, {0.5, 0.5, 7.0, 9.2, 1.5, 1.5, 0, 0, 0.3, 0.3, 0, 0.6, 0}, 0, 0, {40},
     85.20843489130435, 356.8353370652174, 82.9542434920635, 347.3952487830688, 29.145409619286312, 1},
    {"1945 p3 kl. III, płyta 8", 1, 2, 3, {0.5, 0.5, 6.0, 0, 1.0, 1.0, 0, 0, 0, 0, 9.0, 0, 0}, 0, 0, {8},
     6.4192675, NieDotyczy, 32.080271348993755, NieDotyczy, 19.626907865772225, 1},
    {"1926 p0 n = 6 kl. III, belka 22", 0, 2, 0, {0.25, 0.25, 6.5, 8.5, 1.25, 1.25, 0.5, 0.5, 0, 0, 0, 0, 0}, 6, 0, {22},
     18.79401515151515, 81.33083333333333, 54.65957970746158, 236.53855397148675, 21.36594417621686, 1},
    {"1926 p0 n = 2 kl. II, belka 12", 0, 1, 0, {0.25, 0.25, 5.5, 6.0, 0.8, 1.2, 1.0, 1.0, 0, 0, 0, 0, 0}, 2, 0, {12},
     42.75625, 193.78125, 40.88247011952191, 185.28884462151393, 19.85408232299911, 1},
    {"1926 p2 kl. II, belka 35", 0, 1, 2, {0.5, 0.5, 6.4, 8.6, 1.25, 1.25, 0, 0, 0.3, 0.3, 0, 0.6, 0}, 0, 0, {35},
     105.71671428571429, 443.88485714285713, 104.50157963875205, 438.78273234811167, 40.87092035764535, 1},
    {"1926 p3 kl. III, płyta 7", 0, 2, 3, {0.5, 0.5, 5.0, 0, 0.75, 0.75, 0, 0, 0, 0, 7.5, 0, 0}, 0, 0, {7},
     5.542857142857143, NieDotyczy, 25.166686888708234, NieDotyczy, 14.643689317907992, 1},
    {"DIN p0 kl. III, rama 20 + 24 + 20", 6, 2, 0, {0.5, 0.5, 7.0, 8.0, 1.5, 1.5, 1.5, 1.5, 0, 0, 0, 0, 0}, 5, 4, {20, 24, 20},
     22.039093531454732, 144.3472768389087, 51.85669066224643, 339.6406513856675, 23.769474576363393, 2},
    {"DIN p2 kl. II, belka 28", 6, 1, 2, {0.5, 0.5, 6.4, 8.6, 1.0, 1.25, 0, 0, 0.3, 0.3, 0, 0.6, 0}, 0, 0, {28},
     93.60293578996321, 400.0315260709824, 92.52703997628547, 395.4334625529251, 39.41668184346436, 1},
    {"DIN p3 kl. III, płyta 11", 6, 2, 3, {0.5, 0.5, 7.0, 0, 1.0, 1.0, 0, 0, 0, 0, 10.0, 0, 0}, 0, 0, {11},
     7.454545454545454, NieDotyczy, 39.16371757260822, NieDotyczy, 20.403128461177236, 1},
};

TEST(N19Obiekt, WynikiCalychObiektow)
{
    for (const Most& m : Mosty) {
        SCOPED_TRACE(m.opis);
        tObiektMostowy o = Zbuduj(m.Normatyw, m.Klasa, m.Przekroj, m.w, m.n, m.Schemat, m.przesla);
        ASSERT_EQ(o.LiczbaElementow, static_cast<int>(m.przesla.size()));
        std::string Err;
        ASSERT_TRUE(SprawdzIOblicz(o, Err)) << Err;
        EXPECT_NEAR(o.PodajM1N(), m.M1N, 1e-9);
        EXPECT_NEAR(o.PodajMP(), m.MP, 1e-9);
        if (m.TN == NieDotyczy) {
            EXPECT_EQ(o.PodajTN(), NieDotyczy);
            EXPECT_EQ(o.PodajTP(), NieDotyczy);
        } else {
            EXPECT_NEAR(o.PodajTN(), m.TN, 1e-9);
            EXPECT_NEAR(o.PodajTP(), m.TP, 1e-9);
        }
        EXPECT_NEAR(o.PodajMase(), m.Masa, 1e-9);
        EXPECT_EQ(o.NajgorszyElement(), m.Najgorszy);
    }
}

// Poprawne dane każdego rodzaju przekroju (sumy szerokości się zgadzają).
Wymiary DanePrzekroju(int Przekroj)
{
    switch (Przekroj) {
        case 1: return {0.5, 0.5, 7.0, 7.5, 0, 0, 0.25, 0.25, 0, 0, 0, 0, 0};
        case 4: return {0.5, 0.5, 7.0, 0, 0, 0, 0, 0, 0, 0, 8.0, 0, 0};
        case 5: return {0.5, 0.5, 7.0, 8.0, 1.0, 1.0, 1.0, 1.0, 0.2, 0.2, 0, 0.3, 0.3};
        default: return {0.5, 0.5, 7.0, 0, 1.0, 1.0, 0, 0, 0.2, 0.2, 10.0, 0.3, 0.3};
    }
}

TEST(N19Obiekt, PrzekrojeBezModeluToBrakAlgorytmu)
{
    struct Kombinacja {
        int Normatyw;
        std::vector<int> przekroje;
    };
    const Kombinacja bez[] = {{0, {1, 4, 5, 6}}, {1, {1, 4, 5, 6}}, {2, {1, 4, 5, 6}}, {6, {1, 4, 5, 6}}, {3, {5, 6}}};
    for (const Kombinacja& k : bez) {
        for (int p : k.przekroje) {
            SCOPED_TRACE("normatyw " + std::to_string(k.Normatyw) + ", przekrój " + std::to_string(p));
            tObiektMostowy o = Zbuduj(k.Normatyw, 0, p, DanePrzekroju(p), 5, 0, {20});
            std::string Err;
            EXPECT_FALSE(SprawdzIOblicz(o, Err));
            EXPECT_EQ(Err, "Element Przęsło: Brak algorytmu");
            // Ślad kończy się na nagłówku przejścia dla momentu pierwszej strony.
            EXPECT_EQ(Slad().Linia(Slad().Rozmiar() - 1), "Obliczenia dla momentu");
        }
    }
}

}  // namespace
