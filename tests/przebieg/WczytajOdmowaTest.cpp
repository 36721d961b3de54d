// "Wczytaj" pliku, który nie jest plikiem roboczym: odmowa z nazwą pliku i pola okna bez
// zmian; plik roboczy z nieczytelnymi liczbami: wczytany, lista pokazana raz.
#include <gtest/gtest.h>

#include "PomocPrzebiegu.h"

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

}  // namespace
