#include <gtest/gtest.h>

#include "core/ObiektMostowy.h"

namespace {

// Przekrój wielodźwigarowy z krawężnikami o zgodnych sumach: 1,5+0,5+7+0,5+1,5 = 1+9+1.
struct Dane {
    int przekroj = 0;
    double a1 = 0.5, a2 = 0.5, b = 7, B = 9, c1 = 1.5, c2 = 1.5, e1 = 1, e2 = 1, k1 = 0.2, k2 = 0.2, P = 11, g1 = 0.3,
           g2 = 0.3;
    int n = 5;
    tObiektMostowy Obiekt() const
    {
        tObiektMostowy o;
        o.UstawDane(nPN85, 0, przekroj, a1, a2, b, B, c1, c2, e1, e2, k1, k2, P, g1, g2, n, 0);
        return o;
    }
};

std::string Parametry(const Dane& d)
{
    std::string msg = "bez zmian";
    bool ok = d.Obiekt().SprawdzParametry(msg);
    return ok ? (msg == "bez zmian" ? "OK" : "OK ale zmieniony komunikat") : msg;
}

TEST(SprawdzParametry, KolejnoscIKomunikaty)
{
    Dane d;
    EXPECT_EQ(Parametry(d), "OK");

    Dane x = d;
    x.a1 = -0.1;
    x.a2 = -0.1;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość lewej opaski\" nie może być ujemny");
    x.a1 = 0;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość prawej opaski\" nie może być ujemny");
    x = d;
    x.c1 = -1;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość lewego chodnika\" nie może być ujemny");
    x = d;
    x.c2 = -1;
    x.b = -1;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość prawego chodnika\" nie może być ujemny");
    x.c2 = 0;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość nawierzchni\" nie może być ujemny");
    x = d;
    x.P = -1;
    x.B = -1;
    EXPECT_EQ(Parametry(x), "Parametr \"Rozstaw osiowy\" nie może być ujemny");
    x.P = 0;
    EXPECT_EQ(Parametry(x), "Parametr \"Rozstaw dźwigarów\" nie może być ujemny");

    x = d;
    x.n = 1;
    EXPECT_EQ(Parametry(x), "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)");
    x.n = 0;
    EXPECT_EQ(Parametry(x), "Parametr \"Liczba dźwigarów\" powinien być dodatni (0,00)");
    x.B = 0.5;
    EXPECT_EQ(Parametry(x), "Parametr \"Rozstaw osiowy skrajnych dźwigarów\" ma za małą wartość. (0,50)");
    x.przekroj = 1;
    EXPECT_EQ(Parametry(x), "Parametr \"Rozstaw osiowy dźwigarów\" ma za małą wartość. (0,50)");
    x.przekroj = 5;
    x.B = 0;
    EXPECT_EQ(Parametry(x), "Parametr \"Rozstaw osiowy dźwigarów\" powinien być dodatni (0,00)");

    x = d;
    x.przekroj = 2;
    x.n = 1;  // wymuszone 2
    EXPECT_EQ(Parametry(x), "OK");
    x.k2 = -0.2;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość prawego krawężnika\" ma za małą wartość. (-0,20)");
    x.g1 = -0.1;
    EXPECT_EQ(Parametry(x), "Parametr \"Szerokość dźwigara\" ma za małą wartość. (-0,10)");

    for (int typ : {3, 4, 6}) {
        x = d;
        x.przekroj = typ;
        x.P = 1.4;
        EXPECT_EQ(Parametry(x), "Parametr \"Szerokość płyty\" ma za małą wartość. (1,40)") << typ;
        x.P = 0;
        EXPECT_EQ(Parametry(x), "Parametr \"Szerokość płyty\" powinien być dodatni (0,00)") << typ;
        x.P = 1.5;
        x.B = 0;
        x.n = 0;
        EXPECT_EQ(Parametry(x), "OK") << typ;
    }
    x = d;
    x.e1 = -5;  // wysięg może być ujemny
    x.g2 = -1;  // g2 nie jest sprawdzane
    EXPECT_EQ(Parametry(x), "OK");
}

std::string Sumy(const Dane& d)
{
    std::string msg;
    return d.Obiekt().SprawdzSumy(msg) ? "OK" : msg;
}

TEST(SprawdzSumy, WzoryPrzekrojowITolerancja)
{
    const std::string naglowek = "Niezgodna suma wymiarów dolnych z górnymi\r         ";
    Dane d;
    EXPECT_EQ(Sumy(d), "OK");
    d.c1 += 0.005;
    EXPECT_EQ(Sumy(d), "OK");
    d.c1 = 1.51;  // różnica dokładnie 0,01
    EXPECT_EQ(Sumy(d), "OK");
    d.c1 = 1.52;
    EXPECT_EQ(Sumy(d), naglowek + "c1+a1+b+a2+c2 <> e1+B+e2");

    Dane t1;
    t1.przekroj = 1;
    EXPECT_EQ(Sumy(t1), naglowek + "a1+b+a2 <> e1+B+e2");
    t1.B = 6;
    EXPECT_EQ(Sumy(t1), "OK");

    Dane t2;
    t2.przekroj = 2;
    EXPECT_EQ(Sumy(t2), naglowek + "g+k1+a1+b+a2+k2 <> B");
    t2.B = 0.3 + 0.2 + 0.5 + 7 + 0.5 + 0.2;
    EXPECT_EQ(Sumy(t2), "OK");

    Dane t3;
    t3.przekroj = 3;
    t3.P = 10;
    EXPECT_EQ(Sumy(t3), naglowek + "c1+a1+b+a2+c2 <> e1+P+e2");
    t3.P = 9;
    EXPECT_EQ(Sumy(t3), "OK");

    Dane t4;
    t4.przekroj = 4;
    EXPECT_EQ(Sumy(t4), naglowek + "a1+b+a2 <> P");
    t4.P = 8;
    EXPECT_EQ(Sumy(t4), "OK");

    for (int typ : {5, 6}) {
        Dane t;
        t.przekroj = typ;
        t.b = 100;
        EXPECT_EQ(Sumy(t), "OK");
    }
}

std::string Dlugosci(const tObiektMostowy& o)
{
    std::string msg;
    return o.SprawdzDlugosci(msg) ? "OK" : msg;
}

TEST(SprawdzDlugosci, ZakresyElementow)
{
    struct Przypadek {
        tRodzajElementu rodzaj;
        double dlugosc;
        const char* wynik;
    } przypadki[] = {
        {rWspornikSwobodny, 1.5, "OK"},
        {rWspornikSwobodny, 15.0, "OK"},
        {rWspornikSwobodny, 1.49, "E: długość mniejsza od 1.5 m"},
        {rWspornikSwobodny, 15.01, "E: długość większa od 15.0 m"},
        {rBelkaSwobodnie, 3.0, "OK"},
        {rBelkaSwobodnie, 120.0, "OK"},
        {rCiaglaSrodkowe, 2.99, "E: rozpiętość mniejsza niż 3 m"},
        {rRamaSkrajne, 120.01, "E: rozpiętość większa od 120 m"},
    };
    for (auto p : przypadki) {
        tObiektMostowy o;
        o.DodajElement("E", p.rodzaj, p.dlugosc);
        o.DodajElement("P", rBelkaSwobodnie, 10);  // obiekt bez przęsła jest odrzucany
        EXPECT_EQ(Dlugosci(o), p.wynik) << p.dlugosc;
    }

    tObiektMostowy dwa;
    dwa.DodajElement("Pierwszy", rBelkaSwobodnie, 2);
    dwa.DodajElement("Drugi", rBelkaSwobodnie, 200);
    EXPECT_EQ(Dlugosci(dwa), "Pierwszy: rozpiętość mniejsza niż 3 m");
}

TEST(SprawdzDlugosci, WspornikBelkiPrzegubowejWymagaPrzeslaZawieszonego)
{
    tObiektMostowy o;
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 20);
    o.DodajElement("Wspornik nr 1", rWspornikLewy, 4);
    o.DodajElement("Przęsło nr 2", rBelkaSwobodnie, 30);
    o.DodajElement("Wspornik nr 2", rWspornikPrawy, 4);
    o.DodajElement("Przęsło nr 3", rBelkaSwobodnie, 20);
    EXPECT_EQ(Dlugosci(o), "OK");

    tObiektMostowy bezLewego;  // lewy wspornik bierze przęsło sprzed siebie
    bezLewego.DodajElement("Lewy skrajny wspornik", rWspornikSwobodny, 2);
    bezLewego.DodajElement("Wspornik nr 1", rWspornikLewy, 4);
    EXPECT_EQ(Dlugosci(bezLewego), "Wspornik nr 1: brak przęsła zawieszonego przy wsporniku");

    tObiektMostowy bezPrawego;  // prawy wspornik na końcu listy
    bezPrawego.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 20);
    bezPrawego.DodajElement("Wspornik nr 1", rWspornikPrawy, 4);
    EXPECT_EQ(Dlugosci(bezPrawego), "Wspornik nr 1: brak przęsła zawieszonego przy wsporniku");

    tObiektMostowy zaDlugi;  // najpierw sprawdzenie długości samego wspornika
    zaDlugi.DodajElement("Wspornik nr 1", rWspornikLewy, 16);
    EXPECT_EQ(Dlugosci(zaDlugi), "Wspornik nr 1: długość większa od 15.0 m");
}

}  // namespace
