// Porównanie norm jako dane (wzorzec PTU.TXT) i jego wykres słupkowy: słupki z wartości
// przeliczeń, odrzucone przeliczenie jako luka z przyczyną, poprawny i bezpieczny SVG.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "Wspolne.h"
#include "common/Cp1250.h"
#include "common/Formatowanie.h"
#include "core/Nazwy.h"
#include "core/UkladElementow.h"
#include "reports/WykresSvg.h"

namespace {

using namespace testy;

// Most wzorca PTU.TXT (raporty/most.ptv): belka ciągła 12 + 15 + 12 m, przekrój 0,
// Normatyw 1956 klasy I.
std::unique_ptr<tObiektMostowy> MostWzorca()
{
    auto o = std::make_unique<tObiektMostowy>();
    o->UstawDane(3, 0, 0, 0.5, 0.5, 7, 9, 1.5, 1.5, 1, 1, 0, 0, 0, 0, 0, 5, 2);
    std::array<double, MaksWierszy> dl{};
    dl[1] = 12, dl[2] = 15, dl[3] = 12;
    DodajElementy(*o, 2, 3, dl);
    return o;
}

const tInfoObiektu InfoWzorca = {"12345678", "2", "DK7", "123+450", "Łomianki", "rzeka Wisła"};

TEST(PorownanieNorm, DanePrzeliczenZgodneZWzorcemPTU)
{
    auto naglowek = MostWzorca(), obliczany = MostWzorca();
    tKatalogTymczasowy tmp;
    std::string komunikat;
    tPorownanie p;
    ASSERT_TRUE(ZapiszPorownanie(*naglowek, *obliczany, InfoWzorca, tmp / "PTU.TXT", komunikat, &p));
    const std::string wzorzec = CzytajPlik(DaneTestowe("raporty/PTU.TXT"));
    EXPECT_EQ(CzytajPlik(tmp / "PTU.TXT"), wzorzec);
    // Wiersz klasy wzorca: normatyw bloku, klasa, M1N, TN, MP, TP, kategoria, "t".
    std::vector<std::string> wiersze;
    std::string norma;
    for (const std::string& l : Wiersze(Cp1250DoUtf8(wzorzec))) {
        if (l.starts_with("NORMA: ")) norma = l.substr(7);
        if (!norma.empty() && l.ends_with(" t")) wiersze.push_back(norma + l);
    }
    ASSERT_EQ(p.size(), 23u);
    ASSERT_EQ(wiersze.size(), 23u);
    for (size_t i = 0; i < p.size(); ++i) {
        std::istringstream we(wiersze[i].substr(NazwaNormatywu(p[i].Normatyw).size()));
        std::string klasa, m1n, tn, mp, tp, masa;
        we >> klasa >> m1n >> tn >> mp >> tp >> masa;
        EXPECT_TRUE(wiersze[i].starts_with(NazwaNormatywu(p[i].Normatyw))) << wiersze[i];
        EXPECT_EQ(klasa, NazwaKlasy(p[i].Normatyw, p[i].Klasa));
        EXPECT_TRUE(p[i].Poprawne);
        EXPECT_EQ(m1n + " " + tn + " " + mp + " " + tp + " " + masa,
                  LiczbaStala(p[i].M1N, 4) + " " + LiczbaStala(p[i].TN, 4) + " " + LiczbaStala(p[i].MP, 4) + " " +
                      LiczbaStala(p[i].TP, 4) + " " + LiczbaStala(p[i].Masa, 2));
    }
}

// 23 przeliczenia w kolejności porównania z podanymi masami; ujemna masa: odrzucone
// z kolejną przyczyną.
tPorownanie Przeliczenia(const std::vector<double>& masy, const std::vector<std::string>& przyczyny = {})
{
    const std::pair<int, int> normatywy[] = {{5, 5}, {4, 3}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {6, 3}};
    tPorownanie p;
    size_t odrzucone = 0;
    for (auto [normatyw, klasy] : normatywy)
        for (int k = 0; k < klasy; ++k) {
            const double m = masy[p.size()];
            p.push_back({normatyw, k, m >= 0, 1, 1e20, 1, 1e20, m, m >= 0 ? "" : przyczyny[odrzucone++]});
        }
    return p;
}

// Napisy wykresu o danym tekście, których punkt leży w prostokącie.
long Napisy(const tWykresPorownania& w, const std::string& tekst, double x1, double x2, double y1, double y2)
{
    return std::count_if(w.Napisy.begin(), w.Napisy.end(), [&](const tNapisWykresu& n) {
        return n.Tekst == tekst && n.x >= x1 && n.x <= x2 && n.y >= y1 && n.y <= y2;
    });
}

TEST(WykresPorownania, SlupkiZNosnosciPrzeliczen)
{
    std::vector<double> masy;
    for (int i = 0; i < 23; ++i) masy.push_back(i * 2.0);  // 0 … 44 t; powyżej 42 t do góry osi
    const tWykresPorownania w = UkladWykresu(Przeliczenia(masy), 3, 1, {});
    ASSERT_EQ(w.Slupki.size(), 23u);
    const double krok = w.Slupki[1].x1 - w.Slupki[0].x1;
    for (size_t i = 0; i < 23; ++i) {
        const tSlupek& s = w.Slupki[i];
        SCOPED_TRACE(i);
        EXPECT_NEAR((w.Dol - s.yGora) / (w.Dol - w.Gora), std::min(masy[i], 42.0) / 42, 1e-9);
        EXPECT_TRUE(s.x1 >= w.Lewo && s.x2 <= w.Prawo && s.yPodstawa == w.Dol);
        EXPECT_NEAR(s.x2 - s.x1, w.Slupki[0].x2 - w.Slupki[0].x1, 1e-9);
        // Przerwa między normatywami większa niż między klasami.
        if (i > 0) {
            EXPECT_EQ(s.x1 - w.Slupki[i - 1].x1 > krok * 1.3, s.Normatyw != w.Slupki[i - 1].Normatyw);
        }
        // Wartość nad słupkiem, nazwa klasy pod osią.
        EXPECT_EQ(Napisy(w, LiczbaStala(masy[i], 2), s.x1, s.x2, s.yGora - 20, s.yGora), 1);
        EXPECT_EQ(Napisy(w, NazwaKlasy(s.Normatyw, s.Klasa), s.x1, s.x2, w.Dol, w.Dol + 20), 1);
        EXPECT_EQ(s.Wlasny, i == 9);  // Normatyw 1956 (po 5 + 3 klasach), klasa II
    }
}

TEST(WykresPorownania, OdrzuconePrzeliczenieToLukaZPrzyczyna)
{
    std::vector<double> masy(23, 30.0);
    masy[0] = masy[11] = masy[12] = -1;  // PN-85 A, 1952 I i II
    const std::string suma = "Niezgodna suma wymiarów dolnych z górnymi\r         c1+a1+b+a2+c2 <> e1+B+e2";
    const std::string algorytm = "Element Przęsło nr 1: Brak algorytmu";
    const tWykresPorownania w = UkladWykresu(Przeliczenia(masy, {suma, algorytm, algorytm}), 2, 0, {});
    const std::vector<std::string> przypisy = {"Niezgodna suma wymiarów dolnych z górnymi c1+a1+b+a2+c2 <> e1+B+e2",
                                               algorytm};
    EXPECT_EQ(w.Przypisy, przypisy);
    for (auto [i, przypis] : {std::pair{0, 1}, {11, 2}, {12, 2}}) {
        const tSlupek& s = w.Slupki[i];
        EXPECT_TRUE(s.Odrzucony && s.yGora == s.yPodstawa && s.Przypis == przypis) << i;
        EXPECT_EQ(Napisy(w, "odrzucone (" + std::to_string(przypis) + ")", s.x1, s.x2, w.Gora, w.Dol), 1) << i;
        EXPECT_NE(s.Opis.find(przypisy[przypis - 1]), std::string::npos) << s.Opis;
    }
    EXPECT_EQ(std::count_if(w.Slupki.begin(), w.Slupki.end(), [](const tSlupek& s) { return s.Odrzucony; }), 3);
    // Przypisy pod wykresem, każda przyczyna raz, pod nią normatywy i klasy, których dotyczy;
    // przyczyna wszystkich przeliczeń krótko, długa lista w kilku wierszach.
    for (const std::string& t : {"(1) " + przypisy[0], std::string("dotyczy: PN-85/S-10030, klasa A"), "(2) " + algorytm,
                                 std::string("dotyczy: Normatyw-1952r., klasy I, II")})
        EXPECT_EQ(Napisy(w, t, 0, w.Szerokosc, w.Dol, w.Wysokosc), 1) << t;
    const tWykresPorownania wszystkie = UkladWykresu(Przeliczenia(std::vector<double>(23, -1), std::vector(23, suma)), 2, 0, {});
    EXPECT_EQ(Napisy(wszystkie, "dotyczy: wszystkich normatywów i klas", 0, w.Szerokosc, w.Dol, wszystkie.Wysokosc), 1);
    std::vector<double> bezJednej(23, -1);
    bezJednej[22] = 30;
    const tWykresPorownania dluga = UkladWykresu(Przeliczenia(bezJednej, std::vector(22, suma)), 2, 0, {});
    EXPECT_EQ(Napisy(dluga, "dotyczy: PN-85/S-10030, klasy A, B, C, D, E; PN-66/B-02015, klasy I, II, III; "
                            "Normatyw-1956r., klasy I, II, III; ", 0, w.Szerokosc, w.Dol, dluga.Wysokosc), 1);
    EXPECT_EQ(Napisy(dluga, "DIN 1072 (1931r.), klasy I, II", 0, w.Szerokosc, w.Dol, dluga.Wysokosc), 1);
    // Własna para odrzucona (1952, kl. I): przerywany obrys luki.
    const tSlupek& wlasny = w.Slupki[11];
    EXPECT_TRUE(wlasny.Wlasny);
    EXPECT_TRUE(std::any_of(w.Figury.begin(), w.Figury.end(), [&](const tFiguraWykresu& f) {
        return f.Przerywany && f.x1 == wlasny.x1 && f.x2 == wlasny.x2;
    }));
}

TEST(WykresSvg, PoprawnyXmlZTekstemUzytkownikaJakoZnaki)
{
    std::vector<double> masy(23, 12.5);
    masy[3] = -1;
    tInfoObiektu info = InfoWzorca;
    info.Przeszkoda = "<script>alert('x')</script> & \"rów\"\x01";
    const tWykresPorownania w = UkladWykresu(Przeliczenia(masy, {"Element <A&B>: Brak algorytmu"}), 5, 0, info);
    const std::string svg = WykresSvg(w);
    EXPECT_EQ(svg.find("<script>"), std::string::npos);
    EXPECT_NE(svg.find("&lt;script&gt;alert(&apos;x&apos;)&lt;/script&gt; &amp; &quot;rów&quot; "), std::string::npos);
    EXPECT_NE(svg.find("<title>PN-85/S-10030, klasa D: Element &lt;A&amp;B&gt;: Brak algorytmu</title>"),
              std::string::npos);
    // Współrzędne z kropką także przy przecinku w ustawieniach regionalnych.
    EXPECT_EQ(svg.find(",00\""), std::string::npos);
    EXPECT_NE(svg.find(">12,50</text>"), std::string::npos);

    tKatalogTymczasowy tmp;
    std::string komunikat;
    ASSERT_TRUE(ZapiszWykresSvg(w, tmp / "w.svg", komunikat));
    EXPECT_EQ(CzytajPlik(tmp / "w.svg"), svg);
    EXPECT_FALSE(ZapiszWykresSvg(w, tmp / "brak/w.svg", komunikat));
    EXPECT_EQ(komunikat, "Błąd zapisu pliku.\rNie można zapisać pliku: " + (tmp / "brak/w.svg (nie ma takiego katalogu)"));
    if (std::system("xmllint --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "brak xmllint (pakiet libxml2-utils)";
    EXPECT_EQ(std::system(("xmllint --noout " + WCudzyslowie(tmp / "w.svg")).c_str()), 0);
}

}  // namespace
