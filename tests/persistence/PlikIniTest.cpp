// Plik INI o semantyce profilu prywatnego. Odporność na dowolne bajty sprawdza korpus
// fuzzingu pliku roboczego (fuzz/).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Wspolne.h"
#include "persistence/Katalogi.h"
#include "persistence/PlikIni.h"

namespace {

using namespace testy;

TEST(PlikIni, OdczytJakProfilPrywatny)
{
    tPlikIni ini;
    ini.UstawZawartosc("K=przed\n[obiekt]\nschem=3\r\nSCHEM=4\n; X=komentarz\n[OBIEKT]\nNORMA=2\n [ pp ] \n"
                       "  BB = 8,5 \nE1=\"1,5\"\nE2='2'\nA1=\"3\nbez znaku\n;\n=5\n[INNA\nC1=x\n");
    const struct {
        const char *sekcja, *klucz, *wynik;
    } przypadki[] = {
        {"OBIEKT", "Schem", "3"},  // wielkość liter bez znaczenia, pierwsze wystąpienie klucza
        {"OBIEKT", "NORMA", "d"},  // druga sekcja o tej samej nazwie jest niewidoczna
        {"OBIEKT", "; X", "d"},    {"PP", "bb", "8,5"}, {"PP", "E1", "1,5"}, {"PP", "E2", "2"},
        {"PP", "A1", "\"3"},       {"PP", "C1", "x"},   // "[INNA" bez "]" nie otwiera sekcji
        {"PP", "BRAK", "d"},       {"BRAK", "BB", "d"}, {"", "K", "d"},  // wiersze przed sekcjami
        {"PP", "", "d"},  // wiersz bez "=", komentarz i "=5" nie są kluczem, nawet pustym
    };
    for (const auto& p : przypadki) EXPECT_EQ(ini.CzytajTekst(p.sekcja, p.klucz, "d"), p.wynik) << p.klucz;
    EXPECT_TRUE(ini.MaSekcje("Pp"));
    EXPECT_FALSE(ini.MaSekcje("INNA"));
}

// Samo CR kończy wiersz jak CR LF i LF, także w pliku o mieszanych końcach wierszy.
TEST(PlikIni, SamoCRKonczyWiersz)
{
    tPlikIni ini;
    ini.UstawZawartosc("[INFO]\rNRP=1\rDro=7\r\n\r\n[OBIEKT]\rSCHEM=2\nPRZES=3\r\r[PD]\n\rL1=5\r");
    EXPECT_EQ(ini.CzytajTekst("INFO", "NRP"), "1");
    EXPECT_EQ(ini.CzytajTekst("INFO", "Dro"), "7");
    EXPECT_EQ(ini.CzytajCalkowita("OBIEKT", "SCHEM", 9), 2);
    EXPECT_EQ(ini.CzytajCalkowita("OBIEKT", "PRZES", 9), 3);
    EXPECT_EQ(ini.CzytajTekst("PD", "L1"), "5");
    EXPECT_EQ(ini.Zawartosc(), "[INFO]\r\nNRP=1\r\nDro=7\r\n\r\n[OBIEKT]\r\nSCHEM=2\r\nPRZES=3\r\n\r\n[PD]\r\n\r\nL1=5\r\n");
}

TEST(PlikIni, LiczbyCalkowite)
{
    const std::pair<const char*, int> przypadki[] = {
        {"3", 3},  {"+3", 3},  {"-2", -2}, {" 5 ", 5},           {"4,7", 9},  {"4.0", 9},
        {"", 9},   {"abc", 9}, {"3x", 9},  {"99999999999", 9}, {"0x10", 9}, {"+", 9},
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
    ini.UsunSekcje("Calc");  // każde wystąpienie
    EXPECT_EQ(ini.Zawartosc(), "; uwaga\r\n[INFO]\r\njni=2\r\nWlasny=x\r\nNowy=n\r\n\r\n[OBIEKT]\r\nSCHEM=1\r\nPRZES=3\r\n"
                               "[INNA]\r\nA=b\r\n[NOWA]\r\nK=-7\r\n");
}

// Powtórzenia, których odczyt nie widzi (drugi klucz, druga kopia sekcji z nagłówkiem), znikają;
// komentarze i inne sekcje zostają.
TEST(PlikIni, UsunNiewidocznePowtorzenia)
{
    tPlikIni ini;
    ini.UstawZawartosc("[INFO]\nJNI=1\njni=5\n; uwaga\n[OBIEKT]\nA=1\n[info]\nJNI=2\n[PP]\nB=1\n");
    ini.UsunNiewidoczne("INFO");
    EXPECT_EQ(ini.Zawartosc(), "[INFO]\r\nJNI=1\r\n; uwaga\r\n[OBIEKT]\r\nA=1\r\n[PP]\r\nB=1\r\n");
}

TEST(PlikIni, Windows1250NaGranicyPliku)
{
    tPlikIni ini;
    ini.Zapisz("INFO", "Najblizsza", "Łódź");
    ini.Zapisz("INFO", "Dro", "a\r\nb");  // koniec wiersza w wartości nie rozbija pliku
    EXPECT_EQ(ini.Zawartosc(), "[INFO]\r\nNajblizsza=\xA3\xF3\x64\x9F\r\nDro=a  b\r\n");
    tPlikIni odczyt;
    odczyt.UstawZawartosc(ini.Zawartosc() + "[PP]\nA1=" + std::string(5'000'000, '7'));
    EXPECT_EQ(odczyt.CzytajTekst("INFO", "NAJBLIZSZA"), "Łódź");
    EXPECT_EQ(odczyt.CzytajTekst("PP", "A1").size(), 5'000'000u);
    odczyt.UstawZawartosc("\xEF\xBB\xBF[INFO]\r\nKm=Żó\xC5\x82w\r\n");  // z BOM: UTF-8
    EXPECT_EQ(odczyt.CzytajTekst("INFO", "Km"), "Żółw");
}

TEST(PlikIni, ZapisAtomowyIBrakPliku)
{
    tKatalogTymczasowy kat;
    const std::string sciezka = kat / "A.PTV";
    ZapiszPlik(sciezka, "[INFO]\nJNI=1\n");
    chmod(sciezka.c_str(), 0640);
    tPlikIni ini;
    ASSERT_TRUE(ini.Wczytaj(sciezka));
    ini.Zapisz("OBIEKT", "SCHEM", "2");
    std::string k;
    ASSERT_TRUE(ini.ZapiszPlik(sciezka, k));
    EXPECT_FALSE(ini.ZapiszPlik(kat / "brak/A.PTV", k));
    fs::create_directories(kat / "k/k");
    EXPECT_FALSE(ini.ZapiszPlik(kat / "k", k)) << "katalog w miejscu pliku";
    const mode_t maska = umask(0);
    umask(maska);
    ASSERT_TRUE(ini.ZapiszPlik(kat / "nowy.PTV", k));
    EXPECT_EQ(fs::status(kat / "nowy.PTV").permissions(), fs::perms(0666 & ~maska)) << "jak zwykły nowy plik";
    EXPECT_EQ(CzytajPlik(sciezka), "[INFO]\r\nJNI=1\r\n[OBIEKT]\r\nSCHEM=2\r\n");
    EXPECT_EQ(fs::status(sciezka).permissions(), fs::perms(0640)) << "uprawnienia starego pliku zostają";
    EXPECT_EQ(std::distance(fs::directory_iterator(kat.Sciezka()), fs::directory_iterator()), 3) << "bez plików tymczasowych";

    // Brak pliku to plik pusty; katalog w miejscu pliku nie (nie wolno go nadpisać).
    EXPECT_TRUE(ini.Wczytaj(kat / "nie-ma.PTV"));
    EXPECT_EQ(ini.Zawartosc(), "");
    ini.Zapisz("A", "K", "1");
    EXPECT_TRUE(ini.Wczytaj(kat / "A.PTV/B.PTV"));
    EXPECT_EQ(ini.Zawartosc(), "");
    EXPECT_FALSE(ini.Wczytaj(kat.Sciezka()));
}

TEST(Katalogi, KatalogDanychIZmiennaSrodowiska)
{
    EXPECT_EQ(KatalogProgramu(), fs::canonical("/proc/self/exe").parent_path().string());
    EXPECT_EQ(SciezkaPomocy(), KatalogProgramu() + "/Help/PONTIVA.HLP");
    EXPECT_EQ(KatalogDanych(), KatalogProgramu()) << "katalog testów jest zapisywalny";
    UstawZmienna("PONTIVA_DANE", "/tmp/z-srodowiska");
    EXPECT_EQ(KatalogDanych(), "/tmp/z-srodowiska");
    UstawKatalogDanych("/d");
    EXPECT_EQ(KatalogJNI() + KatalogRaportow() + SciezkaStanu() + SciezkaPorownania(), "/d/JNI/d/Raporty/d/PT.INI/d/PTU.TXT");
    UstawKatalogDanych("");
    UstawZmienna("PONTIVA_DANE", nullptr);

    tKatalogTymczasowy kat;
    EXPECT_TRUE(UtworzKatalog(kat / "a/b"));
    EXPECT_TRUE(fs::is_directory(kat / "a/b"));
    ZapiszPlik(kat / "f", "");
    EXPECT_FALSE(UtworzKatalog(kat / "f/d"));
}

}  // namespace
