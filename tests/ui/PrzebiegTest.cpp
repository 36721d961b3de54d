#include <gtest/gtest.h>

#include <cmath>

#include "common/Slad.h"
#include "PomocPrzebiegu.h"
#include "common/Formatowanie.h"

namespace {

const std::string NiezgodnaSuma = "Niezgodna suma wymiarów dolnych z górnymi";

tOpisObiektu Plyta1945()
{
    tOpisObiektu o;
    o.Normatyw = 1;
    o.Klasa = 0;
    o.Przekroj = 4;
    o.Szerokosci = {0.5, 0.5, 7, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0};
    return o;
}

struct tPrzypadekKomunikatu {
    const char* opis;
    tOpisObiektu obiekt;
    tEtap etap;
    std::vector<std::string> linie;
};

std::vector<tPrzypadekKomunikatu> PrzypadkiKomunikatow()
{
    std::vector<tPrzypadekKomunikatu> p;
    tOpisObiektu o;
    p.push_back({"poprawny", o, tEtap::Brak, {"", "OBLICZENIA POPRAWNE"}});

    o = {};
    o.Szerokosci[13] = 1;  // n = 1
    p.push_back({"parametry", o, tEtap::Parametry,
                 {"BŁĄD PRZEKROJU POPRZECZNEGO", "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)"}});

    o = {};
    o.Szerokosci[2] = 7.5;  // b: dół 11,5 m, góra 11,0 m
    p.push_back({"sumy", o, tEtap::Sumy,
                 {"BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO", "", NiezgodnaSuma, "         c1+a1+b+a2+c2 <> e1+B+e2"}});

    o = {};
    o.Dlugosci = {0, 2.5, 0};
    p.push_back({"dlugosci", o, tEtap::Dlugosci,
                 {"BŁĄD PRZEKROJU PODŁUŻNEGO", "Przęsło: rozpiętość mniejsza niż 3 m"}});

    p.push_back({"oblicz", Plyta1945(), tEtap::Oblicz, {"BŁĄD OBLICZEŃ :", "Element Przęsło: Brak algorytmu"}});
    return p;
}

TEST(Przelicz, WierszeObszaruKomunikatowIBarwy)
{
    tSeparator przecinek(',');
    for (const auto& p : PrzypadkiKomunikatow()) {
        SCOPED_TRACE(p.opis);
        tWidokPamieci w;
        tGlownyPrzebieg przebieg(w);
        UstawOkno(w, p.obiekt);
        // Stare wyniki i komunikaty muszą zniknąć przed nowym przeliczeniem.
        w.Wyniki = {"x", "x", "x", "x", "x"};
        const int przerysowania = w.Przerysowania;
        EXPECT_EQ(przebieg.Przelicz().Etap, p.etap);
        EXPECT_EQ(w.Komunikaty, p.linie);
        EXPECT_TRUE(w.KomunikatyWidoczne);
        EXPECT_EQ(w.KomunikatyBledu, p.etap != tEtap::Brak);
        EXPECT_EQ(w.Przerysowania, przerysowania + 1);  // szkic także przy odrzuconych danych
        if (p.etap == tEtap::Brak) {
            EXPECT_FALSE(w.Wyniki.M1N.empty());
            EXPECT_FALSE(w.Wyniki.TN.empty());
            EXPECT_FALSE(w.Wyniki.Kategoria.empty());
        } else {
            EXPECT_EQ(w.Wyniki.M1N + w.Wyniki.TN + w.Wyniki.MP + w.Wyniki.TP + w.Wyniki.Kategoria, "");
        }
    }
}

TEST(Przelicz, KomunikatSumPodzielonyNaKazdymCR)
{
    tWynikPrzeliczenia w{tEtap::Sumy, "a\rb\r\rc"};
    EXPECT_EQ(LinieKomunikatow(w),
              (std::vector<std::string>{"BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO", "", "a", "b", "", "c"}));
    // Inne etapy pokazują komunikat w jednym wierszu.
    w.Etap = tEtap::Oblicz;
    EXPECT_EQ(LinieKomunikatow(w), (std::vector<std::string>{"BŁĄD OBLICZEŃ :", "a\rb\r\rc"}));
}

TEST(Przelicz, TekstyWynikowZSeparatoremINieDotyczy)
{
    tObiektMostowy o;
    o.M1N = 12.34567;
    o.TN = NieDotyczy;
    o.MP = 0.5;
    o.TP = NieDotyczy;
    o.MasaGraniczna = 31.6;
    {
        tSeparator przecinek(',');
        const tTekstyWynikow t = TekstyWynikow(o);
        EXPECT_EQ(t.M1N, " 12,3457");
        EXPECT_EQ(t.TN, "");
        EXPECT_EQ(t.MP, " 0,5000");
        EXPECT_EQ(t.TP, "");
        EXPECT_EQ(t.Kategoria, " 32 [T]");
    }
    tSeparator kropka('.');
    o.TN = 7.25;
    o.TP = 1e19;  // tylko dokładnie 1e20 znaczy "nie dotyczy"
    const tTekstyWynikow t = TekstyWynikow(o);
    EXPECT_EQ(t.TN, " 7.2500");
    EXPECT_EQ(t.TP, " 10000000000000000000.0000");
}

TEST(Przelicz, PlytaBezScinaniaZostawiaPustePolaTNiTP)
{
    tSeparator przecinek(',');
    tOpisObiektu o;
    o.Normatyw = 4;
    o.Klasa = 0;
    o.Przekroj = 3;
    o.Szerokosci = {0.25, 0.25, 6, 0, 0.75, 0.75, 0, 0, 0, 0, 8, 0, 0, 0};
    o.Dlugosci = {0, 12, 0};
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    UstawOkno(w, o);
    ASSERT_TRUE(p.Przelicz().Poprawne()) << p.OstatniWynik().Komunikat;
    EXPECT_EQ(p.Obiekt().PodajTN(), NieDotyczy);
    EXPECT_EQ(w.Wyniki.TN, "");
    EXPECT_EQ(w.Wyniki.TP, "");
    EXPECT_EQ(w.Wyniki.M1N, Format(" %0.4f", {p.Obiekt().PodajM1N()}));
    EXPECT_EQ(w.Wyniki.Kategoria, Format(" %0.0f [T]", {p.Obiekt().PodajMase()}));
}

TEST(Przelicz, PrzeliczDaneTylkoGdyWlaczone)
{
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    UstawOkno(w, tOpisObiektu{});
    EXPECT_FALSE(p.PrzeliczanieWlaczone());  // od utworzenia okna do wczytania stanu
    p.ZmianaSzerokosci();
    p.ZmianaKlasy();
    EXPECT_EQ(w.Przerysowania, 0);
    EXPECT_FALSE(w.KomunikatyWidoczne);
    p.WlaczPrzeliczanie(true);
    p.ZmianaSzerokosci();
    EXPECT_EQ(w.Przerysowania, 1);
    EXPECT_EQ(w.Komunikaty.back(), "OBLICZENIA POPRAWNE");
}

TEST(Przelicz, OdrzuconeDaneZostawiajaPoprzedniWynikObiektu)
{
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    UstawOkno(w, tOpisObiektu{});
    ASSERT_TRUE(p.Przelicz().Poprawne());
    const double masa = p.Obiekt().PodajMase();
    w.UstawWartosc(RxSE_B, 9);
    EXPECT_EQ(p.Przelicz().Etap, tEtap::Sumy);
    EXPECT_EQ(p.Obiekt().PodajMase(), masa);
    EXPECT_EQ(w.Wyniki.Kategoria, "");
}

TEST(PobierzDane, ElementyZWierszyWUzyciuINazwyEdytora)
{
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    tOpisObiektu o;
    o.Schemat = 6;
    o.Przesla = 3;
    o.Dlugosci = {2, 20, 4, 16, 4, 20, 0, 33};  // wiersz 8 ukryty: nie wchodzi do obiektu
    UstawOkno(w, o);
    w.UstawWartosc(IlePrzesel, 3);
    tObiektMostowy ob;
    PobierzDane(w, ob);
    ASSERT_EQ(ob.LiczbaElementow, 6);  // prawy skrajny wspornik 0 m nie jest elementem
    const tRodzajElementu rodzaje[] = {rWspornikSwobodny, rBelkaSwobodnie, rWspornikPrawy,
                                       rBelkaSwobodnie,   rWspornikLewy,   rBelkaSwobodnie};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(ob.Elementy[i].Rodzaj, rodzaje[i - 1]) << i;
    EXPECT_EQ(ob.Elementy[3].Nazwa, "Wspornik nr 1");
    EXPECT_EQ(ob.Elementy[4].Nazwa, "Przęsło nr 2");
    EXPECT_EQ(ob.Elementy[4].Dlugosc, 16);
    EXPECT_EQ(ob.Schemat, 6);
    EXPECT_EQ(ob.n, 5);
    EXPECT_EQ(ob.Klasa, 1);
}

TEST(TytulOkna, ZIBezIdentyfikacji)
{
    EXPECT_EQ(TytulOkna({}), "Pontiva obiektów mostowych ");
    EXPECT_EQ(TytulOkna({"99999999", "1", "DK 7", "12+300", "Kraków", "rzeka Wisła"}),
              "Pontiva obiektów mostowych [JNI: 99999999 NrP: 1](dr:DK 7 km: 12+300)");
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    EXPECT_EQ(w.Tytul, "Pontiva obiektów mostowych ");
    p.UstawInfo({"  99999999 ", " 1", "DK 7 ", "12+300", "", ""});
    EXPECT_EQ(w.Tytul, "Pontiva obiektów mostowych [JNI: 99999999 NrP: 1](dr:DK 7 km: 12+300)");
    EXPECT_EQ(p.Info().JNI, "99999999");
}

TEST(ListaKlas, RegulaWObuKierunkach)
{
    const struct {
        int z, na;
        int klasaPrzed;
        size_t pozycji;
        int klasaPo;
    } przypadki[] = {
        {0, 3, 2, 3, 2},  // między starymi normatywami klasa zostaje
        {4, 6, 1, 3, 1},
        {3, 5, 2, 5, 0},  // na PN-85: pięć klas, pierwsza wybrana
        {5, 5, 4, 5, 4},
        {5, 4, 3, 3, 0},  // z PN-85: trzy klasy, pierwsza wybrana
    };
    for (const auto& p : przypadki) {
        tWidokPamieci w;
        tGlownyPrzebieg przebieg(w);
        w.UstawWybor(tLista::CBNormatyw, p.z);
        RegulaListyKlas(w);
        w.UstawWybor(tLista::CBKlasa, p.klasaPrzed);
        w.UstawWybor(tLista::CBNormatyw, p.na);
        przebieg.ZmianaNormatywu();
        EXPECT_EQ(w.Listy[3].Pozycje.size(), p.pozycji) << p.z << "->" << p.na;
        EXPECT_EQ(w.Wybor(tLista::CBKlasa), p.klasaPo) << p.z << "->" << p.na;
    }
    tWidokPamieci w;
    tGlownyPrzebieg przebieg(w);
    w.UstawWybor(tLista::CBNormatyw, 5);
    przebieg.ZmianaNormatywu();
    EXPECT_EQ(w.Listy[3].Pozycje,
              (std::vector<std::string>{"Klasa \"A\"", "Klasa \"B\"", "Klasa \"C\"", "Klasa \"D\"", "Klasa \"E\""}));
}

TEST(Widocznosc, PolaIPodpisyWedlugPrzekroju)
{
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    auto widoczne = [&] {
        std::string s;
        const char* nazwy[] = {"A1", "A2", "B", "BB", "C1", "C2", "E1", "E2", "K1", "K2", "P", "G1", "G2", "N"};
        for (int i = 0; i < LiczbaPolSzerokosci; ++i)
            if (w.PoleWidoczne[i]) s += std::string(nazwy[i]) + " ";
        return s;
    };
    const char* oczekiwane[] = {
        "A1 A2 B BB C1 C2 E1 E2 N ",           "A1 A2 B BB E1 E2 N ",
        "A1 A2 B BB C1 C2 K1 K2 G1 ",          "A1 A2 B C1 C2 E1 E2 P ",
        "A1 A2 B P ",                          "A1 A2 B BB C1 C2 E1 E2 K1 K2 G1 G2 N ",
        "A1 A2 B BB C1 C2 E1 E2 K1 K2 P G1 G2 ",
    };
    for (int t = 0; t < LiczbaPrzekrojow; ++t) {
        w.UstawWybor(tLista::CBPrzeslo, t);
        p.ZmianaPrzekroju();
        EXPECT_EQ(widoczne(), oczekiwane[t]) << "przekrój " << t;
        for (int r = 0; r < wLiczbaPrzesel; ++r)
            EXPECT_EQ(w.PodpisWidoczny[r], w.PoleWidoczne[OpisWiersza(static_cast<tWierszPol>(r)).Lewe]) << r;
    }
}

TEST(BudujPrzesla, WierszeIPoleLiczbyPrzesel)
{
    tWidokPamieci w;
    tGlownyPrzebieg p(w);
    EXPECT_FALSE(w.PoleWidoczne[IlePrzesel]);
    ASSERT_EQ(w.WierszePrzesel.size(), 3u);
    EXPECT_EQ(w.WierszePrzesel[1].Podpis, "Rozpiętość przęsła");

    w.UstawWybor(tLista::CBSchemat, 2);
    w.UstawWartosc(IlePrzesel, 3);
    w.UstawWartosc(PoleDlugosci(4), 12);
    p.ZmianaSchematu();
    EXPECT_TRUE(w.PoleWidoczne[IlePrzesel]);
    EXPECT_TRUE(w.PodpisWidoczny[wLiczbaPrzesel]);
    ASSERT_EQ(w.WierszePrzesel.size(), 5u);
    EXPECT_EQ(w.WierszePrzesel[3].Nazwa, "Przęsło nr 3");

    // Trzy przęsła na dwa: wiersz 4 staje się prawym skrajnym wspornikiem z tą samą wartością.
    w.UstawWartosc(IlePrzesel, 2);
    p.ZmianaLiczbyPrzesel();
    ASSERT_EQ(w.WierszePrzesel.size(), 4u);
    EXPECT_EQ(w.WierszePrzesel[3].Podpis, "Długość prawego skrajnego wspornika");
    EXPECT_EQ(w.Wartosc(PoleDlugosci(4)), 12);

    w.UstawWybor(tLista::CBSchemat, 5);
    w.UstawWartosc(IlePrzesel, 45);
    p.ZmianaSchematu();
    EXPECT_EQ(w.WierszePrzesel.size(), static_cast<size_t>(MaksWierszy));
    EXPECT_EQ(WierszeWUzyciu(w), MaksWierszy);
}

TEST(PolaLiczbowe, WartoscUstawianaPrzycietaIZaokraglona)
{
    const struct {
        tPole pole;
        double wartosc, wynik;
    } przypadki[] = {
        {RxSE_A1, -1, 0},           {RxSE_A1, 100.5, 100},     {RxSE_A1, 1.234, 1.23},
        {RxSE_A1, 1.236, 1.24},     {RxSE_E1, -150, -100},     {RxSE_E2, -0.35, -0.35},
        {RxSE_E1, -0.001, 0},       {RxSE_N, 40.4, 40},        {RxSE_N, 4.7, 5},
        {RxSE_N, 41, 40},           {IlePrzesel, 0, 1},        {IlePrzesel, 46, 45},
        {PoleDlugosci(1), 200, 150}, {PoleDlugosci(91), 12.345678, 12.35}, {PoleDlugosci(7), -3, 0},
        {RxSE_A1, NAN, 0},          {RxSE_E1, NAN, -100},      {RxSE_A1, INFINITY, 100},
    };
    for (const auto& p : przypadki) EXPECT_EQ(WartoscUstawiana(p.pole, p.wartosc), p.wynik) << p.pole << " " << p.wartosc;
    EXPECT_TRUE(OpisPola(RxSE_N).Calkowite);
    EXPECT_TRUE(OpisPola(IlePrzesel).Calkowite);
    EXPECT_FALSE(OpisPola(PoleDlugosci(3)).Calkowite);
    EXPECT_EQ(OpisPola(PoleDlugosci(3)).Krok, 1);
    EXPECT_EQ(OpisPola(RxSE_BB).Krok, 0.1);
    EXPECT_STREQ(OpisPola(RxSE_G2).Opis, "Szerokość prawej bariery ochronnej(g)");
}

}  // namespace
