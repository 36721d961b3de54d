// Przęsła schematu przed trzema sprawdzeniami: obiekt z wierszy edytora (DodajElementy), każdy
// wiersz przęsła ma rozpiętość, schemat wieloprzęsłowy ma dwa przęsła; wspornik 0 to brak wspornika.
#include <gtest/gtest.h>

#include "core/Przeliczenie.h"
#include "core/UkladElementow.h"

namespace {

TEST(SprawdzPrzesla, WierszePrzeselSchematuPrzedTrzemaSprawdzeniami)
{
    const char* brak = "Brak przęsła: podaj rozpiętość co najmniej jednego przęsła";
    const char* jedno = "\" z jednym przęsłem: wybierz belkę swobodnie podpartą albo schemat dwuprzęsłowy";
    const struct {
        int schemat, N;
        std::vector<double> wiersze;  // brak wierszy: obiekt bez elementów
        tEtap etap;
        std::string komunikat;
    } przypadki[] = {
        {0, 1, {}, tEtap::Dlugosci, brak},
        // Przęsło 0 przed wspornikiem za krótkim (trzecie sprawdzenie) i przed brakiem przęsła.
        {0, 1, {1, 0, 2}, tEtap::Dlugosci, "Przęsło: brak rozpiętości (0,00 m) – podaj rozpiętość przęsła"},
        {0, 1, {0, 0.1, 0}, tEtap::Dlugosci, "Przęsło: brak rozpiętości (0,10 m) – podaj rozpiętość przęsła"},
        {0, 1, {0, 0.11, 0}, tEtap::Dlugosci, "Przęsło: rozpiętość mniejsza niż 3 m"},
        {1, 1, {0, 12, 0, 0}, tEtap::Dlugosci, "Prawe przęsło: brak rozpiętości (0,00 m) – podaj rozpiętość przęsła"},
        // Ostatnie przęsło 0: dawniej obiekt dwuprzęsłowy, którego nikt nie opisał.
        {2, 3, {0, 12, 15, 0, 0}, tEtap::Dlugosci, "Przęsło nr 3: brak rozpiętości (0,00 m) – podaj rozpiętość przęsła"},
        {2, 1, {0, 12, 0}, tEtap::Dlugosci, std::string("Schemat \"Belka ciągła wieloprzęsłowa") + jedno},
        {4, 1, {2, 0, 2}, tEtap::Dlugosci, std::string("Schemat \"Rama wieloprzęsłowa") + jedno},
        {4, 2, {0, 12, 12, 0}, tEtap::Brak, ""},
        // Przegubowa: przęsło nr 2 równe 0 dawało dwa wsporniki obok siebie i większą nośność.
        {5, 3, {0, 20, 3, 0, 3, 20, 0}, tEtap::Dlugosci, "Przęsło nr 2: brak rozpiętości (0,00 m) – podaj rozpiętość przęsła"},
        {6, 3, {0, 20, 0, 15, 0, 20, 0}, tEtap::Brak, ""},  // wsporniki wewnętrzne 0: bez wsporników
    };
    for (const auto& p : przypadki) {
        tObiektMostowy o;
        o.UstawDane(nPN85, 1, 0, 0.5, 0.5, 7, 8.4, 1.5, 1.5, 1.3, 1.3, 0, 0, 0, 0, 0, 5, p.schemat);
        std::array<double, MaksWierszy> dlugosci{};
        std::copy(p.wiersze.begin(), p.wiersze.end(), dlugosci.begin());
        if (!p.wiersze.empty()) DodajElementy(o, p.schemat, p.N, dlugosci);
        const tWynikPrzeliczenia w = SprawdzIOblicz(o);
        EXPECT_EQ(w.Etap, p.etap) << p.komunikat;
        EXPECT_EQ(w.Komunikat, p.komunikat);
    }
}

}  // namespace
