// Pełny ślad obliczeń małego obiektu porównany wiersz po wierszu z zapisanym wzorcem.
// Wzorzec odtwarza się świadomie (po sprawdzeniu zmian): PONTIVA_NOWY_SLAD=1 ./testy_core
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"

namespace {

std::vector<std::string> Wczytaj(const std::string& sciezka)
{
    std::vector<std::string> linie;
    std::ifstream we(sciezka, std::ios::binary);
    for (std::string linia; std::getline(we, linia);) linie.push_back(linia);
    return linie;
}

void Zapisz(const std::string& sciezka, const std::vector<std::string>& linie)
{
    std::ofstream wy(sciezka, std::ios::binary);
    for (const auto& l : linie) wy << l << '\n';
}

void PorownajZWzorcem(const std::string& plik)
{
    const std::string sciezka = std::string(PONTIVA_DANE_TESTOWE) + "/slad/" + plik;
    const std::vector<std::string> linie = Slad().Linie();
    if (std::getenv("PONTIVA_NOWY_SLAD")) Zapisz(sciezka, linie);
    const std::vector<std::string> wzorzec = Wczytaj(sciezka);
    ASSERT_FALSE(wzorzec.empty()) << "brak wzorca " << sciezka;
    for (size_t i = 0; i < std::min(linie.size(), wzorzec.size()); ++i)
        ASSERT_EQ(linie[i], wzorzec[i]) << "wiersz " << i + 1;
    EXPECT_EQ(linie.size(), wzorzec.size());
}

// Belka swobodnie podparta 15 m ze wspornikami 2,5 m, PN-85/S-10030 klasy E, pomost
// wielodźwigarowy z krawężnikami: 1,5 + 0,5 + 7 + 0,5 + 1,5 = 1,5 + 8 + 1,5, n = 5.
TEST(ObliczSlad, BelkaZeWspornikamiPN85)
{
    Regionalne().SeparatorDziesietny = ',';
    tObiektMostowy o;
    o.UstawDane(nPN85, 4, pWielodzwigaroweZKraweznikami, 0.5, 0.5, 7.0, 8.0, 1.5, 1.5, 1.5, 1.5, 0.3, 0.3, 0, 0, 0,
                5, sBelkaSwobodnie);
    std::array<double, MaksWierszy> dlugosci{};
    dlugosci[0] = 2.5;
    dlugosci[1] = 15.0;
    dlugosci[2] = 2.5;
    DodajElementy(o, sBelkaSwobodnie, 1, dlugosci);
    std::string Err;
    ASSERT_TRUE(o.SprawdzParametry(Err) && o.SprawdzSumy(Err) && o.SprawdzDlugosci(Err)) << Err;
    ASSERT_TRUE(o.Oblicz(Err)) << Err;
    PorownajZWzorcem("belka_pn85.txt");
}

}  // namespace
