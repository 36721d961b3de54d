// Obliczenie całego obiektu: nagłówki śladu, wartości stron, GAMMA, MP i TP,
// komunikaty błędów z przedrostkiem elementu i wybór najgorszego elementu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Regionalne.h"
#include "common/Slad.h"
#include "core/ObiektMostowy.h"
#include "core/Rozdzial.h"
#include "ModeleTestowe.h"

namespace {

using namespace modele_testowe;

class Oblicz : public ::testing::Test {
protected:
    void SetUp() override
    {
        Regionalne().SeparatorDziesietny = ',';
        Zeruj();
    }
    void TearDown() override { Zeruj(); }

    // PN-85, przekrój 0: n = 5, B = 8, a = 0,5, b = 7, e = 1, c1 = 1,5, c2 = 0,5.
    static tObiektMostowy Dzwigarowy()
    {
        tObiektMostowy o;
        o.UstawDane(nPN85, 0, 0, 0.5, 0.5, 7, 8, 1.5, 0.5, 1.0, 1.0, 0, 0, 0, 0, 0, 5, 0);
        return o;
    }

    bool Licz(tObiektMostowy& o, std::string& Err) { return ObliczObiekt(o, Zapisujace(), Err); }
};

size_t Indeks(const std::vector<std::string>& linie, const std::string& szukana)
{
    for (size_t i = 0; i < linie.size(); ++i)
        if (linie[i] == szukana) return i;
    return linie.size();
}

TEST_F(Oblicz, ObiektBezElementow)
{
    tObiektMostowy o = Dzwigarowy();
    // Stary ślad znika, a okno śladu zamyka się przed obliczeniem.
    SladDodaj("stary wiersz");
    int zamkniecia = 0;
    SladUstawZamykanieOkna([&zamkniecia] { ++zamkniecia; });
    std::string Err;
    ASSERT_TRUE(o.Oblicz(Err));
    SladUstawZamykanieOkna(nullptr);
    EXPECT_EQ(zamkniecia, 1);
    const std::vector<std::string> oczekiwane = {
        "<<Wielodźwigarowe - jezdnia z krawężnikami>>",
        "SCHEMAT : Belka swobodnie podparta",
        "",
        "",
        "Wyznaczenie najbardziej niekorzystnego wariantu",
        "",
        "",
        "  [Najgorszy element ] = -1",
        "  [NOŚNOŚĆ] = NIE DOTYCZY",
    };
    EXPECT_EQ(Slad().Linie(), oczekiwane);
    EXPECT_EQ(o.NajgorszyElement(), -1);
    for (double x : {o.PodajM1N(), o.PodajTN(), o.PodajMP(), o.PodajTP(), o.PodajMase()}) EXPECT_EQ(x, 1e20);
}

TEST_F(Oblicz, LiczbaElementowTylkoGdyWiecejNizJeden)
{
    tObiektMostowy o = Dzwigarowy();
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 10);
    std::string Err;
    ASSERT_TRUE(Licz(o, Err)) << Err;
    EXPECT_EQ(Slad().Linia(2), "");
    EXPECT_EQ(Slad().Linia(3), "ELEMENT 1: Przęsło nr 1");
    EXPECT_EQ(Slad().Linia(4), "RODZAJ : belka swobodnie podparta");
    EXPECT_EQ(Slad().Linia(5), "  [Długość] = 10,0000000");

    o.DodajElement("Wspornik prawy", rWspornikSwobodny, 2);
    ASSERT_TRUE(Licz(o, Err)) << Err;
    EXPECT_EQ(Slad().Linia(2), "Liczba elementów : 2");
    EXPECT_EQ(Slad().Linia(3), "");
}

// Normatyw 1926 nie ma modelu dla przekroju 1: błąd pierwszego elementu, ślad kończy się
// na "Obliczenia dla momentu" strony 1, wyniki poprzedniego obliczenia zostają.
TEST_F(Oblicz, BrakAlgorytmuZPrzedrostkiemElementu)
{
    tObiektMostowy o;
    o.UstawDane(nNormatyw1926, 0, 1, 0.5, 0.5, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0);
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 20);
    o.DodajElement("Przęsło nr 2", rBelkaSwobodnie, 20);
    o.MasaGraniczna = 7;
    o.MP = 3;
    o.Najgorszy = 2;
    std::string Err;
    EXPECT_FALSE(o.Oblicz(Err));
    EXPECT_EQ(Err, "Element Przęsło nr 1: Brak algorytmu");
    const auto linie = Slad().Linie();
    ASSERT_GE(linie.size(), 3u);
    EXPECT_EQ(linie.back(), "Obliczenia dla momentu");
    EXPECT_EQ(linie[linie.size() - 2], "STRONA 1");
    EXPECT_EQ(Indeks(linie, "ELEMENT 2: Przęsło nr 2"), linie.size());
    EXPECT_EQ(o.NajgorszyElement(), -1);
    EXPECT_EQ(o.PodajMase(), 7);
    EXPECT_EQ(o.PodajMP(), 3);
}

// Strony różnią się chodnikiem: c1 = 1,5 daje G1 = 0,35, G2 = 0,325 (GAMMA 0,35);
// c2 = 0,5: x1 = 1,5, G1 = 2/30·6,75 = 0,45; x2 = 3,375, G2 = 4/30·3,9375 = 0,525.
// Model daje M1N = 11, TN = 22: MP = 31,428571 / 20,952381, TP = 62,857143 / 41,904762.
// Przy L = 10: MP = 20,952381 leży między M[5] = 19,5 i M[4] = 30,25 → 10 + 6·1,452381/10,75
// = 10,810631 t; TP = 41,904762 < T[5] = 94 → 10·41,904762/94 = 4,457953 t.
TEST_F(Oblicz, StronyGammaIMniejszaZWartosci)
{
    tObiektMostowy o = Dzwigarowy();
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 10);
    std::string Err;
    ASSERT_TRUE(Licz(o, Err)) << Err;
    const tElement& el = o.Elementy[1];
    EXPECT_DOUBLE_EQ(el.Gamma[1], 0.35);
    EXPECT_DOUBLE_EQ(el.Gamma[2], 0.525);
    EXPECT_DOUBLE_EQ(el.MPStrona[1], 11 / 0.35);
    EXPECT_DOUBLE_EQ(el.MPStrona[2], 11 / 0.525);
    EXPECT_DOUBLE_EQ(el.TPStrona[2], 22 / 0.525);
    EXPECT_EQ(el.M1N, 11);
    EXPECT_EQ(el.TN, 22);
    EXPECT_DOUBLE_EQ(el.MP, 11 / 0.525);
    EXPECT_DOUBLE_EQ(el.TP, 22 / 0.525);
    EXPECT_NEAR(el.MasaGraniczna, 4.457953, 1e-6);
    EXPECT_EQ(o.NajgorszyElement(), 1);
    EXPECT_NEAR(o.PodajMase(), 4.457953, 1e-6);

    // Kolejność wierszy strony 2 po przejściach: N, blok współczynników, GAMMA, MP, TP.
    const auto linie = Slad().Linie();
    const size_t s2 = Indeks(linie, "STRONA 2");
    ASSERT_LT(s2 + 7, linie.size());
    EXPECT_EQ(linie[s2 + 1], "Obliczenia dla momentu");
    EXPECT_EQ(linie[s2 + 2], "  [M1N] = 11,0000000");
    EXPECT_EQ(linie[s2 + 3], "  [TN ] = 22,0000000");
    EXPECT_EQ(linie[s2 + 4], "Obliczenia dla siły");
    EXPECT_EQ(linie[s2 + 7], "  [N] = 5,0000000");
    const size_t gamma = Indeks(linie, "  [GAMMA] = 0,5250000");
    ASSERT_LT(gamma + 2, linie.size());
    EXPECT_EQ(linie[gamma - 1], "");  // pusty wiersz po współczynnikach przeciążenia
    EXPECT_EQ(linie[gamma + 1], "  [MP] = 20,9523810");
    EXPECT_EQ(linie[gamma + 2], "  [TP] = 41,9047619");
}

// GAMMA praktycznie zerowe: MP i TP "nie dotyczy", masa 42 t. Przekrój 2, B = 2:
// x1 = 0,5 + 1,5 = 2, G1 = 1 − 2/2 = 0; x2 = 0,5 + 0,75 + 1,5 = 2,75, G2 = 2 − 2,75 = −0,75.
TEST_F(Oblicz, ZerowaGammaDajeNieDotyczy)
{
    tObiektMostowy o;
    o.UstawDane(nPN85, 0, 2, 0.5, 0.5, 4, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 10);
    std::string Err;
    ASSERT_TRUE(Licz(o, Err)) << Err;
    const tElement& el = o.Elementy[1];
    EXPECT_EQ(el.MP, 1e20);
    EXPECT_EQ(el.TP, 1e20);
    EXPECT_EQ(el.MasaGraniczna, 42);
    const auto linie = Slad().Linie();
    const size_t g = Indeks(linie, "  [GAMMA] = 0,0000000");
    ASSERT_LT(g + 2, linie.size());
    EXPECT_EQ(linie[g + 1], "  [MP] = NIE DOTYCZY");
    EXPECT_EQ(linie[g + 2], "  [TP] = NIE DOTYCZY");
}

// Płyta bez nośności na ścinanie (TN = 1e20): TP zostaje "nie dotyczy" po obu stronach.
TEST_F(Oblicz, SilaNieDotyczyPrzechodziNaTP)
{
    tObiektMostowy o;
    o.UstawDane(nPN85, 0, 4, 1, 1, 8, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0);
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 10);
    Odpowiedz() = [](double) { return tOdpowiedz{true, 50, 1e20, "", false}; };
    std::string Err;
    ASSERT_TRUE(Licz(o, Err)) << Err;
    const tElement& el = o.Elementy[1];
    EXPECT_EQ(el.TPStrona[1], 1e20);
    EXPECT_EQ(el.TPStrona[2], 1e20);
    EXPECT_EQ(el.TN, 1e20);
    EXPECT_EQ(el.TP, 1e20);
    EXPECT_EQ(o.PodajTP(), 1e20);
    EXPECT_LT(Indeks(Slad().Linie(), "  [TN ] = NIE DOTYCZY"), Slad().Rozmiar());
}

struct PrzypadekBledu {
    const char* opis;
    int Przekroj;
    double P;
    tOdpowiedz odpowiedz;
    const char* Err;
};

const PrzypadekBledu Bledy[] = {
    {"model odmawia", 0, 0, {false, 0, 0, "Za mała wartość parametru L", false},
     "Element Przęsło nr 1: Za mała wartość parametru L"},
    {"asercja w modelu", 0, 0, {false, 0, 0, "Interpoluj: x1 = x2", true},
     "Element Przęsło nr 1: błąd wewnętrzny obliczeń (Interpoluj: x1 = x2)"},
    // Płyta 0,4 m: n = 0, krok liczby dźwigarów współczynników przeciążenia.
    {"współczynniki odmawiają", 4, 0.4, {}, "Nie mogę obliczyć rozpiętości zastępczych\rZła ilość dźwigarów : 0"},
};

TEST_F(Oblicz, KomunikatyBledow)
{
    for (const auto& p : Bledy) {
        SCOPED_TRACE(p.opis);
        Zeruj();
        tObiektMostowy o;
        o.UstawDane(nPN85, 0, p.Przekroj, 0.5, 0.5, 7, 8, 1, 1, 1, 1, 0, 0, p.P, 0, 0, 5, 0);
        o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 10);
        Odpowiedz() = [&p](double) { return p.odpowiedz; };
        std::string Err;
        EXPECT_FALSE(Licz(o, Err));
        EXPECT_EQ(Err, p.Err);
        EXPECT_EQ(o.NajgorszyElement(), -1);
    }
}

// Najgorszy jest element o najmniejszej masie; przy remisie wcześniejszy.
TEST_F(Oblicz, NajgorszyElementIRemis)
{
    tObiektMostowy o = Dzwigarowy();
    o.DodajElement("Przęsło nr 1", rBelkaSwobodnie, 10);
    o.DodajElement("Przęsło nr 2", rBelkaSwobodnie, 12);
    o.DodajElement("Przęsło nr 3", rBelkaSwobodnie, 12);
    std::string Err;
    ASSERT_TRUE(Licz(o, Err));
    // Te same wyniki modelu: dłuższe przęsła mają większe efekty pojazdów, więc mniejszą masę.
    EXPECT_LT(o.Elementy[2].MasaGraniczna, o.Elementy[1].MasaGraniczna);
    EXPECT_EQ(o.Elementy[2].MasaGraniczna, o.Elementy[3].MasaGraniczna);
    EXPECT_EQ(o.NajgorszyElement(), 2);
    EXPECT_EQ(o.PodajMase(), o.Elementy[2].MasaGraniczna);
    EXPECT_EQ(o.PodajTP(), o.Elementy[2].TP);

    const auto linie = Slad().Linie();
    const size_t w = Indeks(linie, "Wyznaczenie najbardziej niekorzystnego wariantu");
    ASSERT_EQ(w + 2 + 15 + 3, linie.size());
    const char* etykiety[] = {"  [3: M1N] = ", "  [3: TN ] = ", "  [3: MP ] = ", "  [3: TP ] = ", "  [3: PTV] = "};
    for (int j = 0; j < 5; ++j) EXPECT_EQ(linie[w + 12 + j].rfind(etykiety[j], 0), 0u) << linie[w + 12 + j];
    EXPECT_EQ(linie[w + 16], "  [3: PTV] = " + LiczbaStala(o.Elementy[3].MasaGraniczna, 7));
    EXPECT_EQ(linie[linie.size() - 2], "  [Najgorszy element ] = 2");
    EXPECT_EQ(linie.back(), "  [NOŚNOŚĆ] = " + LiczbaStala(o.PodajMase(), 7));

    // Słabszy model na elemencie 1 przenosi wybór na niego.
    Odpowiedz() = [](double Dl) { return Dl == 10 ? tOdpowiedz{true, 1, 2, "", false} : tOdpowiedz{}; };
    ASSERT_TRUE(Licz(o, Err));
    EXPECT_EQ(o.NajgorszyElement(), 1);
    EXPECT_EQ(o.PodajM1N(), 1);
}

TEST_F(Oblicz, WartosciStron)
{
    tObiektMostowy o;
    for (int przekroj = 0; przekroj < LiczbaPrzekrojow; ++przekroj) {
        SCOPED_TRACE(przekroj);
        o.UstawDane(nPN85, 3, przekroj, 0.11, 0.12, 7, 8, 1.31, 1.32, 0.41, 0.42, 0.21, 0.22, 10, 0.51, 0.52, 5, 0);
        const tDaneModelu l = DaneStrony(o, 1), p = DaneStrony(o, 2);
        const bool bariery = przekroj == 5 || przekroj == 6;
        EXPECT_EQ(l.g, 0.51);
        EXPECT_EQ(p.g, bariery ? 0.52 : 0.51);
        EXPECT_EQ(l.a, 0.11);
        EXPECT_EQ(p.a, 0.12);
        EXPECT_EQ(l.c, 1.31);
        EXPECT_EQ(l.cInna, 1.32);
        EXPECT_EQ(p.c, 1.32);
        EXPECT_EQ(p.cInna, 1.31);
        EXPECT_EQ(l.e, 0.41);
        EXPECT_EQ(p.e, 0.42);
        EXPECT_EQ(l.k, 0.21);
        EXPECT_EQ(p.k, 0.22);
        EXPECT_EQ(l.KlasaNr, 4);
        EXPECT_EQ(l.KlasaLit, 'D');
    }
}

// L i W rozpiętości zastępczych (dwa wiersze po nagłówku "Rozpiętość zastępcza"):
// wspornik swobodny L = 0, W = długość; lewy wspornik bierze L z elementu przed nim,
// prawy z elementu po nim, a prawy na końcu listy z pustego rekordu (L = 0).
TEST_F(Oblicz, DaneRozpietosciZastepczychWedlugRodzaju)
{
    tObiektMostowy o = Dzwigarowy();
    o.DodajElement("W1", rWspornikSwobodny, 1.5);
    o.DodajElement("P1", rBelkaSwobodnie, 20);
    o.DodajElement("W2", rWspornikLewy, 3);
    o.DodajElement("P2", rBelkaSwobodnie, 12);
    o.DodajElement("W3", rWspornikPrawy, 2);
    o.DodajElement("P3", rBelkaSwobodnie, 14);
    o.DodajElement("W4", rWspornikPrawy, 2.5);
    std::string Err;
    ASSERT_TRUE(Licz(o, Err)) << Err;
    const auto linie = Slad().Linie();
    const struct {
        const char* element;
        const char *L, *W;
    } oczekiwane[] = {
        {"ELEMENT 1: W1", "0,0000000", "1,5000000"}, {"ELEMENT 2: P1", "20,0000000", "0,0000000"},
        {"ELEMENT 3: W2", "20,0000000", "3,0000000"}, {"ELEMENT 5: W3", "14,0000000", "2,0000000"},
        {"ELEMENT 7: W4", "0,0000000", "2,5000000"},
    };
    for (const auto& p : oczekiwane) {
        SCOPED_TRACE(p.element);
        const size_t i = Indeks(linie, p.element);
        ASSERT_LT(i + 5, linie.size());
        EXPECT_EQ(linie[i + 3], "Rozpiętość zastępcza");
        EXPECT_TRUE(linie[i + 4].ends_with(std::string("] = ") + p.L)) << linie[i + 4];
        EXPECT_TRUE(linie[i + 5].ends_with(std::string("] = ") + p.W)) << linie[i + 5];
    }
}

}  // namespace
