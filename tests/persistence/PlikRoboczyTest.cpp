// Plik roboczy: pliki przypadków i przykładów zapisał program, więc odczyt niczego nie dopowiada,
// a ponowny zapis oddaje te same bajty. Układ pliku, wartości domyślne i zapis w miejscu starego pliku sprawdzają testy
// przebiegu (tests/przebieg/PlikRoboczyTest.cpp) razem z wczytaniem do pól okna.
#include <gtest/gtest.h>

#include <algorithm>

#include "Wspolne.h"
#include "persistence/PlikRoboczy.h"

namespace {

using namespace testy;

TEST(PlikRoboczy, PlikiPrzypadkowIPrzykladowBezOstrzezenIZapisPrzyObuSeparatorach)
{
    std::vector<fs::path> pliki = {DaneTestowe("raporty/most.ptv")};
    for (const auto& k : fs::directory_iterator(DaneTestowe("przypadki")))
        if (fs::exists(k.path() / "obiekt.PTV")) pliki.push_back(k.path() / "obiekt.PTV");
    for (const auto& k : fs::directory_iterator(std::string(PONTIVA_KATALOG_ZRODEL) + "/przyklady"))
        if (k.path().extension() == ".PTV") pliki.push_back(k.path());
    ASSERT_GT(pliki.size(), 40u);
    for (const auto& plik : pliki) {
        const std::string bajty = CzytajPlik(plik);
        tPlikIni ini;
        ASSERT_TRUE(ini.Wczytaj(plik.string()));
        std::vector<tNieczytelnaLiczba> ostrzezenia;  // przypadki odczyt_*: takiego pliku program nie zapisał
        tDanePliku d = CzytajDanePliku(ini, &ostrzezenia);
        if (plik.parent_path().filename().string().rfind("odczyt_", 0) != 0) EXPECT_TRUE(ostrzezenia.empty()) << plik;
        if (!ostrzezenia.empty()) continue;
        d.LiczbaDlugosci = 0;  // tyle, ile kluczy L w pliku
        for (size_t p = 0; (p = bajty.find("\nL", p)) != std::string::npos; ++p) ++d.LiczbaDlugosci;
        for (char sep : {',', '.'}) {
            tSeparator s(sep);
            tPlikIni nowy;
            ZapiszDanePliku(nowy, d, nullptr);
            // Bez wyników CALC przykładów; w identyfikacji nie ma przecinków.
            std::string oczekiwane = bajty.substr(0, bajty.find("[CALC]"));
            std::replace(oczekiwane.begin(), oczekiwane.end(), ',', sep);
            EXPECT_EQ(nowy.Zawartosc(), oczekiwane) << plik << " separator " << sep;
        }
    }
}

// Zapis w miejscu starego pliku: pusty JNI zostawia starą sekcję INFO, obce klucze OBIEKT
// zostają, PP, PD i CALC są pisane od nowa (bez starych kluczy i wyników); powtórzone klucze
// i sekcje INFO i OBIEKT, których odczyt nie widzi, znikają.
TEST(PlikRoboczy, ZapisWMiejscuStaregoPliku)
{
    tPlikIni ini;
    ini.UstawZawartosc("[CALC]\r\nMP=1\r\n[INFO]\r\nJNI=11112222\r\nWlasny=x\r\nJNI=3\r\n[OBIEKT]\r\nSCHEM=1\r\nObcy=1\r\n"
                       "schem=2\r\n[OBIEKT]\r\nKLASA=4\r\n[PP]\r\nX=1\r\n[PD]\r\nL1=1\r\nL2=2\r\nL3=3\r\n");
    tDanePliku d;
    d.Dlugosci[0] = 12.5, d.LiczbaDlugosci = 2;
    const tWynikiPliku wyniki{33.0674, 1e20, 1e20, 42};
    ZapiszDanePliku(ini, d, &wyniki);
    const std::string bajty = ini.Zawartosc();
    EXPECT_TRUE(bajty.starts_with("[INFO]\r\nJNI=11112222\r\nWlasny=x\r\n[OBIEKT]\r\nSCHEM=0\r\nObcy=1\r\nPRZES=1\r\n"
                                  "NORMA=0\r\nKLASA=0\r\nRODZA=0\r\n[PP]\r\nA1=0\r\n")) << bajty;
    EXPECT_TRUE(bajty.ends_with("\r\nN=0\r\n[PD]\r\nL1=12,5\r\nL2=0\r\n[CALC]\r\nM1N=33,0674\r\nTN=1E20\r\nTP=1E20\r\n"
                                "PTV=42\r\n")) << bajty;
    EXPECT_EQ(bajty.find("X=1"), std::string::npos);
    ZapiszDanePliku(ini, d, nullptr);
    EXPECT_EQ(ini.Zawartosc().find("CALC"), std::string::npos) << "bez wyników nie ma starych wyników";
}

}  // namespace
