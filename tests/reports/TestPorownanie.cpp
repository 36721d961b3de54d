#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "MostTestowy.h"
#include "reports/Porownanie.h"

namespace {

using namespace testy;

// Wiersze porównania mostu testowego po zmianie; obiekt okna zostaje do wglądu.
class PorownanieTest : public ::testing::Test {
protected:
    std::vector<std::string> Porownanie(const std::function<void(tMost&)>& zmiana = nullptr)
    {
        tMost m;
        if (zmiana) zmiana(m);
        tObiektMostowy naglowek;
        m.Wypelnij(naglowek);
        m.Wypelnij(okno);
        return WierszePorownania(naglowek, okno, m.Info);
    }
    // Wiersze od "Parametry" do pustego wiersza przed liczbą przęseł.
    static std::vector<std::string> Parametry(const std::vector<std::string>& w)
    {
        auto p = std::find(w.begin(), w.end(), "Parametry         :");
        return std::vector<std::string>(p + 1, std::find(p, w.end(), ""));
    }

    tMost most;
    tObiektMostowy okno;
};

TEST_F(PorownanieTest, WzorcowyPlikBajtPoBajcie)
{
    tObiektMostowy naglowek;
    most.Wypelnij(naglowek);
    most.Wypelnij(okno);
    tKatalogTymczasowy kat;
    std::string komunikat;
    ASSERT_TRUE(ZapiszPorownanie(naglowek, okno, most.Info, kat / "PTU.TXT", komunikat));
    const std::string pierwszy = CzytajPlik(kat / "PTU.TXT");
    EXPECT_EQ(pierwszy, CzytajPlik(DaneTestowe("raporty/PTU.TXT")));
    // Po porównaniu obiekt okna zostaje z ostatnią parą.
    EXPECT_EQ(okno.Normatyw, nDIN1072);
    EXPECT_EQ(okno.Klasa, 2);

    // Drugie porównanie zastępuje plik, nic nie dopisuje; plik w brakującym katalogu: błąd
    // przed przeliczeniami.
    ZapiszPlik(kat / "PTU.TXT", std::string(100000, 'x'));
    ASSERT_TRUE(ZapiszPorownanie(naglowek, okno, most.Info, kat / "PTU.TXT", komunikat));
    EXPECT_EQ(CzytajPlik(kat / "PTU.TXT"), pierwszy);
    most.Wypelnij(okno);
    EXPECT_FALSE(ZapiszPorownanie(naglowek, okno, most.Info, kat / "brak/PTU.TXT", komunikat));
    EXPECT_EQ(komunikat, "Błąd zapisu pliku.\r" + kat / "brak/PTU.TXT");
    EXPECT_EQ(okno.Normatyw, nNormatyw1956) << "bez pliku nie ma przeliczeń";
}

TEST_F(PorownanieTest, ParametryWedlugPrzekroju)
{
    const std::vector<std::string> typ2 = {
        "  1. Szerokość lewego  chodnika   :  1,5000", "  2. Szerokość prawego chodnika   :  1,2500",
        "  3. Szerokość dźwigara           :  0,4000", "  4. Szerokość lewego  krawężnika :  0,2500",
        "  5. Szerokość prawego krawężnika :  0,1250", "  6. Szerokość lewej   opaski     :  0,6000",
        "  7. Szerokość prawej  opaski     :  0,4000", "  8. Szerokość nawierzchni        :  7,0000",
        "  9. Rozstaw skrajnych dźwigarów  :  9,0000", " 10. Liczba dźwigarów głównych    :  2",
    };
    EXPECT_EQ(Parametry(Porownanie([](tMost& m) {
                  m.Przekroj = 2, m.g1 = 0.4, m.k1 = 0.25, m.k2 = 0.125, m.c2 = 1.25, m.a1 = 0.6, m.a2 = 0.4;
              })),
              typ2);
    for (int typ : {5, 6}) {
        const auto p = Parametry(Porownanie([typ](tMost& m) { m.Przekroj = typ, m.P = 7.6; }));
        EXPECT_EQ(p, std::vector<std::string>{"  1. Liczba pasm płyty            : " +
                                              std::string(typ == 5 ? " 5" : " 8")}) << typ;
    }
    tSeparator kropka('.');
    const auto plyta = Parametry(Porownanie([](tMost& m) { m.Przekroj = 4, m.P = 8.25; }));
    EXPECT_EQ(plyta.front(), "  1. Szerokość lewej   opaski     :  0.5000");
    EXPECT_EQ(plyta.back(), "  5. Liczba pasm płyty            :  8");
}

TEST_F(PorownanieTest, DlugosciElementowZawszeZKropka)
{
    const std::pair<std::array<double, 3>, std::string> przypadki[] = {
        {{0, 12.5, 0}, "DŁUGOŚĆ PRZĘSŁA    : 12.5000"},
        {{1.5, 12.5, 1.5}, "DŁUGOŚĆI ELEMENTÓW : 1.50 12.50 1.50 "},
        {{0.1, 12.5, 0}, "DŁUGOŚĆ PRZĘSŁA    : 12.5000"},  // wspornik 0,1 m nie jest elementem
        {{0, 12.25, 0.15}, "DŁUGOŚĆI ELEMENTÓW : 12.25 0.15 "},
    };
    for (const auto& [l, wiersz] : przypadki) {
        const auto w = Porownanie([&](tMost& m) { m.Schemat = 0, m.L = {l[0], l[1], l[2]}; });
        auto d = std::find_if(w.begin(), w.end(), [](const std::string& s) { return s.starts_with("DŁUGOŚĆ"); });
        ASSERT_NE(d, w.end());
        EXPECT_EQ(*d, wiersz);
        EXPECT_EQ(*(d - 1), "LICZBA PRZĘSEŁ     : 1");
    }
    const auto w = Porownanie();
    EXPECT_NE(std::find(w.begin(), w.end(), "LICZBA PRZĘSEŁ     : 3"), w.end());
}

TEST_F(PorownanieTest, PustaIdentyfikacjaIBledneDane)
{
    const auto w = Porownanie([](tMost& m) { m.Info = {}, m.B = 8; });
    ASSERT_GE(w.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + 5),
              (std::vector<std::string>{"", "RAPORT Z PROGRAMU \"PONTIVA\"",
                                        "Przeliczenie danego obiektu dla różnych norm i klas użytkowych", "",
                                        "RODZAJ PRZĘSŁA    : Wielodźwigarowe - jezdnia z krawężnikami"}));
    std::vector<std::string> wyniki;
    for (const auto& l : w)
        if (l.find("BŁĘDNE DANE : ") != std::string::npos) wyniki.push_back(l.substr(7));
    ASSERT_EQ(wyniki.size(), 23u);
    EXPECT_TRUE(wyniki[0].starts_with("BŁĘDNE DANE : Niezgodna suma")) << wyniki[0];
    for (const auto& l : wyniki) EXPECT_EQ(l, wyniki[0]);
    // Tylko pole, którego brak, znika.
    const auto z = Porownanie([](tMost& m) { m.Info = {"", "", "DK7", "", "", "rzeka"}; });
    EXPECT_EQ(std::vector<std::string>(z.begin() + 4, z.begin() + 7),
              (std::vector<std::string>{"Nr drogi          : DK7", "Przeszkoda        : rzeka",
                                        "RODZAJ PRZĘSŁA    : Wielodźwigarowe - jezdnia z krawężnikami"}));
}

TEST_F(PorownanieTest, PlytaBezScinaniaIKlasyPN85)
{
    const auto w = Porownanie([](tMost& m) { m.Przekroj = 4, m.P = 8; });
    auto norma = std::find(w.begin(), w.end(), "NORMA: PN-85/S-10030");
    ASSERT_NE(norma, w.end());
    const char* klasy[] = {"    A  ", "    B  ", "    C  ", "    D  ", "    E  "};
    for (int i = 0; i < 5; ++i) {
        const std::string& l = *(norma + 1 + i);
        EXPECT_EQ(l.substr(0, 7), klasy[i]);
        // " %8.4f  %s  %8.4f  %s  %5.2f t" z ośmioma odstępami w miejscu TN i TP.
        ASSERT_EQ(l.size(), 7u + 1 + 8 + 2 + 8 + 2 + 8 + 2 + 8 + 2 + 5 + 2) << l;
        EXPECT_EQ(l.substr(7 + 9, 12), "            ");
        EXPECT_EQ(l.substr(7 + 9 + 20, 12), "            ");
        EXPECT_TRUE(l.ends_with(" t"));
    }
    const std::vector<std::string> dalej = {"", "NORMA: PN-66/B-02015"};
    EXPECT_EQ(std::vector<std::string>(norma + 6, norma + 8), dalej);
    EXPECT_EQ((norma + 10)->substr(0, 7), "  III  ");
}

}  // namespace
