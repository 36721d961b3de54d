// Obiekt mostowy: reguły UstawDane, dodawanie elementów, nazwy spoza tablic i reguła JNI.
#include <gtest/gtest.h>

#include "core/InfoObiektu.h"
#include "core/Nazwy.h"
#include "core/ObiektMostowy.h"

namespace {

void Ustaw(tObiektMostowy& o, int normatyw, int klasa, int przekroj, double P, int n)
{
    o.UstawDane(normatyw, klasa, przekroj, 0.5, 0.5, 7, 8, 1.5, 1.5, 1, 1, 0.2, 0.2, P, 0.3, 0.4, n, 0);
}

// Klasa ponad III tylko w PN-85; dwa dźwigary wymuszają n = 2; płyty biorą n z szerokości
// zaokrąglonej (P + 0,00001) do najbliższej całkowitej, przy remisie do parzystej.
TEST(UstawDane, TrzyNormalizacje)
{
    const struct {
        int normatyw, klasa, przekroj;
        double P;
        int n, klasaPo, nPo;
    } przypadki[] = {
        {nPN66, 4, 0, 0, 5, 2, 5},  {nNormatyw1926, 3, 0, 0, 5, 2, 5}, {nPN85, 4, 0, 10, 7, 4, 7},
        {nPN85, 0, 2, 0, 1, 0, 2},  {nPN85, 0, 3, 10.5, 99, 0, 11},    {nPN85, 0, 4, 10.4, 99, 0, 10},
        {nPN85, 0, 6, 0.4, 99, 0, 0}, {nPN85, 0, 3, 11.5, 99, 0, 12},  {nPN85, 0, 4, 2.49999, 99, 0, 2},
        {nPN85, 0, 6, 2.499995, 99, 0, 3}, {nDIN1072, 2, 5, 10.5, 4, 2, 4},
    };
    for (const auto& p : przypadki) {
        tObiektMostowy o;
        Ustaw(o, p.normatyw, p.klasa, p.przekroj, p.P, p.n);
        EXPECT_EQ(o.Klasa, p.klasaPo) << p.normatyw << " " << p.klasa;
        EXPECT_EQ(o.n, p.nPo) << "przekrój " << p.przekroj << ", P = " << p.P;
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
    EXPECT_EQ(o.Elementy[1].MasaGraniczna, 0);
    EXPECT_EQ(o.Elementy[1].Nazwa, "");
    EXPECT_EQ(o.PodajMase(), 30);
    EXPECT_EQ(o.NajgorszyElement(), 1);
}

TEST(DodajElement, PomijaDoDziesieciuCentymetrowIPonad99)
{
    tObiektMostowy o;
    o.DodajElement("w", rWspornikSwobodny, 0.1);
    o.DodajElement("w", rWspornikSwobodny, 0);
    EXPECT_EQ(o.LiczbaElementow, 0);
    o.DodajElement("Lewy skrajny wspornik", rWspornikSwobodny, 0.11);
    o.DodajElement("Wspornik nr 1", rWspornikLewy, 2);
    EXPECT_EQ(o.LiczbaElementow, 2);
    EXPECT_EQ(o.LiczbaPrzesel, 0);
    for (int i = 0; i < 120; ++i) o.DodajElement("Przęsło", rRamaSrodkowe, 10);
    EXPECT_EQ(o.LiczbaElementow, MaksElementow);
    EXPECT_EQ(o.LiczbaPrzesel, MaksElementow - 2);
    EXPECT_EQ(o.Elementy[99].Nazwa, "Przęsło");
    EXPECT_EQ(o.Elementy[99].Rodzaj, rRamaSrodkowe);
    EXPECT_EQ(o.Elementy[100].Dlugosc, 0);  // rekord za listą zostaje pusty
}

TEST(Nazwy, WartosciSpozaTablicDajaPustyTekst)
{
    EXPECT_EQ(NazwaPrzekroju(7) + NazwaSchematu(-1) + NazwaRodzaju(10) + NazwaNormatywu(7), "");
    EXPECT_EQ(NazwaKlasy(nPN85, 4) + NazwaKlasy(nPN66, 4) + NazwaKlasy(nPN66, 5) + NazwaKlasy(nPN85, -1), "EV");
    EXPECT_EQ(KlasyNormatywu(nPN85).size() + KlasyNormatywu(nDIN1072).size(), 8u);
}

// JNI okna identyfikacji: osiem znaków czytanych jako liczba większa od zera; numer pierwszego
// przęsła: liczba od 1 do 45; liczba jak w polu liczbowym: odstępy z przodu, znak "+", same cyfry.
TEST(InfoObiektu, RegulaJNIINrPILiczbaCalkowita)
{
    const std::pair<const char*, bool> jni[] = {{"12345678", true},  {"00000001", true},  {"1234567", false},
                                                {"123456789", false}, {"00000000", false}, {"-1234567", false},
                                                {"1234567 ", false}, {" 1234567", true},  {"ŻÓŁWIĄCE", false},
                                                {"+1234567", true}};
    for (auto [tekst, poprawny] : jni) EXPECT_EQ(PoprawnyJNI(tekst), poprawny) << tekst;
    const std::pair<const char*, bool> nrp[] = {{"1", true},    {"45", true},  {"+3", true},  {"0", false},   {"46", false},
                                                {"-1", false},  {"2a", false}, {"12/3", false}, {"", false}, {"99999999999999999999", false}};
    for (auto [tekst, poprawny] : nrp) EXPECT_EQ(PoprawnyNrP(tekst), poprawny) << tekst;
    EXPECT_EQ(LiczbaZnakow("ŻÓŁWIĄCE"), 8u);
    long long x = -1;
    EXPECT_TRUE(CzytajCalkowita("  +45", x));
    EXPECT_EQ(x, 45);
    for (const char* zly : {"", " ", "+", "4 5", "45 ", "x", "99999999999999999999", "1.5"})
        EXPECT_FALSE(CzytajCalkowita(zly, x)) << zly;
}

}  // namespace
