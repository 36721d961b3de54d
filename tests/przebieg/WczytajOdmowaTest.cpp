// "Wczytaj" pliku, który nie jest plikiem roboczym: odmowa z nazwą pliku i pola okna bez
// zmian; plik roboczy z nieczytelnymi liczbami: wczytany, lista pokazana raz.
#include <gtest/gtest.h>

#include "PomocPrzebiegu.h"
#include "przebieg/OdmowaPliku.h"

namespace {

// Plik, jaki program zapisuje dla obiektu tOpisObiektu{} (belka, wiersze L1…L3), z podmianami.
std::string Plik(const std::vector<std::pair<std::string, std::string>>& podmiany)
{
    tPlikIni ini;
    tOkno(tOpisObiektu{}).p->ZapiszIni(ini);
    std::string t = ini.Zawartosc();
    for (const auto& [z, na] : podmiany) t.replace(t.find(z + "\r\n"), z.size(), na);
    return t;
}

TEST(Wczytaj, PlikNieroboczyOdrzuconyAPolaZostajaNieczytelneLiczbyPokazaneRaz)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "README.md", "# Pontiva\n");
    ZapiszPlik(k / "A.PTV", Plik({{"L2=18", "L2=18 m"}, {"B=7", "B=siedem"}}));
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
// w stylu nieczytelnej liczby; wartości w zakresie nie.
TEST(Wczytaj, WartosciZmienionePrzezPolaIListyWTymSamymStyluCoNieczytelne)
{
    const struct {
        std::vector<std::pair<std::string, std::string>> podmiany;
        std::vector<std::string> ostrzezenia;
    } przypadki[] = {
        {{{"PRZES=1", "PRZES=45"}, {"KLASA=1", "KLASA=4"}, {"RODZA=0", "RODZA=6"}, {"N=5", "N=40"}, {"E1=1,3", "E1=-100"},
          {"B=7", "B=7,25"}, {"L1=0", "L1=150"}, {"L2=18", "L2=0"}},
         {}},
        // Sekcja przed swoimi kluczami, wpisy odczytu i pól w kolejności kluczy pliku.
        {{{"SCHEM=0", "SCHEM=x"}, {"[PP]", "[OBIEKT]\r\nKLASA=2\r\n[PP]"}},
         {"[OBIEKT]: sekcja podana drugi raz, przyjęto pierwszą", "[OBIEKT] SCHEM = \"x\": to nie liczba, przyjęto 0"}},
        {{{"SCHEM=0", "SCHEM=99"}, {"PRZES=1", "PRZES=0"}, {"NORMA=5", "NORMA=0"}, {"KLASA=1", "KLASA=7"}, {"RODZA=0", "RODZA=-1"}},
         {"[OBIEKT] SCHEM = \"99\": poza zakresem od 0 do 6, przyjęto 0",
          "[OBIEKT] PRZES = \"0\": poza zakresem od 1 do 45, przyjęto 1",
          "[OBIEKT] KLASA = \"7\": poza zakresem od 0 do 2, przyjęto 0",
          "[OBIEKT] RODZA = \"-1\": poza zakresem od 0 do 6, przyjęto 0"}},
        {{{"PRZES=1", "PRZES=100"}, {"KLASA=1", "KLASA=5"}, {"L2=18", "L2=18 m"}, {"L1=0", "L1=-2"}, {"L3=0", "L3=0\r\nL90=150,01"},
          {"N=5", "N=4.7"}, {"G2=0", "G2=7,555"}, {"B=7", "B=1e999"}},
         {"[OBIEKT] PRZES = \"100\": poza zakresem od 1 do 45, przyjęto 45",
          "[OBIEKT] KLASA = \"5\": poza zakresem od 0 do 4, przyjęto 0",
          "[PP] B = \"1e999\": to nie liczba, przyjęto 0", "[PP] G2 = \"7,555\": pole ma 2 miejsca po przecinku, przyjęto 7,55",
          "[PP] N = \"4.7\": to nie liczba całkowita, przyjęto 4", "[PD] L1 = \"-2\": poza zakresem od 0 do 150, przyjęto 0",
          "[PD] L2 = \"18 m\": to nie liczba, przyjęto 0", "[PD] L90 = \"150,01\": poza zakresem od 0 do 150, przyjęto 150"}},
    };
    for (const auto& p : przypadki) {
        tOkno okno;
        tPlikIni ini;
        ini.UstawZawartosc(Plik(p.podmiany));
        std::vector<tNieczytelnaLiczba> n;
        okno.p->WczytajIni(ini, &n);
        std::vector<std::string> opisy;
        for (const auto& x : n) opisy.push_back(OpisNieczytelnej(x));
        EXPECT_EQ(opisy, p.ostrzezenia) << Plik(p.podmiany);
        EXPECT_EQ(OdmowaPliku(n).empty(), p.ostrzezenia.empty());
    }
}

// Wpisy odczytu i pól w kolejności pliku; dwa wpisy jednego klucza to jeden klucz odmowy.
TEST(Wczytaj, ZmienioneWartosciOknoPokazujeRazAOdmowaNazywaKlucze)
{
    tKatalogTymczasowy k;
    ZapiszPlik(k / "A.PTV", Plik({{"KLASA=1", "KLASA=7\r\nKLASA=2"}, {"L2=18", "L2=18 m"}}));
    tOkno okno;
    EXPECT_TRUE(okno.p->WczytajDane(k / "A.PTV"));
    EXPECT_EQ(okno.Okienka(), "UWAGA|Wartości zmienione przy wczytaniu pliku " + k / "A.PTV" +
                                  ":\r[OBIEKT] KLASA = \"2\": klucz podany drugi raz, przyjęto 7\r[OBIEKT] KLASA = \"7\": "
                                  "poza zakresem od 0 do 4, przyjęto 0\r[PD] L2 = \"18 m\": to nie liczba, przyjęto 0|O;");
    std::string blad;
    std::vector<tNieczytelnaLiczba> n;
    EXPECT_TRUE(okno.p->WczytajDane(k / "A.PTV", blad, n));
    EXPECT_EQ(OdmowaPliku(n), "Plik nie jest podstawą oceny: wczytanie zmieniło wartości [OBIEKT] KLASA, [PD] L2");
    n.pop_back();
    EXPECT_EQ(OdmowaPliku(n), "Plik nie jest podstawą oceny: wczytanie zmieniło wartość [OBIEKT] KLASA");
}

}  // namespace
