// Plik roboczy *.PTV: układ sekcji i kluczy, wartości domyślne odczytu, zapis w miejscu
// starego pliku. Wczytanie do pól okna (przycinanie do zakresów) sprawdzają testy przebiegu.
#include <gtest/gtest.h>

#include <algorithm>

#include "Wspolne.h"
#include "persistence/PlikRoboczy.h"

namespace {

using namespace testy;

std::string Zapis(const tDanePliku& d, const tWynikiPliku* wyniki = nullptr)
{
    tPlikIni ini;
    ZapiszDanePliku(ini, d, wyniki);
    return ini.Zawartosc();
}

tDanePliku Odczyt(const std::string& bajty, int liczbaDlugosci)
{
    tPlikIni ini;
    ini.UstawZawartosc(bajty);
    tDanePliku d = CzytajDanePliku(ini);
    d.LiczbaDlugosci = liczbaDlugosci;
    return d;
}

TEST(PlikRoboczy, ZapisOdNowaIOdczytPrzyObuSeparatorach)
{
    tDanePliku d;
    d.Info = {"12010001", "1", "7", "412+350", "Łódź", "rzeka Nida"};
    d.Schemat = 2, d.Przesla = 3, d.Normatyw = 5, d.Klasa = 4, d.Przekroj = 6, d.LiczbaDlugosci = 3;
    d.Parametry = {0.5, 0.25, 7, 8.4, 1.5, 1.25, -1.3, 1.35, 0.2, 0.3, 9.95, 0.35, 0.45, 5};
    d.Dlugosci[0] = 1.5, d.Dlugosci[1] = 18.25, d.Dlugosci[3] = 7;  // czwarta długość nie jest w użyciu
    const tWynikiPliku wyniki{33.0674, 1e20, 1e20, 42};
    for (char sep : {',', '.'}) {
        tSeparator s(sep);
        std::string oczekiwane =
            "[INFO]\r\nJNI=12010001\r\nNRP=1\r\nDro=7\r\nKm=412+350\r\nNajblizsza=\xA3\xF3\x64\x9F\r\n"
            "Przeszkoda=rzeka Nida\r\n[OBIEKT]\r\nSCHEM=2\r\nPRZES=3\r\nNORMA=5\r\nKLASA=4\r\nRODZA=6\r\n"
            "[PP]\r\nA1=0,5\r\nA2=0,25\r\nB=7\r\nBB=8,4\r\nC1=1,5\r\nC2=1,25\r\nE1=-1,3\r\nE2=1,35\r\nK1=0,2\r\n"
            "K2=0,3\r\nP=9,95\r\nG=0,35\r\nG2=0,45\r\nN=5\r\n[PD]\r\nL1=1,5\r\nL2=18,25\r\nL3=0\r\n"
            "[CALC]\r\nM1N=33,0674\r\nTN=1E20\r\nTP=1E20\r\nPTV=42\r\n";
        std::replace(oczekiwane.begin(), oczekiwane.end(), ',', sep);
        EXPECT_EQ(Zapis(d, &wyniki), oczekiwane) << "separator " << sep;
        // Odczyt oddaje każde pole: ponowny zapis bez wyników to ten sam plik bez CALC.
        EXPECT_EQ(Zapis(Odczyt(oczekiwane, 3)), oczekiwane.substr(0, oczekiwane.find("[CALC]")));
    }
}

TEST(PlikRoboczy, BrakujaceIBledneWartosciDajaDomyslne)
{
    const std::string bajty = "[OBIEKT]\nSCHEM=x\nNORMA=4,7\nKLASA=\n[PP]\nA1=1.5\nA2=1,5\nB=abc\nN=4,7\n[PD]\nL2=12\n";
    EXPECT_EQ(Zapis(Odczyt(bajty, 3)), "[OBIEKT]\r\nSCHEM=0\r\nPRZES=1\r\nNORMA=0\r\nKLASA=0\r\nRODZA=0\r\n[PP]\r\n"
                                       "A1=1,5\r\nA2=1,5\r\nB=0\r\nBB=0\r\nC1=0\r\nC2=0\r\nE1=0\r\nE2=0\r\nK1=0\r\n"
                                       "K2=0\r\nP=0\r\nG=0\r\nG2=0\r\nN=4,7\r\n[PD]\r\nL1=0\r\nL2=12\r\nL3=0\r\n");
    tPlikIni pusty;
    EXPECT_EQ(CzytajDanePliku(pusty).LiczbaDlugosci, MaksWierszy);
    tDanePliku d;
    d.LiczbaDlugosci = 1000;
    EXPECT_TRUE(Zapis(d).ends_with("\r\nL91=0\r\n"));
}

TEST(PlikRoboczy, ZapisWMiejscuStaregoPliku)
{
    tPlikIni ini;
    ini.UstawZawartosc("[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=1\r\nObcy=1\r\n"
                       "[PP]\r\nX=1\r\n[PD]\r\nL1=1\r\nL2=2\r\nL3=3\r\n[CALC]\r\nPTV=42\r\n");
    tDanePliku d;  // pusty JNI: stara sekcja INFO zostaje
    d.Dlugosci[0] = 12.5, d.LiczbaDlugosci = 2;
    ZapiszDanePliku(ini, d, nullptr);
    const std::string bajty = ini.Zawartosc();
    EXPECT_EQ(bajty.rfind("[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=0\r\nObcy=1\r\n"
                          "PRZES=1\r\nNORMA=0\r\nKLASA=0\r\nRODZA=0\r\n[PP]\r\nA1=0\r\n", 0), 0u);
    EXPECT_TRUE(bajty.ends_with("\r\nN=0\r\n[PD]\r\nL1=12,5\r\nL2=0\r\n")) << "bez starych kluczy PP, PD i wyników";
}

// Pliki przypadków zapisał program: odczyt i ponowny zapis oddają te same bajty.
TEST(PlikRoboczy, PlikiPrzypadkowPrzechodzaOdczytIZapis)
{
    std::vector<fs::path> pliki = {DaneTestowe("raporty/most.ptv")};
    for (const auto& k : fs::directory_iterator(DaneTestowe("przypadki")))
        if (fs::exists(k.path() / "obiekt.PTV")) pliki.push_back(k.path() / "obiekt.PTV");
    ASSERT_GT(pliki.size(), 30u);
    for (const auto& plik : pliki) {
        const std::string bajty = CzytajPlik(plik);
        int klucze = 0;  // tyle, ile kluczy L w pliku
        for (size_t p = 0; (p = bajty.find("\nL", p)) != std::string::npos; ++p) ++klucze;
        EXPECT_EQ(Zapis(Odczyt(bajty, klucze)), bajty) << plik;
    }
}

}  // namespace
