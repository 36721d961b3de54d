// pontiva-cli: opcje i odmowy, kody wyjścia, kształt trzech formatów, katalogi, ścieżka
// wyjścia UTF-8 i polecenia raportów od początku do końca. Liczby całych obiektów
// sprawdzają przypadki (PrzypadkiTest.cpp).
#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "Wspolne.h"
#include "common/Cp1250.h"

namespace {

using namespace testy;

const std::string Most = DaneTestowe("raporty/most.ptv");
const std::string Plyta = DaneTestowe("przypadki/pn85_p4/obiekt.PTV");  // płyta: TN i TP nie dotyczą
const std::string ZleSumy = "[INFO]\r\nJNI=1;2\r\n[OBIEKT]\r\nNORMA=5\r\n[PP]\r\nB=7\r\nBB=5\r\nN=4\r\n[PD]\r\nL2=18\r\n";
// Sprawdzenia przechodzą, ale Normatyw 1945 nie ma algorytmu dla płyty bez krawężników.
const std::string BezAlgorytmu = "[OBIEKT]\r\nNORMA=1\r\nRODZA=4\r\n[PP]\r\nA1=0,5\r\nA2=0,5\r\nB=7\r\nP=8\r\n[PD]\r\nL2=9\r\n";

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZapiszPlik(sumy, ZleSumy);
        ZapiszPlik(alg, BezAlgorytmu);
    }
    // Wywołanie z ustawieniami regionalnymi środowiska (LC_ALL), gdy podane.
    static tWynikCli Uruchom(const std::vector<std::string>& argumenty, const char* lcAll = "C")
    {
        setenv("LC_ALL", lcAll, 1);
        auto w = UruchomCli(argumenty);
        unsetenv("LC_ALL");
        return w;
    }

    tKatalogTymczasowy kat;
    const std::string sumy = kat / "sumy.PTV", alg = kat / "alg.PTV", brak = kat / "nie-ma.PTV";
};

TEST_F(Cli, OpcjeOdmowyIKodyWyjscia)
{
    const std::string rtf = kat / "x.rtf";
    const struct {
        std::vector<std::string> argumenty;
        int kod;
        std::string wBledach, wWyjsciu;
    } przypadki[] = {
        {{"--help"}, 0, "", "Kod wyjścia"},
        {{"oblicz", Most, "-h"}, 0, "", "pontiva-cli oblicz [--format tekst|csv|json] [--separator ,|.]"},
        {{}, 2, "Użycie:", ""},
        {{"policz", Most}, 2, "nieznane polecenie \"policz\"", ""},
        {{"oblicz", Most}, 0, "", "OBLICZENIA POPRAWNE"},
        {{"oblicz", Most, sumy}, 1, "", "BŁĄD WYMIARÓW"},
        {{"oblicz", "--format", "xml", Most}, 2, "nieznany format \"xml\"", ""},
        {{"oblicz", "--separator", ";", Most}, 2, "nie \";\"", ""},
        {{"oblicz", "--szybko", Most}, 2, "nieznana opcja \"--szybko\"", ""},
        {{"oblicz", "--format"}, 2, "opcja --format wymaga wartości", ""},
        {{"oblicz"}, 2, "podaj plik roboczy", ""},
        {{"oblicz", sumy, brak}, 2, "nie można odczytać pliku ani katalogu: " + brak, "BŁĄD WYMIARÓW"},
        {{"oblicz", "--", "--format"}, 2, "katalogu: --format\n", ""},
        {{"slad", Most, Most}, 2, "dokładnie jeden plik", ""},
        {{"slad", kat.Sciezka()}, 2, "katalogu: " + kat.Sciezka(), ""},
        {{"slad", "--separator", "x", Most}, 2, "nie \"x\"", ""},
        {{"slad", sumy}, 1, "\nNiezgodna suma wymiarów dolnych z górnymi\n", ""},
        {{"slad", alg}, 1, "BŁĄD OBLICZEŃ :\nElement Przęsło: Brak algorytmu\n", "<<Płytowe - jezdnia bez krawężników>>"},
        {{"raport", Most}, 2, "Użycie: pontiva-cli raport", ""},
        {{"raport", Most, "-o", rtf, "--cos"}, 2, "Użycie: pontiva-cli raport", ""},
        {{"raport", brak, "-o", rtf}, 2, "Nie można odczytać pliku: " + brak, ""},
        {{"raport", sumy, "-o", rtf}, 1, "BŁĄD: Nieprawidłowy JNI\nJNI musi mieć", ""},
        {{"normy", brak}, 2, "Nie można odczytać pliku: " + brak, ""},
        {{"normy", Most, "-o", kat / "brak/PTU.TXT"}, 1, "Błąd zapisu pliku.\n" + kat / "brak/PTU.TXT", ""},
        {{"normy", Most, "--data", "1"}, 2, "Użycie: pontiva-cli normy", ""},
        {{"sprawdz"}, 2, "Użycie: pontiva-cli sprawdz", ""},
        {{"sprawdz", brak}, 2, "Nie można odczytać pliku: " + brak, ""},
        {{"sprawdz", sumy}, 2, "To nie jest czytelny raport urzędowy: to nie jest dokument RTF", ""},
    };
    for (const auto& p : przypadki) {
        std::string opis;
        for (const auto& a : p.argumenty) opis += a + " ";
        const auto w = Uruchom(p.argumenty);
        EXPECT_EQ(w.Kod, p.kod) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Bledy.find(p.wBledach), std::string::npos) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Wyjscie.find(p.wWyjsciu), std::string::npos) << opis << "\n" << w.Wyjscie;
        if (p.kod == 2 && p.argumenty.size() > 1 && p.argumenty[0] != "oblicz") {
            EXPECT_EQ(w.Wyjscie, "") << opis;
        }
    }
    EXPECT_FALSE(fs::exists(rtf));
}

TEST_F(Cli, TrzyFormaty)
{
    auto w = Uruchom({"oblicz", "--separator", ",", Plyta, sumy, alg});
    EXPECT_EQ(w.Kod, 1);
    const std::regex tekst("Plik: " + Plyta + "\nM1N: \\d+,\\d{4}\nTN:\nMP: \\d+,\\d{4}\nTP:\nKATEGORIA: \\d+ \\[T\\]\n\n"
                           "OBLICZENIA POPRAWNE\n\n(.|\n)*\nPlik: " + alg + "\nM1N:\nTN:\nMP:\nTP:\nKATEGORIA:\n"
                           "BŁĄD OBLICZEŃ :\nElement Przęsło: Brak algorytmu\n\n");
    EXPECT_TRUE(std::regex_match(w.Wyjscie, tekst)) << w.Wyjscie;

    w = Uruchom({"oblicz", "--format=csv", "--separator=,", Plyta, sumy});
    EXPECT_EQ(w.Kod, 1);
    const std::regex csv("plik;JNI;NrP;normatyw;klasa;przekroj;schemat;M1N;TN;MP;TP;PTV;najgorszy;blad\n" + Plyta +
                         ";99000031;1;5;4;4;4;\\d+,\\d+;;\\d+,\\d+;;\\d+,\\d+;2;\n" + sumy +
                         ";\"1;2\";;5;0;0;0;;;;;;-1;Niezgodna suma wymiarów dolnych z górnymi c1\\+a1\\+b\\+a2\\+c2 "
                         "<> e1\\+B\\+e2\n");
    EXPECT_TRUE(std::regex_match(w.Wyjscie, csv)) << w.Wyjscie;

    w = Uruchom({"oblicz", "--format", "json", sumy});
    EXPECT_EQ(w.Wyjscie, "{\"plik\":\"" + sumy +
                             "\",\"JNI\":\"1;2\",\"NrP\":\"\",\"normatyw\":5,\"klasa\":0,\"przekroj\":0,\"schemat\":0,"
                             "\"ok\":false,\"etap\":\"sumy\",\"komunikat\":\"Niezgodna suma wymiarów dolnych z górnymi"
                             "\\r         c1+a1+b+a2+c2 <> e1+B+e2\",\"M1N\":null,\"TN\":null,\"MP\":null,\"TP\":null,"
                             "\"PTV\":null,\"najgorszy\":-1,\"elementy\":[{\"nazwa\":\"Przęsło\",\"rodzaj\":0,"
                             "\"dlugosc\":18,\"LM\":null,\"LT\":null,\"M1N\":null,\"TN\":null,\"MP\":null,\"TP\":null,"
                             "\"masa\":null}]}\n");
    w = Uruchom({"oblicz", "--format", "json", alg, Most});
    const auto wiersze = Wiersze(w.Wyjscie);
    ASSERT_EQ(wiersze.size(), 2u);
    EXPECT_NE(wiersze[0].find("\"ok\":false,\"etap\":\"oblicz\",\"komunikat\":\"Element Przęsło: Brak algorytmu\""),
              std::string::npos);
    EXPECT_TRUE(wiersze[1].starts_with("{\"plik\":\"" + Most + "\",\"JNI\":\"12345678\",\"NrP\":\"2\",")) << wiersze[1];

    // Separator dziesiętny z ustawień regionalnych, gdy nie podano --separator.
    for (const auto& [lcAll, liczba] : {std::pair{"pl_PL.UTF-8", ";6,4"}, std::pair{"C", ";6.4"}})
        EXPECT_NE(Uruchom({"oblicz", "--format", "csv", Plyta}, lcAll).Wyjscie.find(liczba), std::string::npos) << lcAll;
}

// Katalog: każdy *.PTV (dowolna wielkość liter) według nazw, bez podkatalogów; plik, którego
// nie ma, nie zatrzymuje pozostałych.
TEST_F(Cli, KatalogIBrakujacyPlik)
{
    const std::string k = kat / "k";
    fs::create_directories(k + "/d.PTV");
    for (const char* nazwa : {"b.PTV", "a.ptv", "B2.PTV", "c.txt", "d.PTV/e.PTV", "f.PtV"})
        ZapiszPlik(k + "/" + nazwa, CzytajPlik(Plyta));
    const auto w = Uruchom({"oblicz", "--format", "csv", k + "/", brak, Most});
    EXPECT_EQ(w.Kod, 2);
    EXPECT_EQ(w.Bledy, "pontiva-cli: nie można odczytać pliku ani katalogu: " + brak + "\n");
    std::vector<std::string> pliki;
    for (const auto& l : Wiersze(w.Wyjscie)) pliki.push_back(l.substr(0, l.find(';')));
    EXPECT_EQ(pliki, (std::vector<std::string>{"plik", k + "/B2.PTV", k + "/a.ptv", k + "/b.PTV", k + "/f.PtV", Most}));
}

// Nazwa pliku przechodzi do JSON i CSV bez zmian, także znaki czterobajtowe; znaki sterujące
// jako sekwencje ucieczki, błędne bajty UTF-8 jako U+FFFD.
TEST_F(Cli, NazwyPlikowWUtf8)
{
    const std::string zastepczy = "\xEF\xBF\xBD";
    const std::string nazwa1 = "x\"\\\t\x01\x7Fż€\xC0\x80\xFF😀", nazwa2 = "y\xE2\x82.\xE2\x82";
    for (const auto& n : {nazwa1, nazwa2}) ZapiszPlik(kat / n, CzytajPlik(Most));
    auto w = Uruchom({"oblicz", "--format", "json", kat / nazwa1, kat / nazwa2});
    EXPECT_EQ(w.Kod, 0);
    const auto wiersze = Wiersze(w.Wyjscie);
    ASSERT_EQ(wiersze.size(), 2u);
    EXPECT_TRUE(wiersze[0].starts_with("{\"plik\":\"" + kat / "x\\\"\\\\\\t\\u0001\x7Fż€" + zastepczy + zastepczy +
                                       zastepczy + "😀\",\"JNI\":"))
        << wiersze[0];
    const std::string y = "y" + zastepczy + zastepczy + "." + zastepczy + zastepczy;
    EXPECT_TRUE(wiersze[1].starts_with("{\"plik\":\"" + kat / y + "\",")) << wiersze[1];

    w = Uruchom({"oblicz", "--format", "csv", kat / nazwa1});
    EXPECT_TRUE(Wiersze(w.Wyjscie).at(1).starts_with("\"" + kat / "x\"\"\\\t\x01\x7Fż€\xC0\x80\xFF😀\";12345678;"));
}

TEST_F(Cli, RaportSprawdzINormy)
{
    const std::string rtf = kat / "r.rtf";
    auto w = Uruchom({"raport", Most, "-o", rtf, "--data", "{1.2}"});
    EXPECT_EQ(w.Kod, 0) << w.Bledy;
    EXPECT_EQ(w.Wyjscie, "Raport zapisany: " + rtf + "\n");
    std::string raport = CzytajPlik(rtf);
    EXPECT_NE(raport.find("Data \\{1.2\\}\\par }"), std::string::npos) << "data z --data";
    EXPECT_NE(raport.find("\\b\\cf1 42.00\\par }"), std::string::npos) << "separator z ustawień regionalnych";

    w = Uruchom({"raport", Most, "--separator", ",", "-o", rtf});
    raport = CzytajPlik(rtf);
    const std::time_t teraz = std::time(nullptr);
    char dzis[16];
    std::strftime(dzis, sizeof dzis, "%d.%m.%Y", std::localtime(&teraz));
    EXPECT_NE(raport.find("Data " + std::string(dzis) + "\\par }"), std::string::npos) << "dzisiejsza data";
    const size_t nosnosc = raport.find("\\b\\cf1 42,00\\par }");
    ASSERT_NE(nosnosc, std::string::npos);

    w = Uruchom({"sprawdz", rtf});
    EXPECT_EQ(w.Kod, 0);
    EXPECT_TRUE(std::regex_match(w.Wyjscie, std::regex("Kod kontrolny zgodny z treścią raportu: [0-9a-f]{32}\n")));
    raport[nosnosc + 8] = '3';  // 42,00 -> 43,00
    ZapiszPlik(rtf, raport);
    w = Uruchom({"sprawdz", rtf});
    EXPECT_EQ(w.Kod, 1);
    EXPECT_TRUE(std::regex_match(w.Wyjscie, std::regex("Kod kontrolny NIEZGODNY z treścią raportu.\n"
                                                       "  wydrukowany: [0-9a-f]{32}\n  z treści:    [0-9a-f]{32}\n")))
        << w.Wyjscie;

    // Porównanie norm do pliku (Windows-1250, CR LF) i na wyjście (UTF-8, LF): ten sam tekst.
    const std::string ptu = kat / "PTU.TXT";
    EXPECT_EQ(Uruchom({"normy", Most, "-o", ptu, "--separator", ","}).Kod, 0);
    std::string utf8 = Cp1250DoUtf8(CzytajPlik(ptu));
    for (size_t p; (p = utf8.find("\r\n")) != std::string::npos;) utf8.replace(p, 2, "\n");
    ASSERT_NE(utf8.find("Łomianki\n"), std::string::npos);
    w = Uruchom({"normy", Most, "--separator", ","});
    EXPECT_EQ(w.Kod, 0);
    EXPECT_EQ(w.Wyjscie, utf8);
    EXPECT_NE(Uruchom({"normy", Most}).Wyjscie.find("    I    33.0674  157.8960"), std::string::npos);
}

}  // namespace
