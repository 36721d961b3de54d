// "Wczytaj" pliku, który nie jest plikiem roboczym: odmowa z nazwą pliku i pola okna bez
// zmian; plik roboczy z nieczytelnymi liczbami: wczytany, lista pokazana raz.
#include <gtest/gtest.h>

#include "PomocPrzebiegu.h"

namespace {

TEST(Wczytaj, PlikNieroboczyOdrzuconyAPolaZostaja)
{
    tKatalogTestu k;
    ZapiszPlik(k / "README.md", "# Pontiva\n");
    tWidokPamieci widok;
    tGlownyPrzebieg p(widok);
    UstawOkno(widok, tOpisObiektu{});
    p.Przelicz();
    const auto pola = widok.Pola;
    const auto komunikaty = widok.Komunikaty;

    EXPECT_FALSE(p.WczytajDane(k / "README.md"));
    EXPECT_EQ(widok.Pola, pola);
    EXPECT_EQ(widok.Komunikaty, komunikaty);
    ASSERT_EQ(widok.OknaKomunikatow.size(), 1u);
    EXPECT_EQ(widok.OknaKomunikatow[0].Tytul, "Błąd");
    EXPECT_EQ(widok.OknaKomunikatow[0].Tekst,
              "To nie jest plik roboczy programu (brak sekcji INFO, OBIEKT, PP, PD i CALC): " + k / "README.md");
}

TEST(Wczytaj, NieczytelneLiczbyPokazaneRazPoWczytaniu)
{
    tKatalogTestu k;
    ZapiszPlik(k / "A.PTV", "[PD]\nL1=0\nL2=18 m\n[PP]\nB=siedem\n");
    tWidokPamieci widok;
    tGlownyPrzebieg p(widok);
    EXPECT_TRUE(p.WczytajDane(k / "A.PTV"));
    ASSERT_EQ(widok.OknaKomunikatow.size(), 1u);
    EXPECT_EQ(widok.OknaKomunikatow[0].Tytul, "UWAGA");
    EXPECT_EQ(widok.OknaKomunikatow[0].Tekst, "Nieczytelne liczby w pliku " + k / "A.PTV" +
                                                  ":\r[PP] B = \"siedem\": to nie liczba, przyjęto 0"
                                                  "\r[PD] L2 = \"18 m\": to nie liczba, przyjęto 0");
}

}  // namespace
