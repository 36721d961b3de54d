// Całe obiekty obliczone przez Oblicz z modelami PN-85/S-10030 i PN-66/B-02015.
// Wartości oczekiwane z niezależnego przeliczenia: tests/dane/niezalezne/pn85.py
// i pn66.py (te same dane obiektów), obiekt.py dla rozpiętości zastępczych,
// współczynników przeciążenia i pojazdów umownych.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "common/Slad.h"
#include "common/Wyliczenia.h"
#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"

namespace {

struct tPrzekrojTestowy {
    double a1, a2, b, B, c1, c2, e1, e2, k1, k2, P, g1, g2;
    int n;
};

// Wyniki elementu: M1N, TN, MP, TP i masa pojazdu granicznego.
using tWynikElementu = std::array<double, 5>;

struct tObiektTestowy {
    const char* Opis;
    int Normatyw, Klasa, Przekroj;
    tPrzekrojTestowy Wymiary;
    int Schemat, N;
    std::vector<double> Pola;  // długości pól edytora przęseł, od pola 1
    int Najgorszy;
    std::vector<tWynikElementu> Elementy;
};

// Wypełnia obiekt jak przeliczenie okna: UstawDane, elementy ze schematu, trzy
// sprawdzenia i Oblicz. Zwraca komunikat pierwszego błędu albo pusty tekst.
std::string Przelicz(tObiektMostowy& o, int Normatyw, int Klasa, int Przekroj, const tPrzekrojTestowy& w,
                     int Schemat, int N, const std::vector<double>& pola)
{
    o.UstawDane(Normatyw, Klasa, Przekroj, w.a1, w.a2, w.b, w.B, w.c1, w.c2, w.e1, w.e2, w.k1, w.k2, w.P, w.g1, w.g2,
                w.n, Schemat);
    std::array<double, MaksWierszy> dlugosci{};
    for (size_t i = 0; i < pola.size(); ++i) dlugosci[i] = pola[i];
    DodajElementy(o, Schemat, N, dlugosci);
    std::string Msg;
    if (!o.SprawdzParametry(Msg) || !o.SprawdzSumy(Msg) || !o.SprawdzDlugosci(Msg) || !o.Oblicz(Msg))
        return Msg.empty() ? "?" : Msg;
    return "";
}

void ExpectBlisko(double wynik, double oczekiwana, const std::string& opis)
{
    if (oczekiwana >= NieDotyczy) EXPECT_EQ(wynik, NieDotyczy) << opis;
    else EXPECT_NEAR(wynik, oczekiwana, 1e-9 * std::max(1.0, std::fabs(oczekiwana))) << opis;
}

// Przekroje przykładowe: wymiary spełniają sprawdzenie sum każdego rodzaju.
const tPrzekrojTestowy Wielodzwigarowy0 = {0.5, 0.5, 7.5, 10, 1.5, 1.0, 0.5, 0.5, 0, 0, 0, 0, 0, 6};
const tPrzekrojTestowy Wielodzwigarowy1 = {0.5, 0.5, 7.0, 7.5, 0, 0, 0.25, 0.25, 0, 0, 0, 0, 0, 4};
const tPrzekrojTestowy Dwudzwigarowy2 = {0.5, 0.5, 7.4, 9.6, 1.5, 1.5, 0, 0, 0.3, 0.3, 0, 0.6, 0, 7};
const tPrzekrojTestowy Plyta3 = {0.5, 0.5, 7.0, 0, 1.0, 1.0, 0, 0, 0, 0, 10.0, 0, 0, 3};
const tPrzekrojTestowy Plyta4 = {1.0, 1.0, 7.0, 0, 0, 0, 0, 0, 0, 0, 9.0, 0, 0, 0};
const tPrzekrojTestowy Bariery5 = {0.5, 0.5, 7.0, 9, 1.0, 0.4, 1.2, 1.0, 0.2, 0.2, 0, 0.5, 0.4, 3};
const tPrzekrojTestowy PlytaBariery6 = {0.5, 0.5, 7.0, 0, 1.0, 0.3, 0.3, 0.3, 0.2, 0.2, 11.0, 0.4, 0.4, 0};

const std::vector<tObiektTestowy>& Obiekty()
{
    static const std::vector<tObiektTestowy> obiekty = {
        {"PN-85 typ 0, ciągła 18+24+18, klasa E", nPN85, 4, 0, Wielodzwigarowy0, sCiaglaWieloprzeslowa, 3, {0, 18, 24, 18, 0},
         1,
          {{21.0181971767, 99.9571118073, 56.4956322514, 265.640873426, 25.0836875848},
           {22.4169998968, 106.14628565, 59.9329644005, 280.338113827, 25.77985414},
           {21.0181971767, 99.9571118073, 56.4956322514, 265.640873426, 25.0836875848}}},
        {"PN-85 typ 0, przegubowa 2+20+4,5+18+4,5+20+2, klasa A", nPN85, 0, 0, Wielodzwigarowy0, sPrzegubowaBezPrzegubuW1, 3, {2.0, 20, 4.5, 18, 4.5, 20, 2.0},
         1,
          {{38.8051275852, 203.868101034, 108.662012902, 570.982146197, 42},
           {69.7311507937, 286.353174603, 193.824561404, 796.230576441, 42},
           {68.1777118182, 345.787458752, 189.678355997, 955.17929384, 42},
           {67.2712939342, 277.339143991, 187.178660938, 771.972789116, 42},
           {68.1777118182, 345.787458752, 189.678355997, 955.17929384, 42},
           {69.7311507937, 286.353174603, 193.824561404, 796.230576441, 42},
           {38.8051275852, 203.868101034, 108.662012902, 570.982146197, 42}}},
        {"PN-85 typ 1, swobodna 15, klasa D", nPN85, 3, 1, Wielodzwigarowy1, sBelkaSwobodnie, 1, {0, 15, 0},
         1,
          {{33.2969803922, 138.691921569, 62.824491306, 261.682870884, 30.4961651233}}},
        {"PN-85 typ 2, swobodna 30, klasa C", nPN85, 2, 2, Dwudzwigarowy2, sBelkaSwobodnie, 1, {0, 30, 0},
         1,
          {{106.333821615, 431.168619792, 102.59343593, 416.001884422, 40.7208801388}}},
        {"PN-85 typ 3, rama 12+12, klasa D", nPN85, 3, 3, Plyta3, sRamaDwuprzeslowa, 2, {0, 12, 12, 0},
         1,
          {{9.11198110876, 1e+20, 47.1738591844, 1e+20, 35.0534455363},
           {9.11198110876, 1e+20, 47.1738591844, 1e+20, 35.0534455363}}},
        {"PN-85 typ 4, swobodna 9 ze wspornikami 2, klasa E", nPN85, 4, 4, Plyta4, sBelkaSwobodnie, 1, {2.0, 9, 2.0},
         2,
          {{8.24220343814, 1e+20, 37.5950506248, 1e+20, 34.0049883241},
           {7.62156675531, 1e+20, 35.6385745014, 1e+20, 21.1715932173},
           {8.24220343814, 1e+20, 37.5950506248, 1e+20, 34.0049883241}}},
        {"PN-85 typ 4, rama 10+12+10, klasa B", nPN85, 1, 4, Plyta4, sRamaWieloprzeslowa, 3, {0, 10, 12, 10, 0},
         1,
          {{17.3766866811, 1e+20, 80.9311679368, 1e+20, 42},
           {15.9669811993, 1e+20, 74.3429139123, 1e+20, 42},
           {17.3766866811, 1e+20, 80.9311679368, 1e+20, 42}}},
        {"PN-85 typ 5, przegubowa 20+4+16, klasa C", nPN85, 2, 5, Bariery5, sPrzegubowaZPrzegubemW1, 2, {0, 20, 4, 16, 0},
         2,
          {{65.7666666667, 276.506666667, 85.5724137931, 360.96, 40.9310344828},
           {64.2944992036, 328.559190001, 84.3798943174, 409.780917271, 35.727516905},
           {62.780839895, 267.92335958, 82.6551724138, 353.95862069, 42}}},
        {"PN-85 typ 6, ciągła 10+10, klasa D", nPN85, 3, 6, PlytaBariery6, sCiaglaDwuprzeslowa, 2, {0, 10, 10, 0},
         1,
          {{8.85192470152, 1e+20, 47.275589902, 1e+20, 36.6611920868},
           {8.85192470152, 1e+20, 47.275589902, 1e+20, 36.6611920868}}},
        {"PN-66 typ 0, swobodna 25, klasa I", nPN66, 0, 0, {0.5, 0.5, 7.0, 8, 1.5, 1.5, 1.5, 1.5, 0, 0, 0, 0, 0, 5}, sBelkaSwobodnie, 1, {0, 25, 0},
         1,
          {{51.8874308571, 211.365147429, 122.088072605, 497.329758655, 42}}},
        {"PN-66 typ 1, rama 15+20+15, klasa II", nPN66, 1, 1, Wielodzwigarowy1, sRamaWieloprzeslowa, 3, {0, 15, 20, 15, 0},
         1,
          {{21.32199, 100.51272, 40.2301698113, 189.646641509, 18.0168733113},
           {21.645, 106.56, 40.8396226415, 201.056603774, 18.6020242409},
           {21.32199, 100.51272, 40.2301698113, 189.646641509, 18.0168733113}}},
        {"PN-66 typ 2, swobodna 36, chodnik 0,4, klasa III", nPN66, 2, 2, {0.5, 0.5, 7.4, 9.6, 1.5, 0.4, 0, 0, 0.3, 0.3, 0, 0.6, 0, 2}, sBelkaSwobodnie, 1, {0, 36, 0},
         1,
          {{47.6957692308, 190.783076923, 46.0180286046, 184.072114418, 14.2044391084}}},
        {"PN-66 typ 3, ciągła 14+14, klasa III", nPN66, 2, 3, Plyta3, sCiaglaDwuprzeslowa, 2, {0, 14, 14, 0},
         1,
          {{5.512935625, 1e+20, 28.5691548959, 1e+20, 13.6364920833},
           {5.512935625, 1e+20, 28.5691548959, 1e+20, 13.6364920833}}},
        {"PN-66 typ 4, swobodna 8 ze wspornikami 1,5, klasa II", nPN66, 1, 4, {0.5, 0.5, 7.0, 0, 0, 0, 0, 0, 0, 0, 8.0, 0, 0, 0}, sBelkaSwobodnie, 1, {1.5, 8, 1.5},
         1,
          {{7.14285714286, 1e+20, 24.1115721923, 1e+20, 14.4394760615},
           {8, 1e+20, 32.8866744026, 1e+20, 20.3437105801},
           {7.14285714286, 1e+20, 24.1115721923, 1e+20, 14.4394760615}}},
        {"PN-66 typ 5, ciągła 20+25+25+20, klasa III", nPN66, 2, 5, {0.5, 0.5, 7.5, 10, 1.0, 0.4, 1.0, 0.8, 0.2, 0.2, 0, 0.5, 0.4, 6}, sCiaglaWieloprzeslowa, 4, {0, 20, 25, 25, 20, 0},
         1,
          {{12.6328571429, 57.7150857143, 28.796743555, 131.562203528, 11.494822427},
           {13.2388928571, 61.4571428571, 30.1782089552, 140.092265943, 11.893591713},
           {13.2388928571, 61.4571428571, 30.1782089552, 140.092265943, 11.893591713},
           {12.6328571429, 57.7150857143, 28.796743555, 131.562203528, 11.494822427}}},
        {"PN-66 typ 6, swobodna 12, chodniki 1,0 i 0,4, klasa II", nPN66, 1, 6, {0.5, 0.5, 7.0, 0, 1.0, 0.4, 0.3, 0.3, 0.2, 0.2, 11.0, 0.4, 0.4, 0}, sBelkaSwobodnie, 1, {0, 12, 0},
         1,
          {{8.0288372093, 1e+20, 39.6381528009, 1e+20, 19.6287731886}}},
    };
    return obiekty;
}

TEST(ObiektyPN85iPN66, WynikiZgodneZNiezaleznymPrzeliczeniem)
{
    const char* nazwy[] = {"M1N", "TN", "MP", "TP", "masa"};
    for (const auto& t : Obiekty()) {
        tObiektMostowy o;
        ASSERT_EQ(Przelicz(o, t.Normatyw, t.Klasa, t.Przekroj, t.Wymiary, t.Schemat, t.N, t.Pola), "") << t.Opis;
        ASSERT_EQ(o.LiczbaElementow, static_cast<int>(t.Elementy.size())) << t.Opis;
        for (int i = 1; i <= o.LiczbaElementow; ++i) {
            const tElement& e = o.Elementy[i];
            const tWynikElementu wynik = {e.M1N, e.TN, e.MP, e.TP, e.MasaGraniczna};
            for (int j = 0; j < 5; ++j)
                ExpectBlisko(wynik[j], t.Elementy[i - 1][j],
                             std::string(t.Opis) + ", element " + std::to_string(i) + ": " + nazwy[j]);
        }
        // Wynik obiektu to wynik najgorszego elementu (przy remisie wcześniejszego).
        EXPECT_EQ(o.NajgorszyElement(), t.Najgorszy) << t.Opis;
        const tWynikElementu& w = t.Elementy[t.Najgorszy - 1];
        const tWynikElementu obiekt = {o.PodajM1N(), o.PodajTN(), o.PodajMP(), o.PodajTP(), o.PodajMase()};
        for (int j = 0; j < 5; ++j) ExpectBlisko(obiekt[j], w[j], std::string(t.Opis) + ": obiekt " + nazwy[j]);
    }
}

bool Skonczona(double x) { return std::isfinite(x); }

// Każdy rodzaj przekroju, każdy schemat i każda klasa obu norm: żadne pole wyniku
// nie może być NaN ani nieskończonością (1e20 "nie dotyczy" jest liczbą skończoną).
TEST(ObiektyPN85iPN66, BezNaNINieskonczonosciWeWszystkichUkladach)
{
    const tPrzekrojTestowy przekroje[] = {Wielodzwigarowy0, Wielodzwigarowy1, Dwudzwigarowy2, Plyta3,
                                          Plyta4,           Bariery5,         PlytaBariery6};
    for (int normatyw : {nPN66, nPN85}) {
        const int klasy = normatyw == nPN85 ? 5 : 3;
        for (int typ = 0; typ < LiczbaPrzekrojow; ++typ) {
            for (int schemat = 0; schemat < LiczbaSchematow; ++schemat) {
                for (int klasa = 0; klasa < klasy; ++klasa) {
                    const int N = 3;
                    std::vector<double> pola;
                    const int wiersze = LiczbaWierszy(schemat, N);
                    for (int i = 1; i <= wiersze; ++i)
                        pola.push_back(i == 1 || i == wiersze ? 2.5 : i % 2 == 0 ? 16.0 : 4.0);
                    tObiektMostowy o;
                    const std::string opis = "normatyw " + std::to_string(normatyw) + ", typ " +
                                             std::to_string(typ) + ", schemat " + std::to_string(schemat) +
                                             ", klasa " + std::to_string(klasa);
                    ASSERT_EQ(Przelicz(o, normatyw, klasa, typ, przekroje[typ], schemat, N, pola), "") << opis;
                    ASSERT_GT(o.LiczbaElementow, 0) << opis;
                    for (int i = 1; i <= o.LiczbaElementow; ++i) {
                        const tElement& e = o.Elementy[i];
                        bool ok = Skonczona(e.LM) && Skonczona(e.LT) && Skonczona(e.M1N) && Skonczona(e.TN) &&
                                  Skonczona(e.MP) && Skonczona(e.TP) && Skonczona(e.MasaGraniczna);
                        for (int s = 1; s <= 2; ++s)
                            ok = ok && Skonczona(e.M1NStrona[s]) && Skonczona(e.TNStrona[s]) &&
                                 Skonczona(e.Gamma[s]) && Skonczona(e.MPStrona[s]) && Skonczona(e.TPStrona[s]);
                        for (int k = 1; k <= 6; ++k)
                            ok = ok && Skonczona(e.MPojazdy[k]) && Skonczona(e.TPojazdy[k]);
                        EXPECT_TRUE(ok) << opis << ", element " << i;
                    }
                    EXPECT_TRUE(Skonczona(o.PodajM1N()) && Skonczona(o.PodajTN()) && Skonczona(o.PodajMP()) &&
                                Skonczona(o.PodajTP()) && Skonczona(o.PodajMase()))
                        << opis;
                }
            }
        }
    }
}

}  // namespace
