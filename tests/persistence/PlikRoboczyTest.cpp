// Plik roboczy *.PTV: układ sekcji i kluczy, wartości domyślne odczytu, zapis w miejscu
// starego pliku. Wczytanie do pól okna (przycinanie do zakresów) sprawdzają testy przebiegu.
#include <gtest/gtest.h>

#include <algorithm>

#include "Wspolne.h"
#include "persistence/PlikRoboczy.h"

namespace {

using namespace testy;

void PorownajDane(const tDanePliku& a, const tDanePliku& b)
{
    for (auto pole : {&tInfoObiektu::JNI, &tInfoObiektu::NrP, &tInfoObiektu::Droga, &tInfoObiektu::Km,
                      &tInfoObiektu::Najblizsza, &tInfoObiektu::Przeszkoda})
        EXPECT_EQ(a.Info.*pole, b.Info.*pole);
    for (auto pole : {&tDanePliku::Schemat, &tDanePliku::Przesla, &tDanePliku::Normatyw, &tDanePliku::Klasa,
                      &tDanePliku::Przekroj})
        EXPECT_EQ(a.*pole, b.*pole);
    EXPECT_EQ(a.Parametry, b.Parametry);
    EXPECT_EQ(a.Dlugosci, b.Dlugosci);
}

TEST(PlikRoboczy, ZapisOdNowaIOdczytPrzyObuSeparatorach)
{
    tDanePliku d;
    d.Info = {"12010001", "1", "7", "412+350", "Łódź", "rzeka Nida"};
    d.Schemat = 2, d.Przesla = 3, d.Normatyw = 5, d.Klasa = 4, d.Przekroj = 6;
    d.Parametry = {0.5, 0.25, 7, 8.4, 1.5, 1.25, -1.3, 1.35, 0.2, 0.3, 9.95, 0.35, 0.45, 5};
    d.Dlugosci[0] = 1.5, d.Dlugosci[1] = 18.25, d.Dlugosci[3] = 7;  // czwarta długość nie jest w użyciu
    d.LiczbaDlugosci = 3;
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
        tPlikIni ini;
        ZapiszDanePliku(ini, d, &wyniki);
        EXPECT_EQ(ini.Zawartosc(), oczekiwane) << "separator " << sep;

        tPlikIni odczyt;
        odczyt.UstawZawartosc(oczekiwane);
        tDanePliku wzorzec = d;
        wzorzec.Dlugosci[3] = 0;
        PorownajDane(CzytajDanePliku(odczyt), wzorzec);
    }
}

TEST(PlikRoboczy, BrakujaceIBledneWartosciDajaDomyslne)
{
    tPlikIni ini;
    ini.UstawZawartosc("[OBIEKT]\nSCHEM=x\nNORMA=4,7\n[PP]\nA1=1.5\nA2=1,5\nB=abc\nN=4,7\n[PD]\nL2=12\nL92=5\n");
    const tDanePliku d = CzytajDanePliku(ini);
    EXPECT_EQ(d.Schemat, 0);
    EXPECT_EQ(d.Przesla, 1);
    EXPECT_EQ(d.Normatyw, 0);
    EXPECT_EQ(d.Klasa, 0);
    EXPECT_EQ(d.Przekroj, 0);
    EXPECT_EQ(d.Info.JNI + d.Info.NrP + d.Info.Droga + d.Info.Km + d.Info.Najblizsza + d.Info.Przeszkoda, "");
    const std::array<double, LiczbaParametrow> parametry = {1.5, 1.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4.7};
    EXPECT_EQ(d.Parametry, parametry);
    std::array<double, MaksWierszy> dlugosci{};
    dlugosci[1] = 12;
    EXPECT_EQ(d.Dlugosci, dlugosci);
    EXPECT_EQ(d.LiczbaDlugosci, MaksWierszy);
}

TEST(PlikRoboczy, ZapisWMiejscuStaregoPliku)
{
    tPlikIni ini;
    ini.UstawZawartosc("[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=1\r\nObcy=1\r\n"
                       "[PP]\r\nX=1\r\n[PD]\r\nL1=1\r\nL2=2\r\nL3=3\r\n[CALC]\r\nPTV=42\r\n");
    tDanePliku d;  // pusty JNI: stara sekcja INFO zostaje
    d.Dlugosci[0] = 12.5;
    d.LiczbaDlugosci = 2;
    ZapiszDanePliku(ini, d, nullptr);
    const std::string bajty = ini.Zawartosc();
    EXPECT_EQ(bajty.rfind("[INFO]\r\nJNI=11112222\r\nNRP=3\r\nWlasny=zostaje\r\n[OBIEKT]\r\nSCHEM=0\r\nObcy=1\r\n"
                          "PRZES=1\r\nNORMA=0\r\nKLASA=0\r\nRODZA=0\r\n[PP]\r\nA1=0\r\n", 0), 0u);
    EXPECT_TRUE(bajty.ends_with("\r\nN=0\r\n[PD]\r\nL1=12,5\r\nL2=0\r\n")) << bajty;
    EXPECT_EQ(bajty.find("X=1"), std::string::npos);
    EXPECT_EQ(bajty.find("CALC"), std::string::npos) << "bez wyników nie ma starych wyników";

    d.LiczbaDlugosci = 1000;
    ZapiszDanePliku(ini, d, nullptr);
    EXPECT_NE(ini.Zawartosc().find("\r\nL91=0\r\n"), std::string::npos);
    EXPECT_EQ(ini.Zawartosc().find("L92"), std::string::npos);
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
        tPlikIni ini;
        ASSERT_TRUE(ini.Wczytaj(plik.string()));
        tDanePliku d = CzytajDanePliku(ini);
        d.LiczbaDlugosci = 0;  // tyle, ile kluczy L w pliku
        for (size_t p = 0; (p = bajty.find("\nL", p)) != std::string::npos; ++p) ++d.LiczbaDlugosci;
        tPlikIni nowy;
        ZapiszDanePliku(nowy, d, nullptr);
        EXPECT_EQ(nowy.Zawartosc(), bajty) << plik;
    }
}

}  // namespace
