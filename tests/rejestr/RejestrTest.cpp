// Rejestr obiektów: wiersze katalogu, pliki nieczytelne i specjalne jako wiersze odmowy.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "rejestr/Rejestr.h"

using namespace testy;

TEST(Rejestr, KatalogPrzykladowWedlugNazwZPlikamiNieczytelnymi)
{
    tKatalogTymczasowy kat;
    fs::copy_file(std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady/belka.PTV", kat / "b.PTV");
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
    EXPECT_EQ(w[1].KategoriaTekst, "42");
    EXPECT_EQ(w[1].Kategoria, 42);
    EXPECT_EQ(w[1].Przesla, 1);  // wsporniki 0 m po obu stronach przęsła 18 m
    EXPECT_EQ(w[1].Najdluzsze, 18);
    EXPECT_FALSE(w[1].NazwaNajgorszego.empty());
    EXPECT_FALSE(OcenKatalog(kat / "brak", w));
}
