#include <gtest/gtest.h>

#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"

namespace {

std::vector<int> Rodzaje(int schemat, int N)
{
    std::vector<int> r;
    for (auto p : UkladElementow(schemat, N)) r.push_back(p.Rodzaj);
    return r;
}

std::vector<int> Wiersze(int schemat, int N)
{
    std::vector<int> r;
    for (auto p : UkladElementow(schemat, N)) r.push_back(p.Wiersz);
    return r;
}

TEST(UkladElementow, RodzajeWedlugSchematu)
{
    using V = std::vector<int>;
    EXPECT_EQ(Rodzaje(0, 7), (V{7, 0, 7}));
    EXPECT_EQ(Rodzaje(1, 7), (V{7, 1, 1, 7}));
    EXPECT_EQ(Rodzaje(3, 7), (V{7, 4, 4, 7}));
    EXPECT_EQ(Rodzaje(2, 4), (V{7, 2, 3, 3, 2, 7}));
    EXPECT_EQ(Rodzaje(4, 3), (V{7, 5, 6, 5, 7}));
    EXPECT_EQ(Rodzaje(2, 1), (V{7, 2, 2, 7}));
    EXPECT_EQ(Wiersze(2, 1), (V{1, 2, 2, 3}));
    EXPECT_EQ(Rodzaje(4, 1), (V{7, 5, 5, 7}));
    EXPECT_EQ(Rodzaje(2, 2), (V{7, 2, 2, 7}));
    EXPECT_EQ(Wiersze(2, 2), (V{1, 2, 3, 4}));
    EXPECT_EQ(Rodzaje(5, 3), (V{7, 0, 8, 0, 9, 0, 7}));
    EXPECT_EQ(Rodzaje(6, 3), (V{7, 0, 9, 0, 8, 0, 7}));
    EXPECT_EQ(Rodzaje(5, 1), (V{7, 0, 7}));
}

TEST(UkladElementow, BelkaPrzegubowaCzterdziesciPieciuPrzesel)
{
    auto u = UkladElementow(5, 45);
    ASSERT_EQ(u.size(), 91u);
    EXPECT_EQ(LiczbaWierszy(5, 45), MaksWierszy);
    EXPECT_EQ(u[89].Wiersz, 90);
    EXPECT_EQ(u[89].Rodzaj, rBelkaSwobodnie);
    EXPECT_EQ(u[88].Rodzaj, rWspornikPrawy);  // wspornik nr 44: kolejność 8, 9, 8, ... daje 9
    EXPECT_EQ(u[86].Rodzaj, rWspornikLewy);   // wspornik nr 43
    EXPECT_EQ(u[90].Rodzaj, rWspornikSwobodny);
    EXPECT_EQ(UkladElementow(6, 45)[2].Rodzaj, rWspornikPrawy);
    EXPECT_EQ(LiczbaWierszy(6, 99), MaksWierszy);  // liczba przęseł obcięta do 45
    EXPECT_EQ(LiczbaWierszy(2, 0), 3);
}

TEST(WierszePrzesel, PodpisyINazwy)
{
    auto s0 = WierszePrzesel(0, 5);
    ASSERT_EQ(s0.size(), 3u);
    EXPECT_EQ(s0[0].Podpis, "Długość lewego skrajnego wspornika");
    EXPECT_EQ(s0[0].Nazwa, "Lewy skrajny wspornik");
    EXPECT_EQ(s0[1].Podpis, "Rozpiętość przęsła");
    EXPECT_EQ(s0[1].Nazwa, "Przęsło");
    EXPECT_EQ(s0[2].Podpis, "Długość prawego skrajnego wspornika");
    EXPECT_EQ(s0[2].Nazwa, "Prawy skrajny wspornik");

    auto s3 = WierszePrzesel(3, 5);
    ASSERT_EQ(s3.size(), 4u);
    EXPECT_EQ(s3[1].Nazwa, "Lewe przęsło");
    EXPECT_EQ(s3[2].Podpis, "Rozpiętość prawego przęsła");

    auto s2 = WierszePrzesel(2, 3);
    ASSERT_EQ(s2.size(), 5u);
    EXPECT_EQ(s2[3].Podpis, "Rozpiętość przęsła nr 3");
    EXPECT_EQ(s2[3].Nazwa, "Przęsło nr 3");
    EXPECT_EQ(s2[4].Nazwa, "Prawy skrajny wspornik");

    auto s6 = WierszePrzesel(6, 3);
    ASSERT_EQ(s6.size(), 7u);
    EXPECT_EQ(s6[1].Nazwa, "Przęsło nr 1");
    EXPECT_EQ(s6[2].Podpis, "Długość wspornika nr 1");
    EXPECT_EQ(s6[4].Nazwa, "Wspornik nr 2");
    EXPECT_EQ(s6[5].Nazwa, "Przęsło nr 3");
    EXPECT_FALSE(PokazLiczbePrzesel(0));
    EXPECT_FALSE(PokazLiczbePrzesel(3));
    EXPECT_TRUE(PokazLiczbePrzesel(4));
    EXPECT_TRUE(PokazLiczbePrzesel(6));
}

TEST(DodajElementy, ZWierszyEdytora)
{
    std::array<double, MaksWierszy> dl{};
    dl[0] = 2;
    dl[1] = 16;
    dl[2] = 0;  // prawy wspornik pominięty
    dl[3] = 99; // wiersz ukryty w schemacie 0 zachowuje wartość, ale nie wchodzi do obiektu
    tObiektMostowy o;
    DodajElementy(o, 0, 1, dl);
    ASSERT_EQ(o.LiczbaElementow, 2);
    EXPECT_EQ(o.LiczbaPrzesel, 1);
    EXPECT_EQ(o.Elementy[1].Nazwa, "Lewy skrajny wspornik");
    EXPECT_EQ(o.Elementy[2].Nazwa, "Przęsło");
    EXPECT_EQ(o.Elementy[2].Dlugosc, 16);

    tObiektMostowy d;
    dl = {};
    dl[1] = 25;
    DodajElementy(d, 2, 1, dl);  // jedno przęsło schematu wieloprzęsłowego: dwa elementy z wiersza 2
    ASSERT_EQ(d.LiczbaElementow, 2);
    EXPECT_EQ(d.Elementy[1].Rodzaj, rCiaglaSkrajne);
    EXPECT_EQ(d.Elementy[2].Rodzaj, rCiaglaSkrajne);
    EXPECT_EQ(d.Elementy[2].Nazwa, "Przęsło nr 1");
}

}  // namespace
