// Lista "Ostatnio otwierane": kolejność, powtórzenia, limit ośmiu, pliki, których nie ma.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "przebieg/OstatniePliki.h"
#include "system/SciezkaUtf8.h"

namespace {

namespace fs = std::filesystem;

using Lista = std::vector<std::string>;

struct tPrzypadek {
    const char* opis;
    Lista zapamietane, dodane, oczekiwane;
};

TEST(OstatniePliki, KolejnoscPowtorzeniaLimit)
{
    const tPrzypadek przypadki[] = {
        {"najnowszy pierwszy", {}, {"/d/a.PTV", "/d/b.PTV", "/d/c.PTV"}, {"/d/c.PTV", "/d/b.PTV", "/d/a.PTV"}},
        {"ponowne otwarcie przesuwa na początek", {"/d/c.PTV", "/d/b.PTV", "/d/a.PTV"}, {"/d/a.PTV"},
         {"/d/a.PTV", "/d/c.PTV", "/d/b.PTV"}},
        {"ta sama ścieżka zapisana inaczej", {"/d/a.PTV"}, {"/d/x/../a.PTV", "/d/./b.PTV", "/d//b.PTV"},
         {"/d/b.PTV", "/d/a.PTV"}},
        {"dziewiąty wypycha najstarszy", {}, {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"},
         {"/9", "/8", "/7", "/6", "/5", "/4", "/3", "/2"}},
        {"zapamiętana lista z powtórzeniem i nadmiarem",
         {"/1", "/2", "/1", "", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}, {},
         {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}},
    };
    // Na Windows "/d/a.PTV" dostaje dysk bieżący i ukośniki wsteczne; na Linuksie bez zmian.
    auto natywna = [](const std::string& s) { return Utf8(fs::absolute(SciezkaUtf8(s)).lexically_normal()); };
    for (const auto& p : przypadki) {
        tOstatniePliki l(p.zapamietane);
        for (const auto& d : p.dodane) l.Dodaj(d);
        Lista oczekiwane;
        for (const auto& o : p.oczekiwane) oczekiwane.push_back(natywna(o));
        EXPECT_EQ(l.Pliki(), oczekiwane) << p.opis;
    }
}

TEST(OstatniePliki, PlikuNieMa)
{
    testy::tKatalogTymczasowy kat;
    testy::ZapiszPlik(kat / "jest.PTV", "[OBIEKT]\r\n");
    EXPECT_TRUE(tOstatniePliki::Dostepny(kat / "jest.PTV"));
    EXPECT_FALSE(tOstatniePliki::Dostepny(kat / "usuniety.PTV"));
    EXPECT_FALSE(tOstatniePliki::Dostepny(kat.Sciezka()));  // katalog to nie plik roboczy
}

}  // namespace
