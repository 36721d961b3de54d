#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "Wspolne.h"
#include "persistence/Katalogi.h"
#include "persistence/PlikIni.h"

namespace {

using namespace testy;

TEST(PlikIni, OdczytJakProfilPrywatny)
{
    tPlikIni ini;
    ini.UstawZawartosc("K=przed\n[obiekt]\nschem=3\r\nSCHEM=4\n; X=komentarz\n[OBIEKT]\nNORMA=2\n [ pp ] \n"
                       "  BB = 8,5 \nE1=\"1,5\"\nE2='2'\nA1=\"3\n[INNA\nC1=x\n");
    const struct {
        const char *sekcja, *klucz, *wynik;
    } przypadki[] = {
        {"OBIEKT", "Schem", "3"},  // wielkość liter bez znaczenia, pierwsze wystąpienie klucza
        {"OBIEKT", "NORMA", "d"},  // druga sekcja o tej samej nazwie jest niewidoczna
        {"OBIEKT", "; X", "d"},    {"PP", "bb", "8,5"}, {"PP", "E1", "1,5"}, {"PP", "E2", "2"},
        {"PP", "A1", "\"3"},       {"PP", "C1", "x"},   // "[INNA" bez "]" nie otwiera sekcji
        {"PP", "BRAK", "d"},       {"BRAK", "BB", "d"}, {"", "K", "d"},  // wiersze przed sekcjami
    };
    for (const auto& p : przypadki) EXPECT_EQ(ini.CzytajTekst(p.sekcja, p.klucz, "d"), p.wynik) << p.klucz;
    EXPECT_TRUE(ini.MaSekcje("Pp"));
    EXPECT_FALSE(ini.MaSekcje("INNA"));
}

TEST(PlikIni, LiczbyCalkowite)
{
    const std::pair<const char*, int> przypadki[] = {
        {"3", 3},  {"+3", 3},   {"-2", -2},  {" 5 ", 5},           {"4,7", 9}, {"4.0", 9},
        {"", 9},   {"abc", 9},  {"3x", 9},   {"99999999999", 9}, {"0x10", 9}, {"+", 9},
    };
    for (const auto& [wartosc, wynik] : przypadki) {
        tPlikIni ini;
        ini.UstawZawartosc(std::string("[A]\nK=") + wartosc + "\n");
        EXPECT_EQ(ini.CzytajCalkowita("A", "K", 9), wynik) << wartosc;
    }
}

TEST(PlikIni, ZapisZachowujeInneKluczeISekcjeNaMiejscu)
{
    tPlikIni ini;
    ini.UstawZawartosc("; uwaga\n[INFO]\nJNI=1\nWlasny=x\n\n[OBIEKT]\nSCHEM=1\n[calc]\nPTV=42\n[INNA]\nA=b\n[CALC]\nX=1\n");
    ini.Zapisz("info", "jni", "2");
    ini.Zapisz("OBIEKT", "PRZES", "3");
    ini.Zapisz("INFO", "Nowy", "n");
    ini.ZapiszCalkowita("NOWA", "K", -7);
    ini.UsunSekcje("Calc");
    EXPECT_FALSE(ini.MaSekcje("CALC"));
    EXPECT_EQ(ini.Zawartosc(), "; uwaga\r\n[INFO]\r\njni=2\r\nWlasny=x\r\nNowy=n\r\n\r\n[OBIEKT]\r\nSCHEM=1\r\nPRZES=3\r\n"
                               "[INNA]\r\nA=b\r\n[NOWA]\r\nK=-7\r\n");
}

TEST(PlikIni, Windows1250NaGranicyPliku)
{
    tPlikIni ini;
    ini.Zapisz("INFO", "Najblizsza", "Łódź");
    ini.Zapisz("INFO", "Dro", "a\r\nb");  // koniec wiersza w wartości nie rozbija pliku
    EXPECT_EQ(ini.Zawartosc(), "[INFO]\r\nNajblizsza=\xA3\xF3\x64\x9F\r\nDro=a  b\r\n");
    tPlikIni odczyt;
    odczyt.UstawZawartosc(ini.Zawartosc());
    EXPECT_EQ(odczyt.CzytajTekst("INFO", "NAJBLIZSZA"), "Łódź");
    // Plik z BOM UTF-8 jest czytany jako UTF-8.
    odczyt.UstawZawartosc("\xEF\xBB\xBF[INFO]\r\nKm=Żó\xC5\x82w\r\n");
    EXPECT_EQ(odczyt.CzytajTekst("INFO", "Km"), "Żółw");
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
    tKatalogTymczasowy kat;
    const std::string sciezka = kat / "A.PTV";
    ZapiszPlik(sciezka, "[INFO]\nJNI=1\n");
    chmod(sciezka.c_str(), 0640);
    tPlikIni ini;
    ASSERT_TRUE(ini.Wczytaj(sciezka));
    ini.Zapisz("OBIEKT", "SCHEM", "2");
    ASSERT_TRUE(ini.ZapiszPlik(sciezka));
    const std::string zapisany = "[INFO]\r\nJNI=1\r\n[OBIEKT]\r\nSCHEM=2\r\n";
    EXPECT_EQ(CzytajPlik(sciezka), zapisany);
    struct stat st {};
    stat(sciezka.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "uprawnienia starego pliku zostają";

    // Katalog bez prawa zapisu (nie dla roota): zapis się nie udaje, stary plik zostaje.
    if (geteuid() != 0) {
        chmod(kat.Sciezka().c_str(), 0555);
        EXPECT_FALSE(ini.ZapiszPlik(sciezka));
        chmod(kat.Sciezka().c_str(), 0755);
    }
    EXPECT_FALSE(ini.ZapiszPlik(kat / "brak/A.PTV"));
    EXPECT_EQ(CzytajPlik(sciezka), zapisany);
    int pliki = 0;  // nie zostają pliki tymczasowe
    for (const auto& w : fs::directory_iterator(kat.Sciezka())) pliki += w.is_regular_file();
    EXPECT_EQ(pliki, 1);
}

TEST(PlikIni, BrakPlikuToPlikPusty)
{
    tKatalogTymczasowy kat;
    tPlikIni ini;
    ini.UstawZawartosc("[A]\nK=1\n");
    EXPECT_TRUE(ini.Wczytaj(kat / "nie-ma.PTV"));
    EXPECT_EQ(ini.Zawartosc(), "");
    ZapiszPlik(kat / "plik", "x");
    EXPECT_TRUE(ini.Wczytaj(kat / "plik/A.PTV"));
    // Katalog w miejscu pliku nie jest plikiem pustym: nie wolno go nadpisać.
    EXPECT_FALSE(ini.Wczytaj(kat.Sciezka()));
}

TEST(Katalogi, KatalogDanychIZmiennaSrodowiska)
{
    EXPECT_EQ(SciezkaPomocy(), KatalogProgramu() + "/Help/PONTIVA.HLP");
    EXPECT_EQ(KatalogProgramu(), fs::canonical("/proc/self/exe").parent_path().string());
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

    tKatalogTymczasowy kat;
    EXPECT_TRUE(UtworzKatalog(kat / "a/b/c"));
    EXPECT_TRUE(fs::is_directory(kat / "a/b/c"));
    ZapiszPlik(kat / "plik", "x");
    EXPECT_FALSE(UtworzKatalog(kat / "plik/d"));
}

}  // namespace
