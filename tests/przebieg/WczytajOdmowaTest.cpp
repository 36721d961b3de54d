// "Wczytaj" pliku, który nie jest plikiem roboczym: odmowa z nazwą pliku i pola okna bez
// zmian; plik roboczy z nieczytelnymi liczbami: wczytany, lista pokazana raz.
#include <gtest/gtest.h>

#include "PomocPrzebiegu.h"
#include "przebieg/OdmowaPliku.h"

namespace {

TEST(Wczytaj, PlikNieroboczyOdrzuconyAPolaZostajaNieczytelneLiczbyPokazaneRaz)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "README.md", "# Pontiva\n");
    ZapiszPlik(k / "A.PTV", "[PD]\nL1=0\nL2=18 m\n[PP]\nB=siedem\n");
    tOkno okno(tOpisObiektu{});
    tWidokPamieci& widok = *okno.w;
    tGlownyPrzebieg& p = *okno.p;
    p.Przelicz();
    const auto pola = widok.Pola;
    const auto komunikaty = widok.Komunikaty;

    EXPECT_FALSE(p.WczytajDane(k / "README.md"));
    EXPECT_EQ(widok.Pola, pola);
    EXPECT_EQ(widok.Komunikaty, komunikaty);
    EXPECT_TRUE(p.WczytajDane(k / "A.PTV"));
    ASSERT_EQ(widok.OknaKomunikatow.size(), 2u);
    EXPECT_EQ(widok.OknaKomunikatow[0].Tytul + ": " + widok.OknaKomunikatow[0].Tekst,
              "Błąd: To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): " + k / "README.md");
    EXPECT_EQ(widok.OknaKomunikatow[1].Tytul + ": " + widok.OknaKomunikatow[1].Tekst,
              "UWAGA: Nieczytelne liczby w pliku " + k / "A.PTV" +
                  ":\r[PP] B = \"siedem\": to nie liczba, przyjęto 0\r[PD] L2 = \"18 m\": to nie liczba, przyjęto 0");
}


// Każda wartość, którą pole albo lista przyjmuje inaczej, niż ją zapisano, jest ostrzeżeniem
// w stylu nieczytelnej liczby; wartości w zakresie i brakujące klucze nie.
TEST(Wczytaj, WartosciZmienionePrzezPolaIListyWTymSamymStyluCoNieczytelne)
{
    const struct {
        const char* wiersze;
        std::vector<std::string> ostrzezenia;
    } przypadki[] = {
        {"[OBIEKT]\nSCHEM=2\nPRZES=45\nNORMA=5\nKLASA=4\nRODZA=6\n[PP]\nN=40\nE1=-100\nB=7,25\n[PD]\nL1=150\nL2=0\nL3=\n",
         {}},
        {"[OBIEKT]\nSCHEM=99\nPRZES=0\nNORMA=0\nKLASA=7\nRODZA=-1\n",
         {"[OBIEKT] SCHEM = \"99\": poza zakresem od 0 do 6, przyjęto 0",
          "[OBIEKT] PRZES = \"0\": poza zakresem od 1 do 45, przyjęto 1",
          "[OBIEKT] KLASA = \"7\": poza zakresem od 0 do 2, przyjęto 0",
          "[OBIEKT] RODZA = \"-1\": poza zakresem od 0 do 6, przyjęto 0"}},
        {"[OBIEKT]\nPRZES=100\nNORMA=5\nKLASA=5\n[PD]\nL2=18 m\nL1=-2\nL90=150,01\n[PP]\nN=4.7\nG2=7,555\nN=100000\nB=1e999\n",
         {"[OBIEKT] PRZES = \"100\": poza zakresem od 1 do 45, przyjęto 45",
          "[OBIEKT] KLASA = \"5\": poza zakresem od 0 do 4, przyjęto 0",
          "[PP] B = \"1e999\": to nie liczba, przyjęto 0", "[PP] G2 = \"7,555\": pole ma 2 miejsca po przecinku, przyjęto 7,55",
          "[PP] N = \"4.7\": to nie liczba całkowita, przyjęto 4", "[PD] L1 = \"-2\": poza zakresem od 0 do 150, przyjęto 0",
          "[PD] L2 = \"18 m\": to nie liczba, przyjęto 0", "[PD] L90 = \"150,01\": poza zakresem od 0 do 150, przyjęto 150"}},
    };
    for (const auto& p : przypadki) {
        tOkno okno;
        tPlikIni ini;
        ini.UstawZawartosc(p.wiersze);
        std::vector<tNieczytelnaLiczba> n;
        okno.p->WczytajIni(ini, &n);
        std::vector<std::string> opisy;
        for (const auto& x : n) opisy.push_back(OpisNieczytelnej(x));
        EXPECT_EQ(opisy, p.ostrzezenia) << p.wiersze;
        EXPECT_EQ(OdmowaPliku(n).empty(), p.ostrzezenia.empty());
    }
}

TEST(Wczytaj, ZmienioneWartosciOknoPokazujeRazAOdmowaNazywaKlucze)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "A.PTV", "[OBIEKT]\nKLASA=7\n[PD]\nL2=18 m\n");
    tOkno okno;
    EXPECT_TRUE(okno.p->WczytajDane(k / "A.PTV"));
    EXPECT_EQ(okno.Okienka(), "UWAGA|Wartości zmienione przy wczytaniu pliku " + k / "A.PTV" +
                                  ":\r[OBIEKT] KLASA = \"7\": poza zakresem od 0 do 2, przyjęto 0\r[PD] L2 = \"18 m\": to "
                                  "nie liczba, przyjęto 0|O;");
    std::string blad;
    std::vector<tNieczytelnaLiczba> n;
    EXPECT_TRUE(okno.p->WczytajDane(k / "A.PTV", blad, n));
    EXPECT_EQ(OdmowaPliku(n), "Plik nie jest podstawą oceny: wczytanie zmieniło wartości [OBIEKT] KLASA, [PD] L2");
    n.pop_back();
    EXPECT_EQ(OdmowaPliku(n), "Plik nie jest podstawą oceny: wczytanie zmieniło wartość [OBIEKT] KLASA");
}

}  // namespace
