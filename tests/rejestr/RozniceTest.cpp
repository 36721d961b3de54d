// Różnice dwóch ocen: komunikaty z liczbami jako liczbami, ocena JSON Lines czytana wierszami
// bez granicy wielkości wejścia, pusta ocena.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "rejestr/Roznice.h"

using namespace testy;

TEST(Roznice, KomunikatyZLiczbamiJakoLiczby)
{
    const std::tuple<const char*, const char*, bool> przypadki[] = {
        {"Zła wartość parametru BB: 0,00", "Zła wartość parametru BB: 0.00", true},
        {"L (12,50) i (3)", "L (12.5) i (3,0)", true},
        {"Element Przęsło nr 2: c1+a1", "Element Przęsło nr 2: c1+a1", true},
        {"Zła wartość parametru L: 2,99", "Zła wartość parametru L: 2,98", false},
        {"1,2", "12", false},
        {"a, 1", "a. 1", false},
        {"", "0", false},
    };
    for (const auto& [a, b, te] : przypadki) {
        EXPECT_EQ(TeSameKomunikaty(a, b), te) << a << " | " << b;
        EXPECT_EQ(TeSameKomunikaty(b, a), te) << b << " | " << a;
    }
    tOceny stare, nowe;
    stare["a.PTV"] = {false, 0, -1, "", "parametry", "Zła wartość parametru BB: 0,00", 1};
    nowe["a.PTV"] = {false, 0, -1, "", "parametry", "Zła wartość parametru BB: 0.00", 0};
    EXPECT_EQ(Porownaj(stare, nowe).BezZmian, 1);
}

// Ponad 8 MiB (dawna granica całego wejścia) i więcej wierszy niż zmieściłby jeden odczyt; pusty
// plik to ocena bez obiektów, odróżniona od błędu.
TEST(Roznice, OcenaJsonLinesWierszamiBezGranicyWielkosci)
{
    tKatalogTymczasowy k;
    const std::string wypelnienie(600, 'x');
    std::string jsonl;
    constexpr int Wierszy = 15000;
    for (int i = 0; i < Wierszy; ++i)
        jsonl += "{\"plik\":\"k/m" + std::to_string(i) + ".PTV\",\"ok\":true,\"etap\":null,\"komunikat\":null,\"PTV\":" +
                 std::to_string(i % 43) + ",\"najgorszy\":1,\"elementy\":[{\"nazwa\":\"Przęsło\"}],\"x\":\"" + wypelnienie +
                 "\"}\r\n";
    ASSERT_GT(jsonl.size(), std::size_t{8} << 20);
    ZapiszPlik(k / "duzy.jsonl", jsonl);
    ZapiszPlik(k / "pusty.jsonl", "");
    tOceny oceny;
    std::string komunikat;
    ASSERT_EQ(CzytajOceny(k / "duzy.jsonl", oceny, komunikat), tStanOcen::Wczytane) << komunikat;
    ASSERT_EQ(oceny.size(), std::size_t{Wierszy});
    EXPECT_EQ(oceny["m14999.PTV"].Ptv, 14999 % 43);
    EXPECT_EQ(oceny["m14999.PTV"].Wiersz, Wierszy);
    oceny.clear();
    EXPECT_EQ(CzytajOceny(k / "pusty.jsonl", oceny, komunikat), tStanOcen::Puste);
    EXPECT_TRUE(oceny.empty());
}
