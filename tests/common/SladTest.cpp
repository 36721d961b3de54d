// Ślad obliczeń: formaty wierszy przy obu separatorach, kopia, czyszczenie, separator
// z chwili zapisu i zamykanie okna śladu.
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Slad.h"

namespace {

using namespace testy;

TEST(Slad, FormatyWierszyPrzyObuSeparatorach)
{
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        SladWyczysc();
        SladDodaj("Obliczenia dla momentu");
        SladDodaj("");
        SladWartosc("TN ", 1e20);
        SladWartosc("L", 0);
        SladWartosc("M1N", 12);
        SladWartosc("x", -0.00000004);
        SladWartosc("y", 1e19);
        double cel = 0;
        SladUstaw("S", cel, 2.5);
        SladCalkowita("Najgorszy element ", -1);
        EXPECT_EQ(cel, 2.5);
        std::vector<std::string> oczekiwane = {"Obliczenia dla momentu", "", "  [TN ] = NIE DOTYCZY", "  [L] = 0#0000000",
                                               "  [M1N] = 12#0000000", "  [x] = -0#0000000",
                                               "  [y] = 10000000000000000000#0000000", "  [S] = 2#50000",
                                               "  [Najgorszy element ] = -1"};
        for (auto& l : oczekiwane) std::replace(l.begin(), l.end(), '#', sep);
        EXPECT_EQ(Slad().Linie(), oczekiwane);
    }
}

// Liczby formatuje się przy odczycie, ale z separatorem z chwili zapisu; wiersz z kilkoma
// liczbami i dopisanie po odczycie wychodzą jak formatowane od razu.
TEST(Slad, SeparatorZChwiliZapisuKopiaICzyszczenie)
{
    SladWyczysc();
    SladWartosc("a", 1.23456789);
    std::string& w = Slad().NowyWiersz();
    w += "  Fi(";
    Slad().DopiszLiczbe(20, 2);
    w += ")=";
    Slad().DopiszLiczbe(1.25, 5);
    Slad().ZakonczWiersz();
    {
        tSeparator kropka('.');
        SladWartosc("b", 2.25);
        EXPECT_EQ(Slad().Linia(0), "  [a] = 1,2345679");
        SladWartosc("c", -3);
    }
    SladDodaj("koniec");
    std::vector<std::string> kopia = {"stare"};
    SladKopiuj(kopia);
    EXPECT_EQ(kopia, (std::vector<std::string>{"  [a] = 1,2345679", "  Fi(20,00)=1,25000", "  [b] = 2.2500000",
                                               "  [c] = -3.0000000", "koniec"}));
    SladWyczysc();
    EXPECT_EQ(Slad().Rozmiar(), 0u);
    SladKopiuj(kopia);
    EXPECT_TRUE(kopia.empty());
}

TEST(Slad, ZamykanieOknaWywolujeZarejestrowanaFunkcje)
{
    int zamkniecia = 0;
    SladUstawZamykanieOkna([&] { ++zamkniecia; });
    SladZamknijOkno();
    SladZamknijOkno();
    SladUstawZamykanieOkna(nullptr);
    SladZamknijOkno();
    EXPECT_EQ(zamkniecia, 2);
}

}  // namespace
