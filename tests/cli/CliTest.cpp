#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "common/Pomocnicze.h"
#include "common/Regionalne.h"
#include "persistence/PlikIni.h"
#include "ui/Przebieg.h"
#include "ui/WidokPamieci.h"

namespace {

const std::string Cli = std::string(PONTIVA_KATALOG_BUDOWY) + "/pontiva-cli";
const std::string Przyklady = std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady";
const char* const NazwyPrzykladow[] = {"belka.PTV",           "din1072_rama.PTV",        "n1926_wieloprzeslowa.PTV",
                                       "n1945_plyta.PTV",     "n1952_dwudzwigarowy.PTV", "n1956_ciagla.PTV",
                                       "pn66_plyta.PTV",      "przegubowa.PTV"};

struct tWynik {
    int kod = -1;
    std::string wyjscie, bledy;
};

std::string Czytaj(const std::string& sciezka)
{
    std::ifstream f(sciezka, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class Polecenie : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string wzor = ::testing::TempDir() + "pontiva-cli-XXXXXX";
        kat_ = mkdtemp(wzor.data());
    }
    void TearDown() override { std::filesystem::remove_all(kat_); }

    tWynik Uruchom(const std::string& argumenty)
    {
        const std::string bledy = kat_ + "/stderr";
        const std::string polecenie = "LC_ALL=C '" + Cli + "' " + argumenty + " 2>'" + bledy + "'";
        tWynik w;
        FILE* p = popen(polecenie.c_str(), "r");
        char bufor[4096];
        for (size_t n; (n = fread(bufor, 1, sizeof bufor, p)) > 0;) w.wyjscie.append(bufor, n);
        const int status = pclose(p);
        w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        w.bledy = Czytaj(bledy);
        return w;
    }
    std::string Plik(const std::string& nazwa, const std::string& bajty)
    {
        const std::string s = kat_ + "/" + nazwa;
        std::ofstream(s, std::ios::binary) << bajty;
        return s;
    }

    std::string kat_;
};

std::vector<std::string> Wiersze(const std::string& tekst)
{
    std::vector<std::string> w;
    std::stringstream s(tekst);
    for (std::string l; std::getline(s, l);) w.push_back(l);
    return w;
}

// Pierwsza wartość liczbowa klucza w wierszu JSON (klucze obiektu stoją przed elementami).
double WartoscJson(const std::string& wiersz, const std::string& klucz)
{
    const size_t p = wiersz.find("\"" + klucz + "\":");
    if (p == std::string::npos) return -1;
    const char* poczatek = wiersz.data() + p + klucz.size() + 3;
    double v = -1;
    std::from_chars(poczatek, wiersz.data() + wiersz.size(), v);
    return v;
}

TEST_F(Polecenie, JsonPrzykladowOdpowiadaPrzebieguOkna)
{
    const tWynik w = Uruchom("oblicz --format json '" + Przyklady + "'");
    EXPECT_EQ(w.kod, 0) << w.bledy;
    const auto wiersze = Wiersze(w.wyjscie);
    ASSERT_EQ(wiersze.size(), std::size(NazwyPrzykladow));
    const std::regex klucze(
        R"(^\{"plik":"[^"]+","JNI":"\d{8}","NrP":"\d+","normatyw":\d,"klasa":\d,"przekroj":\d,"schemat":\d,)"
        R"("ok":true,"etap":null,"komunikat":null,"M1N":[-0-9.e+]+,"TN":([-0-9.e+]+|null),"MP":[-0-9.e+]+,)"
        R"("TP":([-0-9.e+]+|null),"PTV":[-0-9.e+]+,"najgorszy":[1-9]\d*,"elementy":\[\{"nazwa":".*\}\]\}$)");
    for (size_t i = 0; i < wiersze.size(); ++i) {
        SCOPED_TRACE(NazwyPrzykladow[i]);
        EXPECT_TRUE(std::regex_match(wiersze[i], klucze)) << wiersze[i];
        // Te same wartości, co przebieg okna, w pełnej dokładności.
        tWidokPamieci widok;
        tGlownyPrzebieg p(widok);
        p.WczytajDane(Przyklady + "/" + NazwyPrzykladow[i]);
        ASSERT_TRUE(p.OstatniWynik().Poprawne());
        const tObiektMostowy& o = p.Obiekt();
        EXPECT_NE(wiersze[i].find("\"plik\":\"" + Przyklady + "/" + NazwyPrzykladow[i] + "\""), std::string::npos);
        EXPECT_EQ(WartoscJson(wiersze[i], "M1N"), o.PodajM1N());
        EXPECT_EQ(WartoscJson(wiersze[i], "MP"), o.PodajMP());
        EXPECT_EQ(WartoscJson(wiersze[i], "PTV"), o.PodajMase());
        EXPECT_NE(wiersze[i].find(",\"najgorszy\":" + std::to_string(o.NajgorszyElement()) + ","), std::string::npos);
        // Liczba obiektów elementów.
        size_t elementy = 0;
        for (size_t k = 0; (k = wiersze[i].find("{\"nazwa\":", k)) != std::string::npos; ++k) ++elementy;
        EXPECT_EQ(elementy, static_cast<size_t>(o.LiczbaElementow));
    }
    // Płyta bez ścinania: TN i TP null, w elementach także.
    EXPECT_NE(wiersze[6].find("\"TN\":null,\"MP\":"), std::string::npos);
    EXPECT_NE(wiersze[6].find("\"TP\":null,\"masa\":"), std::string::npos);
    // Belka przegubowa: rodzaje 7, 0, 8, 0, 9, 0, 7 w kolejności elementów.
    const std::regex rodzaje("\"rodzaj\":(\\d)");
    std::string kolejne;
    for (std::sregex_iterator it(wiersze[7].begin(), wiersze[7].end(), rodzaje), e; it != e; ++it)
        kolejne += (*it)[1].str();
    EXPECT_EQ(kolejne, "7080907");
}

TEST_F(Polecenie, PrzykladyZapisanePrzezProgram)
{
    // Ponowny zapis wczytanego przykładu daje ten sam plik (sekcja CALC zależy od modeli
    // obciążeń; ma być, bo przykłady są poprawne).
    Regionalne().SeparatorDziesietny = ',';
    for (const char* nazwa : NazwyPrzykladow) {
        SCOPED_TRACE(nazwa);
        const std::string oryginal = Czytaj(Przyklady + "/" + nazwa);
        tWidokPamieci widok;
        tGlownyPrzebieg p(widok);
        p.WczytajDane(Przyklady + "/" + nazwa);
        ASSERT_TRUE(p.ZapiszDane(kat_ + "/kopia.PTV"));
        const std::string kopia = Czytaj(kat_ + "/kopia.PTV");
        const size_t calc = oryginal.find("[CALC]\r\n");
        ASSERT_NE(calc, std::string::npos);
        EXPECT_EQ(kopia.substr(0, calc), oryginal.substr(0, calc));
        EXPECT_NE(kopia.find("[CALC]\r\n"), std::string::npos);
    }
}

TEST_F(Polecenie, CsvNaglowekIKomorki)
{
    const std::string zly = Plik("sumy.PTV", "[INFO]\r\nJNI=1;2\r\n[OBIEKT]\r\nNORMA=5\r\n[PP]\r\nB=7\r\nBB=5\r\nN=4\r\n");
    tWynik w = Uruchom("oblicz --format csv --separator , '" + Przyklady + "/n1945_plyta.PTV' '" + zly + "'");
    EXPECT_EQ(w.kod, 1);
    auto wiersze = Wiersze(w.wyjscie);
    ASSERT_EQ(wiersze.size(), 3u);
    EXPECT_EQ(wiersze[0], "plik;JNI;NrP;normatyw;klasa;przekroj;schemat;M1N;TN;MP;TP;PTV;najgorszy;blad");
    const std::regex dobry(".*/n1945_plyta\\.PTV;12010005;1;1;2;3;0;\\d+,\\d+;;\\d+,\\d+;;\\d+(,\\d+)?;1;");
    EXPECT_TRUE(std::regex_match(wiersze[1], dobry)) << wiersze[1];
    EXPECT_EQ(wiersze[2], zly + ";\"1;2\";;5;0;0;0;;;;;;-1;Niezgodna suma wymiarów dolnych z górnymi c1+a1+b+a2+c2 <> e1+B+e2");

    w = Uruchom("oblicz --format=csv --separator=. '" + Przyklady + "/n1945_plyta.PTV'");
    EXPECT_EQ(w.kod, 0);
    EXPECT_TRUE(std::regex_search(Wiersze(w.wyjscie)[1], std::regex(";1;2;3;0;\\d+\\.\\d+;;")));
}

TEST_F(Polecenie, JsonOdrzuconychDanych)
{
    const std::string zly = Plik("sumy.PTV", "[OBIEKT]\r\nNORMA=5\r\n[PP]\r\nB=7\r\nBB=5\r\nN=4\r\n[PD]\r\nL2=18\r\n");
    const tWynik w = Uruchom("oblicz --format json '" + zly + "'");
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie,
              "{\"plik\":\"" + zly +
                  "\",\"JNI\":\"\",\"NrP\":\"\",\"normatyw\":5,\"klasa\":0,\"przekroj\":0,\"schemat\":0,\"ok\":false,"
                  "\"etap\":\"sumy\",\"komunikat\":\"Niezgodna suma wymiarów dolnych z górnymi\\r         "
                  "c1+a1+b+a2+c2 <> e1+B+e2\",\"M1N\":null,\"TN\":null,\"MP\":null,\"TP\":null,\"PTV\":null,"
                  "\"najgorszy\":-1,\"elementy\":[{\"nazwa\":\"Przęsło\",\"rodzaj\":0,\"dlugosc\":18,\"LM\":null,"
                  "\"LT\":null,\"M1N\":null,\"TN\":null,\"MP\":null,\"TP\":null,\"masa\":null}]}\n");
}

TEST_F(Polecenie, KodyWyjscia)
{
    const std::string p = "'" + Przyklady + "/belka.PTV'";
    const std::string zly = "'" + Plik("zly.PTV", "[OBIEKT]\r\nRODZA=0\r\n") + "'";
    const struct {
        std::string argumenty;
        int kod;
        const char* wStderr;
    } przypadki[] = {
        {"oblicz " + p, 0, ""},
        {"oblicz --format json " + p + " " + zly, 1, ""},
        {"oblicz " + p + " '" + kat_ + "/nie-ma.PTV'", 2, "nie-ma.PTV"},
        {"oblicz " + zly + " '" + kat_ + "/nie-ma.PTV'", 2, "nie-ma.PTV"},
        {"oblicz --format xml " + p, 2, "xml"},
        {"oblicz --separator ';' " + p, 2, "separator"},
        {"oblicz --szybko " + p, 2, "--szybko"},
        {"oblicz --format", 2, "--format"},
        {"oblicz", 2, "PTV"},
        {"", 2, "Użycie"},
        {"policz " + p, 2, "policz"},
        {"slad " + p, 0, ""},
        {"slad " + zly, 1, "BŁĄD"},
        {"slad " + p + " " + p, 2, "jeden"},
        {"slad '" + kat_ + "'", 2, kat_.c_str()},
    };
    for (const auto& c : przypadki) {
        const tWynik w = Uruchom(c.argumenty);
        EXPECT_EQ(w.kod, c.kod) << c.argumenty << "\n" << w.bledy;
        EXPECT_NE(w.bledy.find(c.wStderr), std::string::npos) << c.argumenty << "\n" << w.bledy;
    }
}

TEST_F(Polecenie, KatalogWedlugNazwTylkoPlikiPTV)
{
    const std::string przyklad = Czytaj(Przyklady + "/n1945_plyta.PTV");
    Plik("b.PTV", przyklad);
    Plik("a.ptv", przyklad);
    Plik("c.txt", przyklad);
    Plik("B2.PTV", przyklad);
    std::filesystem::create_directory(kat_ + "/d.PTV");
    const tWynik w = Uruchom("oblicz --format csv '" + kat_ + "'");
    EXPECT_EQ(w.kod, 0) << w.bledy;
    const auto wiersze = Wiersze(w.wyjscie);
    ASSERT_EQ(wiersze.size(), 4u);
    EXPECT_EQ(wiersze[1].substr(0, wiersze[1].find(';')), kat_ + "/B2.PTV");
    EXPECT_EQ(wiersze[2].substr(0, wiersze[2].find(';')), kat_ + "/a.ptv");
    EXPECT_EQ(wiersze[3].substr(0, wiersze[3].find(';')), kat_ + "/b.PTV");
}

TEST_F(Polecenie, TekstPokazujePanelWynikowIObszarKomunikatow)
{
    tWynik w = Uruchom("oblicz --separator , '" + Przyklady + "/pn66_plyta.PTV'");
    EXPECT_EQ(w.kod, 0);
    const auto wiersze = Wiersze(w.wyjscie);
    ASSERT_EQ(wiersze.size(), 9u);
    EXPECT_TRUE(std::regex_match(wiersze[1], std::regex("M1N: \\d+,\\d{4}")));
    EXPECT_EQ(wiersze[2], "TN:");
    EXPECT_EQ(wiersze[4], "TP:");
    EXPECT_TRUE(std::regex_match(wiersze[5], std::regex("KATEGORIA: \\d+ \\[T\\]")));
    EXPECT_EQ(wiersze[6], "");
    EXPECT_EQ(wiersze[7], "OBLICZENIA POPRAWNE");

    const std::string zly = Plik("zly.PTV", "[OBIEKT]\r\nNORMA=1\r\nRODZA=4\r\n[PP]\r\nA1=0,5\r\nA2=0,5\r\nB=7\r\nP=8\r\n[PD]\r\nL2=9\r\n");
    w = Uruchom("oblicz '" + zly + "'");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("KATEGORIA:\nBŁĄD OBLICZEŃ :\nElement Przęsło: Brak algorytmu\n"), std::string::npos);
}

TEST_F(Polecenie, SladObliczen)
{
    const tWynik w = Uruchom("slad --separator , '" + Przyklady + "/belka.PTV'");
    EXPECT_EQ(w.kod, 0);
    // Ślad zawiera każdy element obiektu.
    EXPECT_NE(w.wyjscie.find("Przęsło"), std::string::npos);
    EXPECT_GT(Wiersze(w.wyjscie).size(), 20u);
}

TEST_F(Polecenie, PomocPoPolsku)
{
    const tWynik w = Uruchom("--help");
    EXPECT_EQ(w.kod, 0);
    for (const char* s : {"oblicz", "slad", "raport", "normy", "sprawdz", "--format tekst|csv|json", "--separator",
                          "Kod wyjścia"})
        EXPECT_NE(w.wyjscie.find(s), std::string::npos) << s;
}

}  // namespace
