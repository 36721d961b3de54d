// pontiva-cli przejazd: kody wyjścia, odmowy użycia i pliku pojazdu, wyjście tekstowe, CSV
// i zapis raportu. Liczby przejazdu sprawdzają testy warstw i przypadki (przejazd.json).
#include <gtest/gtest.h>

#include "Wspolne.h"

namespace {

using namespace testy;

const std::string Przyklady = std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady";
const std::string Zuraw = Przyklady + "/pojazdy/zuraw_60t.PJZ";
const std::string Przegubowa = Przyklady + "/przegubowa.PTV";

TEST(PrzejazdCli, KodyWyjsciaIOdmowy)
{
    tKatalogTymczasowy kat;
    ZapiszPlik(kat / "zly.PJZ", "[POJAZD]\r\nOSIE=2\r\nP1=12\r\nP2=12t\r\nS1=2\r\n");
    const struct {
        std::vector<std::string> argumenty;
        int kod;
        std::string wBledach, wWyjsciu;
    } przypadki[] = {
        {{"przejazd", Przegubowa}, 2, "Użycie: pontiva-cli przejazd --pojazd", ""},
        {{"przejazd", "--pojazd", Zuraw}, 2, "Użycie: pontiva-cli przejazd", ""},
        {{"przejazd", "--pojazd", Zuraw, "--sam=1", Przegubowa}, 2, "opcja --sam nie przyjmuje wartości", ""},
        {{"przejazd", "--pojazd", Zuraw, "--format", "xml", Przegubowa}, 2, "nieznany format \"xml\"", ""},
        {{"przejazd", "--pojazd", Zuraw, "--format", "tekst", Przegubowa}, 0, "", "PRZEJAZD DOPUSZCZALNY"},
        {{"przejazd", "--pojazd", kat / "zly.PJZ", Przegubowa}, 2,
         "pontiva-cli: Plik pojazdu " + kat / "zly.PJZ: [POJAZD] P2 = \"12t\": to nie jest liczba", ""},
        {{"przejazd", "--pojazd", kat / "brak.PJZ", Przegubowa}, 2, "Nie można odczytać pliku: " + kat / "brak.PJZ", ""},
        {{"przejazd", "--pojazd", Zuraw, "--format", "csv", "-o", kat / "a.csv", Przegubowa}, 2, "--format dotyczy", ""},
        {{"przejazd", "--pojazd", Zuraw, "-o", kat / "a.txt", Przegubowa}, 2, "rozszerzenia .rtf albo .csv", ""},
        {{"przejazd", "--pojazd", Zuraw, "-o", kat / "brak/a.rtf", Przegubowa}, 2, kat / "brak/a.rtf", ""},
        {{"przejazd", "--pojazd", Zuraw, kat / "brak.PTV", Przegubowa}, 2, "nie można odczytać pliku ani katalogu",
         "PRZEJAZD DOPUSZCZALNY"},
        {{"przejazd", "--pojazd", Zuraw, "--format", "json", "--sam", Przegubowa}, 0, "", "\"q\":0,\"dopuszczalny\":true"},
        {{"przejazd", "--pojazd", Zuraw, "--format", "json", kat / "zly.PJZ"}, 1, "",
         "\"ok\":false,\"etap\":\"odczyt\",\"komunikat\":\"To nie jest plik roboczy"},
        {{"przejazd", "--pojazd", Zuraw, "-o", kat / "r.RTF", Przyklady}, 1, "", "Ocena przejazdu zapisana: " + kat / "r.RTF (obiektów: 8)"},
        {{"przejazd", "--pojazd", Zuraw, "-o", kat / "z.csv", Przegubowa}, 0, "", "(obiektów: 1)"},
    };
    for (const auto& p : przypadki) {
        std::string opis;
        for (const auto& a : p.argumenty) opis += a + " ";
        const auto w = UruchomCli(p.argumenty);
        EXPECT_EQ(w.Kod, p.kod) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Bledy.find(p.wBledach), std::string::npos) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Wyjscie.find(p.wWyjsciu), std::string::npos) << opis << "\n" << w.Wyjscie;
    }
    EXPECT_FALSE(fs::exists(kat / "a.txt"));
    EXPECT_FALSE(fs::exists(kat / "a.csv"));
    EXPECT_TRUE(CzytajPlik(kat / "r.RTF").starts_with("{\\rtf1"));
    EXPECT_TRUE(CzytajPlik(kat / "z.csv").starts_with("\xEF\xBB\xBFplik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;KATEGORIA;"
                                                      "wykorzystanie;dopuszczalny;najgorszy;efekt;masa_dopuszczalna;etap;komunikat\n"
                                                      + Przegubowa));
}

// Wyjście tekstowe: pojazd raz, obiekt dopuszczony i odrzucony, podsumowanie; CSV tych samych
// obiektów (wykorzystanie w górę, masa w dół, komunikat w jednym wierszu).
TEST(PrzejazdCli, TekstICsv)
{
    const std::string sumy = DaneTestowe("cli/sumy.PTV");
    const auto t = UruchomCli({"przejazd", "--separator", ",", "--pojazd", Zuraw, Przegubowa, sumy});
    EXPECT_EQ(t.Kod, 1);
    EXPECT_EQ(t.Wyjscie, "Pojazd: Żuraw samojezdny 5-osiowy 60 t\n"
                         "Masa całkowita: 60 t; liczba osi: 5; rozstaw skrajnych osi: 7,35 m\n"
                         "Naciski osi [t]: 12; 12; 12; 12; 12\n"
                         "Rozstawy osi [m]: 1,65; 2,4; 1,65; 1,65\n"
                         "Obciążenie: z ruchem: pojazd i obciążenie równomierne q = 5 kN/m na całej długości przęseł\n\n"
                         "Plik: " + Przegubowa + "\n"
                         "JNI: 12010008; NrP: 3; KATEGORIA: 42 [T]\n"
                         "PRZEJAZD DOPUSZCZALNY\n"
                         "Wykorzystanie: 0,59\n"
                         "Element rozstrzygający: 2 Przęsło nr 1, efekt T\n"
                         "Największa masa pojazdu o tym układzie osi: 105,88 t\n\n"
                         "Plik: " + sumy + "\n"
                         "PRZEJAZD NIEDOPUSZCZALNY\n"
                         "Obiekt odrzucony (etap sumy): Niezgodna suma wymiarów dolnych z górnymi\n"
                         "         c1+a1+b+a2+c2 <> e1+B+e2\n"
                         "         7,00 <> 5,00 (różnica 2,00 m)\n\n"
                         "Przejazd dopuszczalny przez 1 z 2 obiektów\n");
    const auto c = UruchomCli({"przejazd", "--separator", ".", "--format", "csv", "--pojazd", Zuraw, Przegubowa, sumy});
    EXPECT_EQ(c.Kod, 1);
    const auto linie = Wiersze(c.Wyjscie);
    ASSERT_EQ(linie.size(), 3u);
    EXPECT_EQ(linie[1], Przegubowa + ";12010008;3;8;201+150;Kłodzko;rzeka Nysa Kłodzka;42;0.59;TAK;Przęsło nr 1;T;105.88;;");
    EXPECT_EQ(linie[2], sumy + ";\"1;2\";;;;;;;;NIE;;;;sumy;Niezgodna suma wymiarów dolnych z górnymi c1+a1+b+a2+c2 <> e1+B+e2 7.00 <> 5.00 (różnica 2.00 m)");
}

}  // namespace
