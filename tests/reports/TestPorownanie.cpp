#include <gtest/gtest.h>

#include <cstdlib>

#include "MostTestowy.h"
#include "common/Formatowanie.h"
#include "reports/Porownanie.h"

namespace {

using testy::Wczytaj;

const std::filesystem::path Wzorce = std::filesystem::path(PONTIVA_DANE_TESTOWE) / "raporty";

class PorownanieTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog = testy::KatalogTymczasowy(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    // Wiersze porównania dla mostu testowego ze zmianami; okno zostaje do wglądu.
    std::vector<std::string> Porownanie(const testy::tZmiany& zmiany = {})
    {
        okno = testy::Most(katalog, zmiany);
        tObiektMostowy naglowek;
        PobierzDane(okno->Widok, naglowek);
        return WierszePorownania(naglowek, okno->Przebieg.Obiekt(), okno->Przebieg.Info());
    }
    // Wiersze od "Parametry" do pustego wiersza przed liczbą przęseł.
    static std::vector<std::string> Parametry(const std::vector<std::string>& w)
    {
        auto p = std::find(w.begin(), w.end(), "Parametry         :");
        auto k = std::find(p, w.end(), "");
        return std::vector<std::string>(p + 1, k);
    }

    testy::Separator separator{','};
    std::filesystem::path katalog;
    std::unique_ptr<testy::tOknoTestowe> okno;
};

TEST_F(PorownanieTest, WzorcowyPlikBajtPoBajcie)
{
    okno = testy::Most(katalog);
    // Wynik okna dla własnego normatywu i klasy mostu, zanim porównanie przestawi obiekt.
    const tObiektMostowy& o = okno->Przebieg.Obiekt();
    const std::string wierszOkna = "    I  " + Format(" %8.4f  %8.4f  %8.4f  %8.4f  %5.2f t",
                                                  {o.PodajM1N(), o.PodajTN(), o.PodajMP(), o.PodajTP(), o.PodajMase()});
    tObiektMostowy naglowek;
    PobierzDane(okno->Widok, naglowek);
    const auto plik = (katalog / "PTU.TXT").string();
    std::string komunikat;
    ASSERT_TRUE(ZapiszPorownanie(naglowek, okno->Przebieg.Obiekt(), okno->Przebieg.Info(), plik, komunikat));
    const auto wzorzec = Wzorce / "PTU.TXT";
    if (std::getenv("PONTIVA_NOWE_WZORCE")) testy::Zapisz(wzorzec, Wczytaj(plik));
    const std::string bajty = Wczytaj(plik);
    EXPECT_EQ(bajty, Wczytaj(wzorzec));

    // Blok normatywu 1956, klasa I: te same liczby co w oknie.
    const auto w = testy::Wiersze(bajty);
    auto norma = std::find(w.begin(), w.end(), "NORMA: Normatyw-1956r.");
    ASSERT_NE(norma, w.end());
    EXPECT_EQ(*(norma + 1), wierszOkna);
    EXPECT_EQ(wierszOkna, "    I    33,0674  157,8960   78,3176  373,9642  42,00 t");
    // Przeliczenia: pięć klas PN-85 i po trzy klasy sześciu pozostałych normatywów, 23.
    EXPECT_EQ(std::count_if(w.begin(), w.end(), [](const std::string& l) { return l.size() > 40 && l.ends_with(" t"); }),
              23);
    // Po porównaniu obiekt okna zostaje z ostatnią parą.
    EXPECT_EQ(okno->Przebieg.Obiekt().Normatyw, nDIN1072);
    EXPECT_EQ(okno->Przebieg.Obiekt().Klasa, 2);
}

TEST_F(PorownanieTest, ParametryWedlugPrzekroju)
{
    const auto typ2 = Parametry(Porownanie({{"RODZA", "2"}, {"G", "0,4"}, {"K1", "0,25"}, {"N", "2"}}));
    const std::vector<std::string> oczekiwane = {
        "  1. Szerokość lewego  chodnika   :  1,5000", "  2. Szerokość prawego chodnika   :  1,5000",
        "  3. Szerokość dźwigara           :  0,4000", "  4. Szerokość lewego  krawężnika :  0,2500",
        "  5. Szerokość prawego krawężnika :  0,0000", "  6. Szerokość lewej   opaski     :  0,5000",
        "  7. Szerokość prawej  opaski     :  0,5000", "  8. Szerokość nawierzchni        :  7,0000",
        "  9. Rozstaw skrajnych dźwigarów  :  9,0000", " 10. Liczba dźwigarów głównych    :  2",
    };
    EXPECT_EQ(typ2, oczekiwane);
    for (const char* typ : {"5", "6"}) {
        const auto p = Parametry(Porownanie({{"RODZA", typ}}));
        ASSERT_EQ(p.size(), 1u) << typ;
        EXPECT_EQ(p[0].substr(0, 37), "  1. Liczba pasm płyty            : ") << typ;
    }
    testy::Separator kropka('.');
    EXPECT_EQ(Parametry(Porownanie({{"RODZA", "4"}, {"P", "8"}}))[0], "  1. Szerokość lewej   opaski     :  0.5000");
}

TEST_F(PorownanieTest, DlugosciElementowZawszeZKropka)
{
    struct Przypadek {
        testy::tZmiany zmiany;
        std::string wiersz;
    };
    const Przypadek przypadki[] = {
        {{{"SCHEM", "0"}, {"L1", "0"}, {"L2", "12,5"}, {"L3", "0"}}, "DŁUGOŚĆ PRZĘSŁA    : 12.5000"},
        {{{"SCHEM", "0"}, {"L1", "1,5"}, {"L2", "12,5"}, {"L3", "1,5"}}, "DŁUGOŚĆI ELEMENTÓW : 1.50 12.50 1.50 "},
        {{{"SCHEM", "0"}, {"L1", "0,1"}, {"L2", "12,5"}, {"L3", "0"}}, "DŁUGOŚĆ PRZĘSŁA    : 12.5000"},
        {{}, "DŁUGOŚĆI ELEMENTÓW : 12.00 15.00 12.00 "},
    };
    for (const auto& p : przypadki) {
        const auto w = Porownanie(p.zmiany);
        auto l = std::find_if(w.begin(), w.end(), [](const std::string& s) { return s.rfind("DŁUGOŚĆ", 0) == 0; });
        ASSERT_NE(l, w.end());
        EXPECT_EQ(*l, p.wiersz);
        EXPECT_EQ(*(l - 1), Format("LICZBA PRZĘSEŁ     : %d", {okno->Przebieg.Obiekt().LiczbaPrzesel}));
    }
}

TEST_F(PorownanieTest, PustaIdentyfikacjaIBledneDane)
{
    const auto w = Porownanie({{"JNI", ""}, {"NRP", ""}, {"Dro", ""}, {"Km", ""}, {"Najblizsza", ""},
                               {"Przeszkoda", ""}, {"BB", "8"}});
    ASSERT_GE(w.size(), 5u);
    EXPECT_EQ(w[0], "");
    EXPECT_EQ(w[1], "RAPORT Z PROGRAMU \"PONTIVA\"");
    EXPECT_EQ(w[3], "");
    EXPECT_EQ(w[4], "RODZAJ PRZĘSŁA    : Wielodźwigarowe - jezdnia z krawężnikami");
    std::vector<std::string> wyniki;
    for (const auto& l : w)
        if (l.find("BŁĘDNE DANE : ") != std::string::npos) wyniki.push_back(l.substr(7));
    ASSERT_EQ(wyniki.size(), 23u);
    EXPECT_TRUE(wyniki[0].starts_with("BŁĘDNE DANE : Niezgodna suma")) << wyniki[0];
    for (const auto& l : wyniki) EXPECT_EQ(l, wyniki[0]);
    // Tylko pierwsze pole, którego brak, znika: kilometraż zostaje.
    const auto z = Porownanie({{"Dro", ""}});
    EXPECT_EQ(z[5], "Nr przęsła        : 2");
    EXPECT_EQ(z[6], "Kilometraż        : 123+450");
}

TEST_F(PorownanieTest, PlytaBezScinaniaIKlasyPN85)
{
    const auto w = Porownanie({{"RODZA", "4"}, {"P", "8"}});
    auto norma = std::find(w.begin(), w.end(), "NORMA: PN-85/S-10030");
    ASSERT_NE(norma, w.end());
    const char* klasy[] = {"    A  ", "    B  ", "    C  ", "    D  ", "    E  "};
    for (int i = 0; i < 5; ++i) {
        const std::string& l = *(norma + 1 + i);
        EXPECT_EQ(l.substr(0, 7), klasy[i]);
        // " %8.4f  %s  %8.4f  %s  %5.2f t" z ośmioma odstępami w miejscu TN i TP.
        ASSERT_EQ(l.size(), 7u + 1 + 8 + 2 + 8 + 2 + 8 + 2 + 8 + 2 + 5 + 2);
        EXPECT_EQ(l.substr(7 + 9, 12), "            ");
        EXPECT_EQ(l.substr(l.size() - 2), " t");
    }
    EXPECT_EQ(*(norma + 6), "");
    EXPECT_EQ(*(norma + 7), "NORMA: PN-66/B-02015");
    EXPECT_EQ((norma + 10)->substr(0, 7), "  III  ");
}

TEST_F(PorownanieTest, BladZapisuPrzedPrzeliczeniami)
{
    okno = testy::Most(katalog);
    tObiektMostowy naglowek;
    PobierzDane(okno->Widok, naglowek);
    const std::string plik = (katalog / "brak" / "PTU.TXT").string();
    std::string komunikat;
    EXPECT_FALSE(ZapiszPorownanie(naglowek, okno->Przebieg.Obiekt(), okno->Przebieg.Info(), plik, komunikat));
    EXPECT_EQ(komunikat, "Błąd zapisu pliku.\r" + plik);
    EXPECT_EQ(okno->Przebieg.Obiekt().Normatyw, nNormatyw1956) << "bez pliku nie ma przeliczeń";

    // Drugie porównanie zastępuje plik, nic nie dopisuje.
    const std::string dobry = (katalog / "PTU.TXT").string();
    ASSERT_TRUE(ZapiszPorownanie(naglowek, okno->Przebieg.Obiekt(), okno->Przebieg.Info(), dobry, komunikat));
    const std::string pierwszy = Wczytaj(dobry);
    ASSERT_TRUE(ZapiszPorownanie(naglowek, okno->Przebieg.Obiekt(), okno->Przebieg.Info(), dobry, komunikat));
    EXPECT_EQ(Wczytaj(dobry), pierwszy);
}

}  // namespace
