// Rejestr obiektów: wiersze katalogu, pliki nieczytelne i specjalne jako wiersze odmowy.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "rejestr/Rejestr.h"

using namespace testy;

TEST(Rejestr, KatalogPrzykladowWedlugNazwZPlikamiNieczytelnymi)
{
    tKatalogTymczasowy kat;
    // Nośność 16,5475 t: KATEGORIA okna 16, nie 17 (tekst KATEGORII i element rozstrzygający
    // każdego przypadku sprawdza RejestrCli.WierszeRowneOcenieOblicz).
    fs::copy_file(std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady/n1945_plyta.PTV", kat / "b.PTV");
    ZapiszPlik(kat / "a.ptv", "to nie jest plik roboczy\n");
    fs::create_directory(kat / "c.PTV");
    ZapiszPlik(kat / "d.txt", "pominięty\n");
    std::vector<tWierszRejestru> w;
    ASSERT_TRUE(OcenKatalog(kat.Sciezka(), w));
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[0].Plik, "a.ptv");
    EXPECT_EQ(w[1].Plik, "b.PTV");
    EXPECT_EQ(w[2].Plik, "c.PTV");
    for (int i : {0, 2}) {
        EXPECT_FALSE(w[i].Wczytany) << w[i].Plik;
        EXPECT_EQ(w[i].Etap, "odczyt");
        EXPECT_FALSE(w[i].Komunikat.empty());
    }
    EXPECT_TRUE(w[1].Poprawny) << w[1].Komunikat;
    EXPECT_EQ(w[1].Kategoria, 16);
    EXPECT_EQ(w[1].Przesla, 1);  // wsporniki 0 m po obu stronach przęsła 8 m
    EXPECT_EQ(w[1].Najdluzsze, 8);
    EXPECT_FALSE(OcenKatalog(kat / "brak", w));
}
