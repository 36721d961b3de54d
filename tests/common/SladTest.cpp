#include <gtest/gtest.h>

#include "common/Regionalne.h"
#include "common/Slad.h"

namespace {

class SladTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = GetParam();
        SladWyczysc();
    }
    void TearDown() override { Regionalne().SeparatorDziesietny = ','; }
    std::string S(const char* tekst) const
    {
        std::string s = tekst;
        for (char& c : s)
            if (c == '#') c = GetParam();
        return s;
    }
};

TEST_P(SladTest, FormatyWierszy)
{
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
    SladCalkowita("Liczba", 17);

    EXPECT_EQ(cel, 2.5);
    std::vector<std::string> oczekiwane = {
        "Obliczenia dla momentu",
        "",
        "  [TN ] = NIE DOTYCZY",
        S("  [L] = 0#0000000"),
        S("  [M1N] = 12#0000000"),
        S("  [x] = -0#0000000"),
        S("  [y] = 10000000000000000000#0000000"),
        S("  [S] = 2#50000"),
        "  [Najgorszy element ] = -1",
        "  [Liczba] = 17",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);
}

TEST_P(SladTest, KopiujIWyczysc)
{
    SladWartosc("a", 1.23456789);
    SladDodaj("koniec");
    std::vector<std::string> kopia = {"stare"};
    SladKopiuj(kopia);
    ASSERT_EQ(kopia.size(), 2u);
    EXPECT_EQ(kopia[0], S("  [a] = 1#2345679"));
    EXPECT_EQ(Slad().Linia(1), "koniec");
    SladWyczysc();
    EXPECT_EQ(Slad().Rozmiar(), 0u);
    SladKopiuj(kopia);
    EXPECT_TRUE(kopia.empty());
}

INSTANTIATE_TEST_SUITE_P(Separatory, SladTest, ::testing::Values(',', '.'));

TEST(SladOkno, ZamykanieWywolujeZarejestrowanaFunkcje)
{
    int zamkniecia = 0;
    SladUstawZamykanieOkna([&] { ++zamkniecia; });
    SladZamknijOkno();
    SladZamknijOkno();
    EXPECT_EQ(zamkniecia, 2);
    SladUstawZamykanieOkna(nullptr);
    SladZamknijOkno();
    EXPECT_EQ(zamkniecia, 2);
}

}  // namespace

namespace {

// Liczby w śladzie formatuje się przy odczycie, ale z separatorem z chwili zapisu;
// wiersze z liczbą w środku i na końcu muszą wyjść takie same jak formatowane od razu.
TEST(SladOdroczony, SeparatorZChwiliZapisuIWieleLiczbWWierszu)
{
    SladWyczysc();
    Regionalne().SeparatorDziesietny = ',';
    SladWartosc("a", 1.5);
    std::string& w = Slad().NowyWiersz();
    w += "  Fi(";
    Slad().DopiszLiczbe(20, 2);
    w += ")=";
    Slad().DopiszLiczbe(1.25, 5);
    Slad().ZakonczWiersz();
    Regionalne().SeparatorDziesietny = '.';
    SladWartosc("b", 2.25);
    SladDodaj("tekst");
    EXPECT_EQ(Slad().Linia(0), "  [a] = 1,5000000");
    SladWartosc("c", -3);  // dopisanie po odczycie
    Regionalne().SeparatorDziesietny = ',';
    std::vector<std::string> oczekiwane = {"  [a] = 1,5000000", "  Fi(20,00)=1,25000", "  [b] = 2.2500000", "tekst",
                                           "  [c] = -3.0000000"};
    EXPECT_EQ(Slad().Linie(), oczekiwane);
}

}  // namespace
