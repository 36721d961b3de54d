// Wiersze edytora rozpiętości i elementy według schematu: rodzaje, wiersze, podpisy i nazwy
// (także 45 przęseł belki przegubowej), dodawanie elementów z długości wierszy.
#include <gtest/gtest.h>

#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"

namespace {

// Rodzaje i numery wierszy kolejnych elementów jako tekst: "7:1 0:2 7:3".
std::string Uklad(int schemat, int N)
{
    std::string s;
    for (auto p : UkladElementow(schemat, N)) s += (s.empty() ? "" : " ") + std::to_string(p.Rodzaj) + ":" + std::to_string(p.Wiersz);
    return s;
}

TEST(UkladElementow, RodzajeIWierszeWedlugSchematu)
{
    const struct {
        int schemat, N;
        const char* uklad;
    } przypadki[] = {
        {0, 7, "7:1 0:2 7:3"},
        {1, 7, "7:1 1:2 1:3 7:4"},
        {3, 7, "7:1 4:2 4:3 7:4"},
        {2, 4, "7:1 2:2 3:3 3:4 2:5 7:6"},
        {4, 3, "7:1 5:2 6:3 5:4 7:5"},
        {2, 2, "7:1 2:2 2:3 7:4"},
        {2, 1, "7:1 2:2 7:3"},  // jedno przęsło skrajne (obiekt odrzucany przez SprawdzPrzesla)
        {4, 0, "7:1 5:2 7:3"},  // liczba przęseł obcięta do 1
        {5, 3, "7:1 0:2 8:3 0:4 9:5 0:6 7:7"},
        {6, 3, "7:1 0:2 9:3 0:4 8:5 0:6 7:7"},
        {5, 1, "7:1 0:2 7:3"},
    };
    for (const auto& p : przypadki) EXPECT_EQ(Uklad(p.schemat, p.N), p.uklad) << p.schemat << " " << p.N;

    const auto u = UkladElementow(5, 45);
    ASSERT_EQ(u.size(), 91u);
    EXPECT_EQ(u[88].Rodzaj, rWspornikPrawy);  // wspornik nr 44: 8, 9, 8, ... daje 9
    EXPECT_EQ(u[89].Rodzaj, rBelkaSwobodnie);
    EXPECT_EQ(u[90].Wiersz, 91);
    EXPECT_EQ(UkladElementow(6, 45)[88].Rodzaj, rWspornikLewy);
    for (auto [schemat, N, wiersze] : {std::tuple{5, 45, 91}, {6, 99, 91}, {2, 0, 3}, {4, 45, 47}, {1, 9, 4}, {0, 9, 3}})
        EXPECT_EQ(LiczbaWierszy(schemat, N), wiersze) << schemat << " " << N;
}

TEST(WierszePrzesel, PodpisyINazwy)
{
    const struct {
        int schemat, N, wiersz;
        const char *podpis, *nazwa;
    } przypadki[] = {
        {0, 5, 1, "Długość lewego skrajnego wspornika", "Lewy skrajny wspornik"},
        {0, 5, 2, "Rozpiętość przęsła", "Przęsło"},
        {0, 5, 3, "Długość prawego skrajnego wspornika", "Prawy skrajny wspornik"},
        {1, 5, 2, "Rozpiętość lewego przęsła", "Lewe przęsło"},
        {3, 5, 3, "Rozpiętość prawego przęsła", "Prawe przęsło"},
        {2, 3, 2, "Rozpiętość przęsła nr 1", "Przęsło nr 1"},
        {4, 3, 4, "Rozpiętość przęsła nr 3", "Przęsło nr 3"},
        {4, 3, 5, "Długość prawego skrajnego wspornika", "Prawy skrajny wspornik"},
        {6, 3, 2, "Rozpiętość przęsła nr 1", "Przęsło nr 1"},
        {6, 3, 3, "Długość wspornika nr 1", "Wspornik nr 1"},
        {6, 3, 5, "Długość wspornika nr 2", "Wspornik nr 2"},
        {5, 45, 89, "Długość wspornika nr 44", "Wspornik nr 44"},
        {5, 45, 90, "Rozpiętość przęsła nr 45", "Przęsło nr 45"},
        {5, 45, 91, "Długość prawego skrajnego wspornika", "Prawy skrajny wspornik"},
        {7, 5, 2, "Rozpiętość przęsła", "Przęsło"},  // schemat spoza listy (uszkodzony plik): belka
    };
    for (const auto& p : przypadki) {
        const auto w = WierszePrzesel(p.schemat, p.N);
        ASSERT_EQ(static_cast<int>(w.size()), LiczbaWierszy(p.schemat, p.N));
        EXPECT_EQ(w[p.wiersz - 1].Podpis, p.podpis) << p.schemat << " " << p.wiersz;
        EXPECT_EQ(w[p.wiersz - 1].Nazwa, p.nazwa) << p.schemat << " " << p.wiersz;
    }
    for (int s = 0; s < LiczbaSchematow; ++s) EXPECT_EQ(PokazLiczbePrzesel(s), s == 2 || s >= 4) << s;
}

// Długość i nazwa z wiersza, rodzaj ze schematu; wsporniki do 0,1 m i wiersze spoza schematu
// nie tworzą elementów.
TEST(DodajElementy, ZWierszyEdytora)
{
    std::array<double, MaksWierszy> dl{};
    dl[0] = 2;
    dl[1] = 16;
    dl[3] = 99;  // wiersz spoza schematu 0 nie wchodzi do obiektu
    tObiektMostowy o;
    DodajElementy(o, 0, 1, dl);
    ASSERT_EQ(o.LiczbaElementow, 2);
    EXPECT_EQ(o.LiczbaPrzesel, 1);
    EXPECT_EQ(o.Elementy[1].Nazwa, "Lewy skrajny wspornik");
    EXPECT_EQ(o.Elementy[2].Nazwa, "Przęsło");
    EXPECT_EQ(o.Elementy[2].Dlugosc, 16);
}

}  // namespace
