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
const std::string Odrzucone = DaneTestowe("cli");  // sumy.PTV i alg.PTV z oczekiwanym wyjściem

// Wywołanie z ustawieniami regionalnymi środowiska LC_ALL.
tWynikCli Uruchom(const std::vector<std::string>& argumenty, const char* lcAll = "C", const std::string& katalog = "")
{
    const char* poprzednie = std::getenv("LC_ALL");
    const std::string kopia = poprzednie ? poprzednie : "";
    UstawZmienna("LC_ALL", lcAll);
    auto w = UruchomCli(argumenty, katalog);
    UstawZmienna("LC_ALL", poprzednie ? kopia.c_str() : nullptr);
    return w;
}

TEST(Cli, OpcjeOdmowyIKodyWyjscia)
{
    tKatalogTymczasowy kat;
    const std::string sumy = Odrzucone + "/sumy.PTV", brak = kat / "nie-ma.PTV", rtf = kat / "x.rtf";
    const std::string duzy = kat / "duzy.rtf";
    ZapiszPlik(duzy, std::string((std::size_t{8} << 20) + 1, ' '));
    // Most z podmianami tekstu: klucz podany drugi raz, przęsło 0, jedno przęsło belki
    // wieloprzęsłowej, numer przęsła, który raport zamieniłby na 1.
    auto zmieniony = [&](const char* nazwa, std::vector<std::pair<std::string, std::string>> podmiany) {
        std::string t = CzytajPlik(Most);
        for (const auto& [z, na] : podmiany) t.replace(t.find(z), z.size(), na);
        ZapiszPlik(kat / nazwa, t);
        return kat / nazwa;
    };
    const struct {
        std::vector<std::string> argumenty;
        int kod;
        std::string wBledach, wWyjsciu;
    } przypadki[] = {
        {{"--help"}, 0, "", "Kod wyjścia"},
        {{"oblicz", Most, "-h"}, 0, "", "pontiva-cli oblicz [--format tekst|csv|json] [--separator ,|.]"},
        {{}, 2, "Użycie:", ""},
        {{"policz", Most}, 2, "nieznane polecenie \"policz\"", ""},
        {{"oblicz", "--format", "xml", Most}, 2, "nieznany format \"xml\"", ""},
        {{"oblicz", "--separator", ";", Most}, 2, "nie \";\"", ""},
        {{"oblicz", "--szybko", Most}, 2, "nieznana opcja \"--szybko\"", ""},
        {{"oblicz", "--format"}, 2, "opcja --format wymaga wartości", ""},
        {{"oblicz"}, 2, "podaj plik roboczy", ""},
        {{"oblicz", brak, sumy}, 2, "nie można odczytać pliku ani katalogu: " + brak, "BŁĄD WYMIARÓW"},
        {{"oblicz", "-"}, 2, "katalogu: -\n", ""},
        {{"oblicz", "--", "--format"}, 2, "katalogu: --format\n", ""},
        {{"slad", Most, Most}, 2, "dokładnie jeden plik", ""},
        {{"slad", kat.Sciezka()}, 2, "To nie jest zwykły plik: " + kat.Sciezka(), ""},
        {{"slad", sumy}, 1, "\nNiezgodna suma wymiarów dolnych z górnymi\n", ""},
        {{"slad", Odrzucone + "/alg.PTV"}, 1, "BŁĄD OBLICZEŃ :\nElement Przęsło: Brak algorytmu\n", "<<Płytowe"},
        {{"oblicz", zmieniony("a.PTV", {{"KLASA=0", "KLASA=0\r\nKLASA=2"}})}, 1,
         "[OBIEKT] KLASA = \"2\": klucz podany drugi raz, przyjęto 0", "wczytanie zmieniło wartość [OBIEKT] KLASA"},
        {{"oblicz", zmieniony("b.PTV", {{"L3=15", "L3=0"}})}, 1, "", "Przęsło nr 2: brak rozpiętości (0.00 m)"},
        {{"oblicz", zmieniony("c.PTV", {{"PRZES=3", "PRZES=1"}, {"L4=12\r\nL5=0\r\n", ""}})}, 1, "",
         "\"Belka ciągła wieloprzęsłowa\" z jednym przęsłem: wybierz belkę swobodnie podpartą albo schemat dwuprzęsłowy"},
        {{"raport", zmieniony("d.PTV", {{"NRP=2", "NRP=2a"}}), "-o", rtf}, 1, "BŁĄD: Nieprawidłowy numer pierwszego przęsła", ""},
        {{"raport", Most}, 2, "Użycie: pontiva-cli raport", ""},
        {{"raport", Most, "-o", rtf, "--cos"}, 2, "Użycie: pontiva-cli raport", ""},
        {{"raport", Most, "-o"}, 2, "Użycie: pontiva-cli raport", ""},
        {{"raport", brak, "-o", rtf}, 2, "Nie można odczytać pliku: " + brak, ""},
        // nieudany zapis pliku to 2, nie 1 (odrzucone dane)
        {{"raport", Most, "-o", kat / "brak/x.rtf"}, 2,
         "Błąd [moduł VanRTF]: Nieprawidłowa nazwa zbioru. \nBrak kartoteki " + kat / "brak/\nBŁĄD: Błąd zapisu", ""},
        {{"normy", Most, "-o", kat / "brak/PTU.TXT"}, 2,
         "Błąd zapisu pliku.\nNie można zapisać pliku: " + kat / "brak/PTU.TXT (nie ma takiego katalogu)", ""},
        {{"normy", Most, "--data", "."}, 2, "Użycie: pontiva-cli normy", ""},
        {{"normy", kat.Sciezka()}, 2, "To nie jest zwykły plik: " + kat.Sciezka(), ""},
        {{"sprawdz"}, 2, "Użycie: pontiva-cli sprawdz", ""},
        {{"sprawdz", sumy}, 2, "To nie jest czytelny raport urzędowy: to nie jest dokument RTF", ""},
        {{"sprawdz", duzy}, 2, "Plik jest za duży (ponad 8 MiB): " + duzy, ""},
        // "--" kończy opcje w każdym poleceniu
        {{"sprawdz", "--", "-r.rtf"}, 2, "Nie można odczytać pliku: -r.rtf", ""},
        {{"sprawdz", rtf, "--data", "1.1.2026"}, 2, "Użycie: pontiva-cli sprawdz", ""},  // --data tylko z --plik
        {{"normy", "--", "--help"}, 2, "Nie można odczytać pliku: --help", ""},
        {{"raport", "-o", rtf, "--", "-o"}, 2, "Nie można odczytać pliku: -o", ""},
    };
    for (const auto& p : przypadki) {
        std::string opis;
        for (const auto& a : p.argumenty) opis += a + " ";
        const auto w = Uruchom(p.argumenty);
        EXPECT_EQ(w.Kod, p.kod) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Bledy.find(p.wBledach), std::string::npos) << opis << "\n" << w.Bledy;
        EXPECT_NE(w.Wyjscie.find(p.wWyjsciu), std::string::npos) << opis << "\n" << w.Wyjscie;
    }
    EXPECT_FALSE(fs::exists(rtf));
}

TEST(Cli, TrzyFormaty)
{
    for (const char* format : {"txt", "csv", "json"}) {
        const auto w = Uruchom({"oblicz", "--format", format == std::string("txt") ? "tekst" : format, "sumy.PTV",
                                "alg.PTV"}, "C", Odrzucone);
        EXPECT_EQ(w.Kod, 1);
        EXPECT_EQ(w.Wyjscie, CzytajPlik(Odrzucone + "/oblicz." + format)) << format;
    }
    auto w = Uruchom({"oblicz", "--separator", ",", Plyta});
    EXPECT_TRUE(std::regex_match(w.Wyjscie, std::regex("Plik: " + Plyta + "\nM1N: \\d+,\\d{4}\nTN:\nMP: \\d+,\\d{4}\nTP:\n"
                                                       "KATEGORIA: \\d+ \\[T\\]\n\nOBLICZENIA POPRAWNE\n\n")))
        << w.Wyjscie;
    w = Uruchom({"oblicz", "--format=csv", "--separator=,", Plyta});
    EXPECT_TRUE(std::regex_match(Wiersze(w.Wyjscie).at(1),
                                 std::regex(Plyta + ";99000031;1;5;4;4;4;\\d+,\\d+;;\\d+,\\d+;;\\d+,\\d+;2;")));
}

// Katalog: każdy *.PTV (dowolna wielkość liter) według nazw, bez podkatalogów; wpis, który nie
// jest plikiem (katalog d.PTV), i plik, którego nie ma, nie zatrzymują pozostałych.
TEST(Cli, KatalogIBrakujacyPlik)
{
    tKatalogTymczasowy kat;
    fs::create_directories(kat / "d.PTV");
    for (const char* nazwa : {"b.PTV", "a.ptv", "B2.PTV", "c.txt", "d.PTV/e.PTV", "f.PtV", ".PTV", "PTV"}) ZapiszPlik(kat / nazwa, CzytajPlik(Most));
    const auto w = Uruchom({"oblicz", "--format", "csv", kat / "", kat / "nie-ma.PTV", Most});
    EXPECT_EQ(w.Kod, 2);
    EXPECT_EQ(w.Bledy, "pontiva-cli: To nie jest zwykły plik: " + kat / "d.PTV\npontiva-cli: nie można odczytać pliku ani katalogu: " +
                           kat / "nie-ma.PTV\n");
    std::vector<std::string> pliki;
    for (const auto& l : Wiersze(w.Wyjscie)) pliki.push_back(l.substr(0, l.find(';')));
    EXPECT_EQ(pliki, (std::vector<std::string>{"plik", kat / ".PTV", kat / "B2.PTV", kat / "a.ptv", kat / "b.PTV", kat / "f.PtV", Most}));
}

// Nazwa pliku przechodzi do JSON i CSV bez zmian, także znaki czterobajtowe. W JSON każdy bajt
// spoza UTF-8 (także surogatu, ponad U+10FFFF, postaci nadmiarowej) to "\udcXX", więc roznice
// katalogu z jego własną oceną JSON nie widzi różnic; CSV jest poprawnym UTF-8 (błędna sekwencja
// jako jeden U+FFFD). Znaki sterujące w JSON jako sekwencje ucieczki, w CSV jako "?".
TEST(Cli, NazwyPlikowWUtf8)
{
    if (NaWindows) GTEST_SKIP() << "nazwy plików Windows są w UTF-16: bajtów spoza UTF-8 nie da się w nich zapisać";
    tKatalogTymczasowy kat;
    const std::string Z = "\xEF\xBF\xBD";
    const struct {
        std::string nazwa, json, csv;
    } przypadki[] = {
        {"x\"\\\t\x01\x7F\xC5\xBC\xE2\x82\xAC\xC0\x80\xFF\xF0\x9F\x98\x80",
         "x\\\"\\\\\\t\\u0001\\u007f\xC5\xBC\xE2\x82\xAC\\udcc0\\udc80\\udcff\xF0\x9F\x98\x80",
         "\"" + kat / "x\"\"\\???\xC5\xBC\xE2\x82\xAC" + Z + Z + "\xF0\x9F\x98\x80\""},
        {"y\xE2\x82.\xE2\x82", "y\\udce2\\udc82.\\udce2\\udc82", kat / "y" + Z + Z + "." + Z + Z},
        {"z\xED\xA0\x80\xF4\x90\x80\x80\xE0\x80\xAF\xF5\x1B[31m",
         "z\\udced\\udca0\\udc80\\udcf4\\udc90\\udc80\\udc80\\udce0\\udc80\\udcaf\\udcf5\\u001b[31m",
         kat / "z" + Z + Z + Z + Z + "?[31m"},
    };
    for (const auto& p : przypadki) {
        ZapiszPlik(kat / p.nazwa, "[INFO]\r\nJNI=12345678\r\n");
        const auto json = Wiersze(Uruchom({"oblicz", "--format", "json", kat / p.nazwa}).Wyjscie);
        EXPECT_EQ(json.at(0).substr(0, json.at(0).find("\",\"JNI\":")), "{\"plik\":\"" + kat / p.json) << p.json;
        const auto csv = Wiersze(Uruchom({"oblicz", "--format", "csv", kat / p.nazwa}).Wyjscie);
        EXPECT_EQ(csv.at(1).substr(0, csv.at(1).find(";12345678;")), p.csv);
    }
    tKatalogTymczasowy mosty;
    for (const auto& p : przypadki) ZapiszPlik(mosty / (p.nazwa + ".PTV"), CzytajPlik(Most));
    ZapiszPlik(kat / "o.jsonl", Uruchom({"oblicz", "--format", "json", mosty.Sciezka()}).Wyjscie);
    const auto w = Uruchom({"roznice", kat / "o.jsonl", mosty.Sciezka()});
    EXPECT_EQ(w.Wyjscie, "Różnice: zmienione 0, tylko w starym 0, tylko w nowym 0, bez zmian 3\n") << w.Bledy;
}

// Tekst z pliku roboczego nie steruje terminalem ani arkuszem: ESC, BEL i NUL jako "?", także
// w ostrzeżeniu (NUL nie ucina wiersza).
TEST(Cli, ZnakiSterujaceZPlikuJakoZnakZapytania)
{
    tKatalogTymczasowy kat;
    std::string plik = CzytajPlik(Odrzucone + "/sumy.PTV");
    plik.replace(plik.find("1;2"), 3, "12\x1B[2J").replace(plik.find("L2=18"), 5, std::string("L2=1\0" "2\x07", 7));
    ZapiszPlik(kat / "a.PTV", plik);
    const auto w = Uruchom({"oblicz", "--format", "csv", "a.PTV"}, "C", kat.Sciezka());
    EXPECT_EQ(w.Bledy, "pontiva-cli: a.PTV: [PD] L2 = \"1?2?\": to nie liczba, przyjęto 0\n");
    EXPECT_TRUE(Wiersze(w.Wyjscie).at(1).starts_with("a.PTV;12?[2J;;")) << w.Wyjscie;
}

TEST(Cli, RaportSprawdzINormy)
{
    tKatalogTymczasowy kat;
    const std::string rtf = kat / "r.rtf";
    auto w = Uruchom({"raport", Most, "-o", rtf, "--data", "{1.2}"});
    EXPECT_EQ(w.Kod, 0) << w.Bledy;
    EXPECT_EQ(w.Wyjscie, "Raport zapisany: " + rtf + "\n");
    std::string raport = CzytajPlik(rtf);
    EXPECT_NE(raport.find("Data \\{1.2\\}\\par }"), std::string::npos) << "data z --data";
    EXPECT_NE(raport.find("\\b\\cf1 42.00\\par }"), std::string::npos) << "separator z ustawień regionalnych";

    Uruchom({"raport", Most, "--separator", ",", "-o", rtf});
    raport = CzytajPlik(rtf);
    const std::time_t teraz = std::time(nullptr);
    char dzis[16];
    std::strftime(dzis, sizeof dzis, "%d.%m.%Y", std::localtime(&teraz));
    EXPECT_NE(raport.find("Data " + std::string(dzis) + "\\par }"), std::string::npos) << "dzisiejsza data";
    EXPECT_NE(raport.find("\\b\\cf1 42,00\\par }"), std::string::npos);

    // sprawdz: treść objęta kodem, ślad, przeliczenie z pliku roboczego (tu dzisiejszego raportu).
    auto zmieniony = [&](const std::string& nazwa, const std::string& z, const std::string& na) {
        std::string t = raport;
        ZapiszPlik(kat / nazwa, t.replace(t.find(z), z.size(), na));
        return kat / nazwa;
    };
    const std::string droga = zmieniony("d.rtf", ": DK7", ": DK8"), nosnosc = zmieniony("n.rtf", "b\\cf1 42,00", "b\\cf1 43,00"),
                      slad = zmieniony("s.rtf", "[NO\x8c\x4eO\x8c\xc6] = 42", "[NO\x8c\x4eO\x8c\xc6] = 60");
    const std::string zgodny = "Kod kontrolny zgodny z treścią objętą kodem \\(JNI, numer pierwszego przęsła, dane "
                               "wyjściowe, parametry przekroju, nośność\\): [0-9a-f]{32}\nŚlad obliczeń, data, numer "
                               "drogi, kilometraż, najbliższa miejscowość i nazwa przeszkody nie są nim objęte; .*\n";
    const std::string przeliczony = "Raport zgodny z przeliczeniem pliku roboczego " + Most + ": cały dokument bajt w bajt ";
    const struct {
        std::vector<std::string> argumenty;
        int kod;
        std::string wyjscie;  // wzorzec całego wyjścia
    } przypadki[] = {
        {{"sprawdz", rtf}, 0, zgodny},
        {{"sprawdz", nosnosc}, 1, "Kod kontrolny NIEZGODNY z treścią raportu.\n"},  // bez kodu z treści
        {{"sprawdz", slad}, 1, "Ślad obliczeń NIEZGODNY z treścią raportu: wiersz \\d+ śladu obliczeń .*\n"},
        {{"sprawdz", rtf, "--plik", Most}, 0, przeliczony + "poza datą .*; kod kontrolny [0-9a-f]{32}\n"},
        {{"sprawdz", rtf, "--plik", Most, "--data", dzis}, 0, przeliczony + "z datą " + dzis + " .*\n"},
        {{"sprawdz", rtf, "--plik", Most, "--data", "1.1.2000"}, 1,
         "Raport NIEZGODNY z przeliczeniem pliku roboczego .*: pierwsza różnica w wierszu 11 dokumentu\n"
         "  w raporcie:      .* " + std::string(dzis) + ".par\\}\n  po przeliczeniu: .* 1.1.2000.par\\}\n"},
        {{"sprawdz", droga, "--plik", Most}, 1, "Raport NIEZGODNY .*\n  w raporcie: .*: DK8.*\n  po przeliczeniu: .*: DK7.*\n"},
        {{"sprawdz", rtf, "--plik", Odrzucone + "/sumy.PTV"}, 2, ""},  // pliku nie da się ocenić: nie ma z czym porównać
    };
    for (const auto& p : przypadki) {
        const auto w = Uruchom(p.argumenty);
        EXPECT_EQ(w.Kod, p.kod) << p.argumenty[1] << w.Bledy;
        EXPECT_TRUE(std::regex_match(w.Wyjscie, std::regex(p.wyjscie))) << p.argumenty[1] << "\n" << w.Wyjscie;
    }

    // Porównanie norm do pliku (Windows-1250, CR LF) i na wyjście (UTF-8, LF): ten sam tekst.
    EXPECT_EQ(Uruchom({"normy", Most, "-o", kat / "PTU.TXT", "--separator", ","}).Kod, 0);
    std::string utf8 = Cp1250DoUtf8(CzytajPlik(kat / "PTU.TXT"));
    for (size_t p; (p = utf8.find("\r\n")) != std::string::npos;) utf8.replace(p, 2, "\n");
    ASSERT_NE(utf8.find("Łomianki\n"), std::string::npos);
    EXPECT_EQ(Uruchom({"normy", Most, "--separator", ","}).Wyjscie, utf8);
    EXPECT_NE(Uruchom({"normy", Most}).Wyjscie.find("    I    33.0674  157.8960"), std::string::npos);
}

}  // namespace
