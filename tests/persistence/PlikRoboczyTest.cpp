// Plik roboczy: pliki przypadków zapisał program, więc odczyt i ponowny zapis oddają te same
// bajty. Układ pliku, wartości domyślne i zapis w miejscu starego pliku sprawdzają testy
// przebiegu (tests/ui/PlikRoboczyTest.cpp) razem z wczytaniem do pól okna.
#include <gtest/gtest.h>

#include <algorithm>

#include "Wspolne.h"
#include "persistence/PlikRoboczy.h"

namespace {

using namespace testy;

TEST(PlikRoboczy, PlikiPrzypadkowPrzechodzaOdczytIZapisPrzyObuSeparatorach)
{
    std::vector<fs::path> pliki = {DaneTestowe("raporty/most.ptv")};
    for (const auto& k : fs::directory_iterator(DaneTestowe("przypadki")))
        if (fs::exists(k.path() / "obiekt.PTV")) pliki.push_back(k.path() / "obiekt.PTV");
    ASSERT_GT(pliki.size(), 30u);
    for (const auto& plik : pliki) {
        const std::string bajty = CzytajPlik(plik);
        tPlikIni ini;
        ASSERT_TRUE(ini.Wczytaj(plik.string()));
        tDanePliku d = CzytajDanePliku(ini);
        d.LiczbaDlugosci = 0;  // tyle, ile kluczy L w pliku
        for (size_t p = 0; (p = bajty.find("\nL", p)) != std::string::npos; ++p) ++d.LiczbaDlugosci;
        for (char sep : {',', '.'}) {
            tSeparator s(sep);
            tPlikIni nowy;
            ZapiszDanePliku(nowy, d, nullptr);
            std::string oczekiwane = bajty;  // w identyfikacji przypadków nie ma przecinków
            std::replace(oczekiwane.begin(), oczekiwane.end(), ',', sep);
            EXPECT_EQ(nowy.Zawartosc(), oczekiwane) << plik << " separator " << sep;
        }
    }
}

// Wyniki w sekcji CALC: cztery klucze, także wartość "nie dotyczy".
TEST(PlikRoboczy, SekcjaWynikow)
{
    tPlikIni ini;
    ini.UstawZawartosc("[CALC]\r\nMP=1\r\n[PD]\r\nL1=5\r\n");
    const tWynikiPliku wyniki{33.0674, 1e20, 1e20, 42};
    ZapiszDanePliku(ini, tDanePliku{}, &wyniki);
    EXPECT_TRUE(ini.Zawartosc().ends_with("\r\nN=0\r\n[CALC]\r\nM1N=33,0674\r\nTN=1E20\r\nTP=1E20\r\nPTV=42\r\n"))
        << ini.Zawartosc();
}

}  // namespace
