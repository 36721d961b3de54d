#include <gtest/gtest.h>

#include "core/Nazwy.h"
#include "core/ObiektMostowy.h"

namespace {

void Ustaw(tObiektMostowy& o, int normatyw, int klasa, int przekroj, double P, int n)
{
    o.UstawDane(normatyw, klasa, przekroj, 0.5, 0.5, 7, 8, 1.5, 1.5, 1, 1, 0.2, 0.2, P, 0.3, 0.4, n, 0);
}

TEST(UstawDane, TrzyNormalizacje)
{
    tObiektMostowy o;
    Ustaw(o, nPN66, 4, 0, 0, 5);
    EXPECT_EQ(o.Klasa, 2);
    Ustaw(o, nPN85, 4, 0, 0, 5);
    EXPECT_EQ(o.Klasa, 4);
    Ustaw(o, nNormatyw1926, 3, 0, 0, 5);
    EXPECT_EQ(o.Klasa, 2);

    Ustaw(o, nPN85, 0, pDwudzwigaroweJezdniaDolna, 0, 1);
    EXPECT_EQ(o.n, 2);
    Ustaw(o, nPN85, 0, pWielodzwigaroweZKraweznikami, 10, 7);
    EXPECT_EQ(o.n, 7);

    struct {
        int przekroj;
        double P;
        int n;
    } plyty[] = {{3, 10.5, 11}, {4, 10.4, 10}, {6, 0.4, 0}, {3, 11.5, 12}, {4, 2.49999, 2}, {6, 2.499995, 3}};
    for (auto p : plyty) {
        Ustaw(o, nPN85, 0, p.przekroj, p.P, 99);
        EXPECT_EQ(o.n, p.n) << p.P;
    }
}

TEST(UstawDane, CzysciElementyAleNieWyniki)
{
    tObiektMostowy o;
    Ustaw(o, nPN85, 0, 0, 0, 5);
    o.DodajElement("Przęsło", rBelkaSwobodnie, 12);
    o.Elementy[1].MasaGraniczna = 30;
    o.MasaGraniczna = 30;
    o.Najgorszy = 1;
    Ustaw(o, nPN85, 0, 0, 0, 5);
    EXPECT_EQ(o.LiczbaElementow, 0);
    EXPECT_EQ(o.LiczbaPrzesel, 0);
    EXPECT_EQ(o.Elementy[1].Dlugosc, 0);
    EXPECT_EQ(o.Elementy[1].Nazwa, "");
    EXPECT_EQ(o.PodajMase(), 30);
    EXPECT_EQ(o.NajgorszyElement(), 1);
}

TEST(DodajElement, PomijaKrotkieIPonadLimit)
{
    tObiektMostowy o;
    Ustaw(o, nPN85, 0, 0, 0, 5);
    o.DodajElement("w", rWspornikSwobodny, 0.1);
    o.DodajElement("w", rWspornikSwobodny, 0);
    EXPECT_EQ(o.LiczbaElementow, 0);
    o.DodajElement("Lewy skrajny wspornik", rWspornikSwobodny, 0.11);
    EXPECT_EQ(o.LiczbaElementow, 1);
    EXPECT_EQ(o.LiczbaPrzesel, 0);
    for (int i = 0; i < 120; ++i) o.DodajElement("Przęsło", rBelkaSwobodnie, 10);
    EXPECT_EQ(o.LiczbaElementow, MaksElementow);
    EXPECT_EQ(o.LiczbaPrzesel, MaksElementow - 1);
    EXPECT_EQ(o.Elementy[99].Nazwa, "Przęsło");
    EXPECT_EQ(o.Elementy[100].Dlugosc, 0);  // rekord za listą zostaje pusty
}

TEST(Nazwy, TekstyWyliczen)
{
    EXPECT_EQ(NazwaPrzekroju(6), "Płytowe - jezdnia z barierami ochronnymi");
    EXPECT_EQ(NazwaPrzekroju(7), "");
    EXPECT_EQ(NazwaSchematu(6), "Belka ciągła przegubowa (bez przeg. w 1 przęśle)");
    EXPECT_EQ(NazwaNormatywu(6), "DIN 1072 (1931r.)");
    EXPECT_EQ(NazwaNormatywu(0), "Normatyw-1926r.");
    EXPECT_EQ(NazwaNormatywuNaLiscie(6), "DIN-1072 (1931)");
    EXPECT_EQ(NazwaRodzaju(9), "prawy wspornik");
    EXPECT_EQ(NazwaRodzaju(3), "belka ciągła wieloprzęsłowa - przęsło środkowe");
    EXPECT_EQ(NazwaKlasy(nPN85, 4), "E");
    EXPECT_EQ(NazwaKlasy(nPN66, 2), "III");
    EXPECT_EQ(NazwaKlasy(nPN66, 4), "V");
    EXPECT_EQ(NazwaKlasy(nPN66, 5), "");
    auto pn85 = KlasyNormatywu(nPN85);
    ASSERT_EQ(pn85.size(), 5u);
    EXPECT_EQ(pn85[2], "Klasa \"C\"");
    EXPECT_EQ(KlasyNormatywu(nDIN1072).back(), "Klasa III");
}

}  // namespace
