#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "MostTestowy.h"
#include "reports/Porownanie.h"

namespace {

using namespace testy;

// Wiersze porównania mostu testowego po zmianie.
std::vector<std::string> Porownanie(const std::function<void(tMost&)>& zmiana)
{
    tMost m;
    zmiana(m);
    tObiektMostowy naglowek, okno;
    m.Wypelnij(naglowek), m.Wypelnij(okno);
    return WierszePorownania(naglowek, okno, m.Info);
}

// Wiersze od pierwszego zaczętego od "od" do pustego wiersza.
std::vector<std::string> Blok(const std::vector<std::string>& w, const std::string& od)
{
    auto p = std::find_if(w.begin(), w.end(), [&](const std::string& l) { return l.starts_with(od); });
    return std::vector<std::string>(p, std::find(p, w.end(), ""));
}

TEST(Porownanie, WzorcowyPlikBajtPoBajcie)
{
    const tMost most;
    tObiektMostowy naglowek, okno;
    most.Wypelnij(naglowek), most.Wypelnij(okno);
    tKatalogTymczasowy kat;
    std::string komunikat;
    ZapiszPlik(kat / "PTU.TXT", std::string(100000, 'x'));  // plik jest zastępowany
    ASSERT_TRUE(ZapiszPorownanie(naglowek, okno, most.Info, kat / "PTU.TXT", komunikat));
    EXPECT_EQ(CzytajPlik(kat / "PTU.TXT"), CzytajPlik(DaneTestowe("raporty/PTU.TXT")));
    EXPECT_EQ(okno.Normatyw, nDIN1072) << "obiekt okna zostaje z ostatnią parą";
    EXPECT_EQ(okno.Klasa, 2);

    most.Wypelnij(okno);
    EXPECT_FALSE(ZapiszPorownanie(naglowek, okno, most.Info, kat / "brak/PTU.TXT", komunikat));
    EXPECT_EQ(komunikat, "Błąd zapisu pliku.\rNie można zapisać pliku: " + kat / "brak/PTU.TXT (nie ma takiego katalogu)");
    EXPECT_EQ(okno.Normatyw, nNormatyw1956) << "bez pliku nie ma przeliczeń";
}

TEST(Porownanie, ParametryWedlugPrzekrojuIPlytaBezScinania)
{
    const auto typ2 = Porownanie([](tMost& m) {
        m.Przekroj = 2, m.g1 = 0.4, m.k1 = 0.25, m.k2 = 0.125, m.c2 = 1.25, m.a1 = 0.6, m.a2 = 0.4;
    });
    EXPECT_EQ(Blok(typ2, "Parametry"),
              (std::vector<std::string>{
                  "Parametry         :", "  1. Szerokość lewego  chodnika   :  1,5000", "  2. Szerokość prawego chodnika   :  1,2500",
                  "  3. Szerokość dźwigara           :  0,4000", "  4. Szerokość lewego  krawężnika :  0,2500",
                  "  5. Szerokość prawego krawężnika :  0,1250", "  6. Szerokość lewej   opaski     :  0,6000",
                  "  7. Szerokość prawej  opaski     :  0,4000", "  8. Szerokość nawierzchni        :  7,0000",
                  "  9. Rozstaw skrajnych dźwigarów  :  9,0000", " 10. Liczba dźwigarów głównych    :  2"}));
    for (const auto& [typ, wiersz] : {std::pair{5, "  1. Liczba pasm płyty            :  5"},
                                      std::pair{6, "  1. Liczba pasm płyty            :  8"}})
        EXPECT_EQ(Blok(Porownanie([typ](tMost& m) { m.Przekroj = typ, m.P = 7.6; }), "Parametry").at(1), wiersz);
    // Płyta bez ścinania: osiem odstępów w miejscu TN i TP; PN-85/S-10030 ma pięć klas.
    tSeparator kropka('.');
    const auto plyta = Porownanie([](tMost& m) { m.Przekroj = 4, m.P = 8; });
    EXPECT_EQ(Blok(plyta, "Parametry").at(1), "  1. Szerokość lewej   opaski     :  0.5000");
    EXPECT_EQ(Blok(plyta, "Parametry").back(), "  5. Liczba pasm płyty            :  8");
    const auto klasy = Blok(plyta, "NORMA: PN-85/S-10030");
    ASSERT_EQ(klasy.size(), 6u);
    for (size_t i = 1; i < klasy.size(); ++i)
        EXPECT_TRUE(std::regex_match(klasy[i], std::regex(std::string("    ") + "ABCDE"[i - 1] +
                                                          "   +\\d+\\.\\d{4} {12} *\\d+\\.\\d{4} {12}[ \\d]\\d\\.\\d\\d t")))
            << klasy[i];
}

TEST(Porownanie, DlugosciElementowZawszeZKropka)
{
    const std::pair<std::array<double, 3>, std::string> przypadki[] = {
        {{0, 12.5, 0}, "DŁUGOŚĆ PRZĘSŁA    : 12.5000"},
        {{0, 12.25, 0.15}, "DŁUGOŚĆI ELEMENTÓW : 12.25 0.15 "},
    };
    for (const auto& [l, wiersz] : przypadki)
        EXPECT_EQ(Blok(Porownanie([&](tMost& m) { m.Schemat = 0, m.L = {l[0], l[1], l[2]}; }), "LICZBA"),
                  (std::vector<std::string>{"LICZBA PRZĘSEŁ     : 1", wiersz}));
}

TEST(Porownanie, PustaIdentyfikacjaIBledneDane)
{
    const auto w = Porownanie([](tMost& m) { m.Info = {}, m.B = 8; });
    EXPECT_EQ(w[4], "RODZAJ PRZĘSŁA    : Wielodźwigarowe - jezdnia z krawężnikami");
    std::vector<std::string> wyniki;  // 23 przeliczenia, ten sam komunikat
    for (const auto& l : w)
        if (l.find("BŁĘDNE DANE : ") == 7) wyniki.push_back(l.substr(7));
    EXPECT_EQ(wyniki, std::vector<std::string>(23, wyniki.at(0)));
    EXPECT_TRUE(wyniki[0].starts_with("BŁĘDNE DANE : Niezgodna suma")) << wyniki[0];
    // Tylko pole, którego brak, znika.
    // Znaki sterujące tekstu identyfikacji jako "?" (plik czyta człowiek).
    const auto z = Porownanie([](tMost& m) { m.Info = {"", "", "DK7\x1B[2J", "", "", "rzeka\x07"}; });
    EXPECT_EQ(std::vector<std::string>(z.begin() + 4, z.begin() + 6),
              (std::vector<std::string>{"Nr drogi          : DK7?[2J", "Przeszkoda        : rzeka?"}));
}

}  // namespace
