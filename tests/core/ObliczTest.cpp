// Sterownik obliczenia na przypadkach brzegowych (całe obiekty sprawdzają przypadki
// w tests/dane/przypadki): nagłówek śladu, błędy z przedrostkiem elementu, remis,
// wyniki po błędzie, GAMMA zerowe i ścinanie "nie dotyczy".
#include <gtest/gtest.h>

#include "common/Slad.h"
#include "core/ObiektMostowy.h"

namespace {

// Pomost o różnych stronach (c1 = 1,5, c2 = 0,5); elementy nazwane E1, E2, ...
tObiektMostowy Most(int normatyw, int przekroj, const std::vector<std::pair<tRodzajElementu, double>>& elementy,
                    double P = 10)
{
    tObiektMostowy o;
    o.UstawDane(normatyw, 0, przekroj, 0.5, 0.5, 7, 8, 1.5, 0.5, 1.0, 1.0, 0.2, 0.2, P, 0.3, 0.3, 5, 0);
    for (const auto& [rodzaj, dlugosc] : elementy) o.DodajElement("E" + std::to_string(o.LiczbaElementow + 1), rodzaj, dlugosc);
    return o;
}

TEST(Oblicz, PrzypadkiBrzegowe)
{
    const struct {
        const char* opis;
        int normatyw, przekroj;
        std::vector<std::pair<tRodzajElementu, double>> elementy;
        double P;
        std::string Err;
        int najgorszy;
        std::string trzeciWiersz, ostatniWiersz;
    } przypadki[] = {
        {"bez elementów", nPN85, 0, {}, 10, "", -1, "", "  [NOŚNOŚĆ] = NIE DOTYCZY"},
        {"jeden element: bez liczby elementów", nPN85, 0, {{rBelkaSwobodnie, 10}}, 10, "", 1, "", ""},
        {"dwa równe elementy: wcześniejszy", nPN85, 0, {{rBelkaSwobodnie, 12}, {rBelkaSwobodnie, 12}}, 10, "", 1,
         "Liczba elementów : 2", ""},
        {"brak algorytmu", nNormatyw1926, 1, {{rBelkaSwobodnie, 20}, {rBelkaSwobodnie, 20}}, 10,
         "Element E1: Brak algorytmu", -1, "Liczba elementów : 2", "Obliczenia dla momentu"},
        {"model odmawia w drugim elemencie", nDIN1072, 0, {{rBelkaSwobodnie, 20}, {rBelkaSwobodnie, 100}}, 10,
         "Element E2: Za duża wartość parametru L", -1, "Liczba elementów : 2", "Obliczenia dla momentu"},
        {"współczynniki przeciążenia odmawiają", nPN85, 4, {{rBelkaSwobodnie, 10}}, 0.4,
         "Nie mogę obliczyć rozpiętości zastępczych\rZła ilość dźwigarów : 0", -1, "", "  [N] = 0,0000000"},
    };
    // Każde obliczenie najpierw zamyka okno śladu, by nie pokazywało starych wierszy.
    int zamkniecia = 0;
    SladUstawZamykanieOkna([&] { ++zamkniecia; });
    for (const auto& p : przypadki) {
        tObiektMostowy o = Most(p.normatyw, p.przekroj, p.elementy, p.P);
        std::string Err;
        const int przed = zamkniecia;
        EXPECT_EQ(o.Oblicz(Err), p.Err.empty()) << p.opis;
        EXPECT_EQ(zamkniecia, przed + 1) << p.opis;
        EXPECT_EQ(Err, p.Err) << p.opis;
        EXPECT_EQ(o.NajgorszyElement(), p.najgorszy) << p.opis;
        const auto linie = Slad().Linie();
        ASSERT_GE(linie.size(), 4u) << p.opis;
        EXPECT_EQ(linie[2], p.trzeciWiersz) << p.opis;
        if (!p.ostatniWiersz.empty()) {
            EXPECT_EQ(linie.back(), p.ostatniWiersz) << p.opis;
        }
        if (p.Err.empty()) {
            EXPECT_EQ(linie[linie.size() - 2], "  [Najgorszy element ] = " + std::to_string(p.najgorszy)) << p.opis;
        }
    }
    SladUstawZamykanieOkna(nullptr);
}

// Obliczenie przerwane błędem zostawia wyniki poprzedniego; tylko Najgorszy wraca do −1.
TEST(Oblicz, BladZostawiaPoprzednieWynikiObiektu)
{
    tObiektMostowy o = Most(nPN85, 0, {{rBelkaSwobodnie, 10}, {rBelkaSwobodnie, 20}});
    std::string Err;
    ASSERT_TRUE(o.Oblicz(Err)) << Err;
    const double masa = o.PodajMase(), MP = o.PodajMP(), TN = o.PodajTN();
    EXPECT_EQ(masa, o.Elementy[o.NajgorszyElement()].MasaGraniczna);
    o.Normatyw = nNormatyw1926;
    o.Przekroj = 1;
    EXPECT_FALSE(o.Oblicz(Err));
    EXPECT_EQ(o.NajgorszyElement(), -1);
    EXPECT_EQ(o.PodajMase(), masa);
    EXPECT_EQ(o.PodajMP(), MP);
    EXPECT_EQ(o.PodajTN(), TN);
}

// Normatywy i przekroje bez modelu obciążenia.
TEST(Oblicz, BrakAlgorytmuDlaPrzekrojowBezModelu)
{
    for (int normatyw : {nNormatyw1926, nNormatyw1945, nNormatyw1952, nNormatyw1956, nDIN1072})
        for (int przekroj : {1, 4, 5, 6}) {
            if (normatyw == nNormatyw1956 && przekroj < 5) continue;
            tObiektMostowy o = Most(normatyw, przekroj, {{rBelkaSwobodnie, 20}});
            std::string Err;
            EXPECT_FALSE(o.Oblicz(Err));
            EXPECT_EQ(Err, "Element E1: Brak algorytmu") << normatyw << " " << przekroj;
        }
}

// Przekrój dwudźwigarowy z B = 2: Gamma 1 = 1 − 2/2 = 0, Gamma 2 < 0, więc GAMMA = 0:
// MP i TP "nie dotyczy", masa 42 t. Płyta: TN "nie dotyczy" przechodzi na TP obu stron.
TEST(Oblicz, GammaZerowaIScinanieNieDotyczy)
{
    tObiektMostowy o;
    o.UstawDane(nPN85, 0, 2, 0.5, 0.5, 4, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
    o.DodajElement("E1", rBelkaSwobodnie, 10);
    std::string Err;
    ASSERT_TRUE(o.Oblicz(Err)) << Err;
    EXPECT_EQ(o.Elementy[1].Gamma[1], 0);
    EXPECT_EQ(o.Elementy[1].MP, NieDotyczy);
    EXPECT_EQ(o.Elementy[1].TP, NieDotyczy);
    EXPECT_EQ(o.PodajMase(), 42);

    o = Most(nPN85, 4, {{rBelkaSwobodnie, 10}});
    ASSERT_TRUE(o.Oblicz(Err)) << Err;
    for (int s : {1, 2}) EXPECT_EQ(o.Elementy[1].TPStrona[s], NieDotyczy);
    EXPECT_EQ(o.PodajTN(), NieDotyczy);
    EXPECT_EQ(o.PodajTP(), NieDotyczy);
    EXPECT_LT(o.PodajMP(), NieDotyczy);
}

// Prawy wspornik na końcu listy czyta wyzerowany rekord za sobą: przęsło podwieszone 0.
TEST(Oblicz, PrawyWspornikNaKoncuListyBezPrzesla)
{
    tObiektMostowy o = Most(nNormatyw1956, 0, {{rBelkaSwobodnie, 20}, {rWspornikPrawy, 2.5}});
    std::string Err;
    o.Oblicz(Err);
    const auto linie = Slad().Linie();
    const auto e2 = std::find(linie.begin(), linie.end(), "ELEMENT 2: E2");
    ASSERT_LT(e2 + 5, linie.end());
    EXPECT_EQ(e2[4], "  [Rozpiętość L] = 0,0000000");
    EXPECT_EQ(e2[5], "  [Długość    W] = 2,5000000");
    EXPECT_EQ(e2[6], "  [L dla momentu] = NIE DOTYCZY");
}

}  // namespace
