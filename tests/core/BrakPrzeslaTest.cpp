// Obiekt bez przęsła (bez elementów albo same wsporniki) nie jest obliczany: odmowa
// sprawdzenia długości, po sprawdzeniach długości elementów.
#include <gtest/gtest.h>

#include "core/Przeliczenie.h"

namespace {

struct tElementTestu {
    const char* nazwa;
    tRodzajElementu rodzaj;
    double dlugosc;
};

TEST(SprawdzDlugosci, BezPrzeslaOdmowa)
{
    const char* brak = "Brak przęsła: podaj rozpiętość co najmniej jednego przęsła";
    const struct {
        std::vector<tElementTestu> elementy;
        tEtap etap;
        std::string komunikat;
    } przypadki[] = {
        {{}, tEtap::Dlugosci, brak},
        // Belka o rozpiętości 0 (element pominięty) z dwoma wspornikami po 2 m.
        {{{"Wspornik lewy", rWspornikSwobodny, 2}, {"Wspornik prawy", rWspornikSwobodny, 2}}, tEtap::Dlugosci, brak},
        // Najpierw długości elementów, dopiero potem brak przęsła.
        {{{"Wspornik lewy", rWspornikSwobodny, 1}}, tEtap::Dlugosci, "Wspornik lewy: długość mniejsza od 1.5 m"},
        {{{"Wspornik lewy", rWspornikSwobodny, 2}, {"Przęsło", rBelkaSwobodnie, 18}}, tEtap::Brak, ""},
    };
    for (const auto& p : przypadki) {
        tObiektMostowy o;
        o.UstawDane(nPN85, 1, 0, 0.5, 0.5, 7, 8.4, 1.5, 1.5, 1.3, 1.3, 0, 0, 0, 0, 0, 5, 0);
        for (const auto& e : p.elementy) o.DodajElement(e.nazwa, e.rodzaj, e.dlugosc);
        const tWynikPrzeliczenia w = SprawdzIOblicz(o);
        EXPECT_EQ(w.Etap, p.etap) << p.elementy.size();
        EXPECT_EQ(w.Komunikat, p.komunikat);
    }
}

}  // namespace
