#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "persistence/Katalogi.h"
#include "persistence/PlikIni.h"

namespace {

std::string Plik(const std::string& sciezka)
{
    std::ifstream f(sciezka, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void ZapiszBajty(const std::string& sciezka, const std::string& bajty)
{
    std::ofstream(sciezka, std::ios::binary) << bajty;
}

std::string KatalogTymczasowy()
{
    std::string wzor = ::testing::TempDir() + "pontiva-ini-XXXXXX";
    return mkdtemp(wzor.data());
}

TEST(PlikIni, OdczytBezWzgleduNaWielkoscLiterIPierwszeWystapienie)
{
    tPlikIni ini;
    ini.UstawZawartosc("[obiekt]\nschem=3\r\nSCHEM=4\n[OBIEKT]\nNORMA=2\n [ pp ] \n  BB = 8,5 \nE1=\"1,5\"\n");
    EXPECT_EQ(ini.CzytajCalkowita("OBIEKT", "Schem", 0), 3);
    // Druga sekcja o tej samej nazwie jest niewidoczna.
    EXPECT_EQ(ini.CzytajCalkowita("OBIEKT", "NORMA", 7), 7);
    EXPECT_EQ(ini.CzytajTekst("PP", "bb"), "8,5");
    EXPECT_EQ(ini.CzytajTekst("PP", "E1"), "1,5");
    EXPECT_EQ(ini.CzytajTekst("PP", "BRAK", "x"), "x");
    EXPECT_EQ(ini.CzytajTekst("BRAK", "BB", "y"), "y");
}

TEST(PlikIni, LiczbyCalkowite)
{
    const struct {
        const char* wartosc;
        int wynik;
    } przypadki[] = {
        {"3", 3}, {"+3", 3}, {"-2", -2}, {" 5 ", 5}, {"4,7", 9}, {"4.0", 9}, {"", 9},
        {"abc", 9}, {"3x", 9}, {"99999999999", 9}, {"0x10", 9},
    };
    for (const auto& p : przypadki) {
        tPlikIni ini;
        ini.UstawZawartosc(std::string("[A]\nK=") + p.wartosc + "\n");
        EXPECT_EQ(ini.CzytajCalkowita("A", "K", 9), p.wynik) << p.wartosc;
    }
}

TEST(PlikIni, ZapisZachowujeInneKluczeISekcjeNaMiejscu)
{
    tPlikIni ini;
    ini.UstawZawartosc("; uwaga\n[INFO]\nJNI=1\nWlasny=x\n\n[OBIEKT]\nSCHEM=1\n[INNA]\nA=b\n");
    ini.Zapisz("info", "jni", "2");
    ini.Zapisz("OBIEKT", "PRZES", "3");
    ini.Zapisz("NOWA", "K", "v");
    ini.UsunSekcje("inna");
    EXPECT_EQ(ini.Zawartosc(),
              "; uwaga\r\n[INFO]\r\njni=2\r\nWlasny=x\r\n\r\n[OBIEKT]\r\nSCHEM=1\r\nPRZES=3\r\n[NOWA]\r\nK=v\r\n");
}

TEST(PlikIni, UsuniecieSekcjiUsuwaKazdeWystapienie)
{
    tPlikIni ini;
    ini.UstawZawartosc("[CALC]\nPTV=42\n[PP]\nA1=1\n[calc]\nPTV=30\n");
    ini.UsunSekcje("CALC");
    EXPECT_FALSE(ini.MaSekcje("CALC"));
    EXPECT_EQ(ini.Zawartosc(), "[PP]\r\nA1=1\r\n");
}

TEST(PlikIni, Windows1250NaGranicyPliku)
{
    tPlikIni ini;
    ini.Zapisz("INFO", "Najblizsza", "Łódź");
    EXPECT_EQ(ini.Zawartosc(), "[INFO]\r\nNajblizsza=\xA3\xF3\x64\x9F\r\n");
    tPlikIni odczyt;
    odczyt.UstawZawartosc(ini.Zawartosc());
    EXPECT_EQ(odczyt.CzytajTekst("INFO", "NAJBLIZSZA"), "Łódź");
    // Plik z BOM UTF-8 jest czytany jako UTF-8.
    odczyt.UstawZawartosc("\xEF\xBB\xBF[INFO]\r\nKm=Żó\xC5\x82w\r\n");
    EXPECT_EQ(odczyt.CzytajTekst("INFO", "Km"), "Żółw");
    // Koniec wiersza w wartości nie rozbija pliku.
    ini.Zapisz("INFO", "Dro", "a\r\nb");
    EXPECT_EQ(ini.CzytajTekst("INFO", "Dro"), "a  b");
}

TEST(PlikIni, DowolneBajtyNieWywracajaOdczytu)
{
    std::mt19937 los(6);
    for (int proba = 0; proba < 200; ++proba) {
        std::string bajty(los() % 3000, '\0');
        for (char& c : bajty) c = static_cast<char>(los() % 4 == 0 ? "[]=\r\n"[los() % 5] : los() % 256);
        tPlikIni ini;
        ini.UstawZawartosc(bajty);
        ini.CzytajTekst("INFO", "JNI");
        ini.CzytajCalkowita("OBIEKT", "SCHEM", 0);
        ini.Zapisz("PP", "A1", "1");
        ini.UsunSekcje("PD");
        tPlikIni ponownie;
        ponownie.UstawZawartosc(ini.Zawartosc());
        EXPECT_EQ(ponownie.CzytajTekst("PP", "A1"), "1");
    }
    tPlikIni dlugi;
    dlugi.UstawZawartosc("[PP]\nA1=" + std::string(5'000'000, '7'));
    EXPECT_EQ(dlugi.CzytajTekst("PP", "A1").size(), 5'000'000u);
}

TEST(PlikIni, ZapisAtomowyNieNiszczyStaregoPliku)
{
    const std::string kat = KatalogTymczasowy();
    const std::string sciezka = kat + "/A.PTV";
    ZapiszBajty(sciezka, "[INFO]\nJNI=1\n");
    tPlikIni ini;
    ASSERT_TRUE(ini.Wczytaj(sciezka));
    ini.Zapisz("OBIEKT", "SCHEM", "2");
    ASSERT_TRUE(ini.ZapiszPlik(sciezka));
    EXPECT_EQ(Plik(sciezka), "[INFO]\r\nJNI=1\r\n[OBIEKT]\r\nSCHEM=2\r\n");

    // Katalog bez prawa zapisu: zapis się nie udaje, stary plik zostaje.
    if (geteuid() != 0) {
        chmod(kat.c_str(), 0555);
        EXPECT_FALSE(ini.ZapiszPlik(sciezka));
        chmod(kat.c_str(), 0755);
        EXPECT_EQ(Plik(sciezka), "[INFO]\r\nJNI=1\r\n[OBIEKT]\r\nSCHEM=2\r\n");
    }
    EXPECT_FALSE(ini.ZapiszPlik(kat + "/brak/A.PTV"));
    // Nie zostają pliki tymczasowe.
    int pliki = 0;
    for (const auto& w : std::filesystem::directory_iterator(kat)) pliki += w.is_regular_file();
    EXPECT_EQ(pliki, 1);
    std::filesystem::remove_all(kat);
}

TEST(PlikIni, BrakPlikuToPlikPusty)
{
    tPlikIni ini;
    EXPECT_TRUE(ini.Wczytaj(KatalogTymczasowy() + "/nie-ma.PTV"));
    EXPECT_EQ(ini.Zawartosc(), "");
    // Katalog w miejscu pliku nie jest plikiem pustym: nie wolno go nadpisać.
    EXPECT_FALSE(ini.Wczytaj(KatalogTymczasowy()));
}

TEST(Katalogi, KatalogDanychIZmiennaSrodowiska)
{
    EXPECT_FALSE(KatalogProgramu().empty());
    EXPECT_EQ(SciezkaPomocy(), KatalogProgramu() + "/Help/PONTIVA.HLP");
    UstawKatalogDanych("/tmp/pontiva-test-dane");
    EXPECT_EQ(KatalogJNI(), "/tmp/pontiva-test-dane/JNI");
    EXPECT_EQ(KatalogRaportow(), "/tmp/pontiva-test-dane/Raporty");
    EXPECT_EQ(SciezkaStanu(), "/tmp/pontiva-test-dane/PT.INI");
    EXPECT_EQ(SciezkaPorownania(), "/tmp/pontiva-test-dane/PTU.TXT");
    UstawKatalogDanych("");
    setenv("PONTIVA_DANE", "/tmp/z-srodowiska", 1);
    EXPECT_EQ(KatalogDanych(), "/tmp/z-srodowiska");
    unsetenv("PONTIVA_DANE");
    // Katalog testów jest zapisywalny, więc dane są obok programu.
    EXPECT_EQ(KatalogDanych(), KatalogProgramu());
}

}  // namespace
