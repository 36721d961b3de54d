// Panel "Elementy" bez okna: wiersze tabeli dla przypadków z tests/dane/przypadki (zgodne
// z wynik.json, jaki daje pontiva-cli), wybór momentu albo siły zgodny z masami ze śladu,
// tabela po odrzuceniu danych, tekst do arkusza, układ szkicu i widoku podłużnego.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <memory>

#include "Wspolne.h"
#include "common/Slad.h"
#include "core/ObiektMostowy.h"
#include "przebieg/KopiaElementow.h"
#include "przebieg/Przebieg.h"
#include "przebieg/RysunekPodluzny.h"
#include "przebieg/WidokPamieci.h"
#include "persistence/PlikPojazdu.h"

namespace {

using namespace testy;

// Okno w pamięci z obiektem wczytanym z pliku przypadku (wczytanie kończy się przeliczeniem).
struct tOkno {
    tWidokPamieci Widok;
    tGlownyPrzebieg Przebieg{Widok};
    explicit tOkno(const std::string& przypadek) { Przebieg.WczytajDane(DaneTestowe("przypadki/" + przypadek + "/obiekt.PTV")); }
    const tTabelaElementow& Tabela() const { return Przebieg.Tabela(); }
};

double Liczba(const std::string& tekst)
{
    if (tekst == "null") return NieDotyczy;
    double v = 0;
    std::from_chars(tekst.data(), tekst.data() + tekst.size(), v);
    return v;
}

// Płaskie obiekty tablicy "elementy" z wynik.json: klucz -> wartość (tekst bez cudzysłowów).
std::vector<std::map<std::string, std::string>> ElementyJson(const std::string& json, int& najgorszy)
{
    najgorszy = static_cast<int>(Liczba(json.substr(json.find("\"najgorszy\":") + 12)));
    std::vector<std::map<std::string, std::string>> el;
    for (size_t p = json.find('{', json.find("\"elementy\":[")); p != std::string::npos; p = json.find('{', p)) {
        auto& m = el.emplace_back();
        while (json[p] != '}') {
            const size_t k = json.find('"', p) + 1, kk = json.find('"', k);
            size_t w = kk + 2, kw = json.find_first_of(",}", w);
            if (json[w] == '"') kw = json.find('"', ++w) + 1;
            m[json.substr(k, kk - k)] = json.substr(w, json[kw - 1] == '"' ? kw - 1 - w : kw - w);
            p = kw;
        }
    }
    return el;
}

// Masy "Dla momentu" i "Dla siły" kolejnych elementów ze śladu przypadku.
std::vector<std::pair<double, double>> MasyZeSladu(const std::string& przypadek)
{
    std::vector<std::pair<double, double>> masy;
    for (std::string w : Wiersze(CzytajPlik(DaneTestowe("przypadki/" + przypadek + "/slad.txt")))) {
        std::replace(w.begin(), w.end(), ',', '.');
        if (w.rfind("  [Dla momentu ] = ", 0) == 0) masy.push_back({Liczba(w.substr(19)), 0});
        if (w.rfind("  [Dla si", 0) == 0) masy.back().second = Liczba(w.substr(w.find("] = ") + 4));
    }
    return masy;
}

class ElementyPrzypadku : public testing::TestWithParam<std::string> {};

TEST_P(ElementyPrzypadku, WierszeJakWynikJsonAWyborMomentuISilyJakMasyZeSladu)
{
    const tOkno okno(GetParam());
    const tTabelaElementow& t = okno.Tabela();
    const std::string wynik = CzytajPlik(DaneTestowe("przypadki/" + GetParam() + "/wynik.json"));
    // Plik zmieniony przy wczytaniu odrzuca tylko wiersz poleceń; okno liczy to, co pola przyjęły.
    if (wynik.find("\"etap\":\"odczyt\"") != std::string::npos) return;
    if (wynik.find("\"ok\":false") != std::string::npos) {  // dane odrzucone: bez wierszy, jeden wiersz powodu
        EXPECT_TRUE(t.Wiersze.empty() && !t.Odmowa.empty());
        return;
    }
    int najgorszy = 0;
    const auto json = ElementyJson(wynik, najgorszy);
    const auto masy = MasyZeSladu(GetParam());
    ASSERT_EQ(t.Wiersze.size(), json.size());
    ASSERT_EQ(masy.size(), json.size());
    EXPECT_EQ(t.Najgorszy, najgorszy > 0 ? najgorszy - 1 : -1);
    EXPECT_TRUE(t.Odmowa.empty());
    for (size_t i = 0; i < json.size(); ++i) {
        const tWierszElementu& w = t.Wiersze[i];
        auto j = json[i];
        SCOPED_TRACE(j["nazwa"]);
        EXPECT_EQ(w.Numer, static_cast<int>(i) + 1);
        EXPECT_EQ(w.Nazwa, j["nazwa"]);
        EXPECT_EQ(w.Rodzaj, Liczba(j["rodzaj"]));
        const std::pair<double, const char*> wartosci[] = {{w.Dlugosc, "dlugosc"}, {w.LM, "LM"}, {w.LT, "LT"},
                                                            {w.M1N, "M1N"},         {w.TN, "TN"}, {w.MP, "MP"},
                                                            {w.TP, "TP"},           {w.Masa, "masa"}};
        for (auto [v, klucz] : wartosci) EXPECT_DOUBLE_EQ(v, Liczba(j[klucz])) << klucz;
        // Siła decyduje tylko wtedy, gdy jej masa jest mniejsza; przy równych – moment.
        EXPECT_EQ(w.DecydujeSila, masy[i].second < masy[i].first);
    }
}

INSTANTIATE_TEST_SUITE_P(, ElementyPrzypadku, testing::ValuesIn(Przypadki()),
                         [](const testing::TestParamInfo<std::string>& i) { return i.param; });

// Wspornik nr 1 belki przegubowej (LM = 18,15 m, LT = 41,02 m): pojazd 42 t daje
// M = 0,625·18,146 + 105 − 764/18,146 = 74,24 < MP = 89,83, czyli z momentu 42 t, oraz
// T = 2,5·41,021 + 420 − 2032/41,021 = 472,0 > TP = 453,28, czyli z siły mniej niż 42 t.
TEST(Elementy, TekstyKomorekJakWidziUzytkownik)
{
    const tOkno okno("pn85_przegubowa_lewe_ramie");
    const tTabelaElementow& t = okno.Tabela();
    EXPECT_EQ(TekstKomorki(t, 2, kDecyduje), "siła");
    EXPECT_EQ(TekstKomorki(t, 1, kDecyduje), "moment");
    EXPECT_EQ(TekstKomorki(t, 4, kNr), "▼ 5");
    EXPECT_EQ(WierszStanu(t), "Decyduje element 5 (Wspornik nr 2): masa pojazdu 40,02 t, siła");
    const tOkno plyta("pn85_p3");  // płyta: siła poprzeczna nie dotyczy
    EXPECT_EQ(TekstKomorki(plyta.Tabela(), 0, kTN), "—");
    EXPECT_EQ(TekstKomorki(plyta.Tabela(), 0, kTP), "—");
}

// Po odrzuceniu danych żadnych wierszy poprzedniego przeliczenia, tylko powód w jednym wierszu.
TEST(Elementy, PoOdrzuceniuDanychJedenWierszPowodu)
{
    const struct {
        tPole pole;
        double wartosc;
        const char* wiersz;
    } przypadki[] = {
        {PoleDlugosci(2), 130, "Dane odrzucone – BŁĄD PRZEKROJU PODŁUŻNEGO: Przęsło nr 1: rozpiętość większa od 120 m"},
        {RxSE_B, 6, "Dane odrzucone – BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO: Niezgodna suma wymiarów dolnych z "
                    "górnymi c1+a1+b+a2+c2 <> e1+B+e2 9,40 <> 10,40 (różnica 1,00 m)"},
    };
    for (const auto& p : przypadki) {
        tOkno okno("pn85_przegubowa_prawe_ramie");
        ASSERT_EQ(okno.Tabela().Wiersze.size(), 6u);
        okno.Widok.UstawWartosc(p.pole, p.wartosc);
        okno.Przebieg.Przelicz();
        EXPECT_TRUE(okno.Tabela().Wiersze.empty()) << p.wiersz;
        EXPECT_EQ(okno.Tabela().Najgorszy, -1);
        EXPECT_EQ(WierszStanu(okno.Tabela()), p.wiersz);
    }
    tOkno okno("pn85_p1");  // normatyw 1926 nie ma algorytmu dla przekroju bez krawężników
    okno.Widok.UstawWybor(tLista::CBNormatyw, 0);
    okno.Przebieg.ZmianaNormatywu();
    EXPECT_EQ(WierszStanu(okno.Tabela()), "Dane odrzucone – BŁĄD OBLICZEŃ: Element Przęsło: Brak algorytmu");
}

TEST(Elementy, TekstDoArkuszaZNaglowkiemIObomaSeparatorami)
{
    const tOkno okno("pn85_przegubowa_lewe_ramie");
    const std::string naglowek = "Nr\tElement\tRodzaj\tL [m]\tLM [m]\tLT [m]\tM1N\tTN\tMP\tTP\tMasa [t]\tDecyduje\n";
    EXPECT_EQ(TekstDoArkusza(okno.Tabela(), {2, 4}),
              naglowek +
                  "3\tWspornik nr 1\tlewy wspornik\t4,00\t18,15\t41,02\t51,1438\t264,2438\t89,8346\t453,2805\t40,04\tsiła\n"
                  "▼ 5\tWspornik nr 2\tprawy wspornik\t3,50\t16,51\t41,16\t50,1443\t264,4054\t88,2461\t453,5418\t40,02\tsiła\n");
    const tSeparator kropka('.');
    const auto wszystkie = Wiersze(TekstDoArkusza(okno.Tabela(), {}));
    ASSERT_EQ(wszystkie.size(), 8u);
    EXPECT_EQ(wszystkie[7], "7\tPrawy skrajny wspornik\tswobodny wspornik\t1.80\t5.10\t7.00\t34.7849\t180.8989\t62.0297\t"
                            "322.3989\t42.00\tmoment");
}

// Pojazd wybrany w oknie pojazdu oceniany przy każdym przeliczeniu: wiersz wyników i kolumna
// "Wykorzystanie" (tabela i tekst do arkusza). Liczby z przejazd.json przypadku (żuraw 60 t z ruchem,
// sprawdzony niezależnie): U = 1,3290 → w górę 1,33; element 1: 1,1353 → 1,14; masa 43,518 → w dół 43,51.
TEST(Elementy, PrzejazdWybranegoPojazduPrzyKazdymPrzeliczeniu)
{
    tOkno okno("n1956_p0");
    tWybranyPojazd zuraw;
    std::string kom;
    ASSERT_TRUE(WczytajPojazd(DaneTestowe("przypadki/n1956_p0/pojazd.PJZ"), zuraw.Pojazd, kom)) << kom;
    okno.Przebieg.WlaczPrzeliczanie(true);
    okno.Przebieg.UstawPojazd(zuraw);
    const tWynikPrzejazdu& w = okno.Widok.Przejazd;
    EXPECT_EQ(w.Tekst, "PRZEJAZD NIEDOPUSZCZALNY (U: 1,33) – Żuraw samojezdny 5-osiowy 60 t, z ruchem");
    EXPECT_FALSE(w.Dopuszczalny);
    EXPECT_EQ(Wiersze(w.Dymek), (std::vector<std::string>{
                                    "Pojazd: Żuraw samojezdny 5-osiowy 60 t",
                                    "Masa całkowita: 60 t; liczba osi: 5; rozstaw skrajnych osi: 7,35 m",
                                    "Obciążenie: z ruchem: pojazd i obciążenie równomierne q = 5 kN/m na całej długości przęseł",
                                    "Element rozstrzygający: 4 Przęsło nr 2, efekt T",
                                    "Największa masa pojazdu o tym układzie osi: 43,51 t"}));
    EXPECT_EQ(TekstKomorki(okno.Tabela(), 0, kWykorzystanie), "1,14");
    EXPECT_TRUE(Wiersze(TekstDoArkusza(okno.Tabela(), {0}))[0].ends_with("	Decyduje	Wykorzystanie"));
    okno.Widok.UstawWartosc(PoleDlugosci(2), 130);
    okno.Przebieg.Przelicz();
    EXPECT_EQ(w.Tekst, "PRZEJAZD NIEDOPUSZCZALNY (dane odrzucone) – Żuraw samojezdny 5-osiowy 60 t, z ruchem");
    okno.Przebieg.UstawPojazd(std::nullopt);
    EXPECT_EQ(w, tWynikPrzejazdu{});
    EXPECT_EQ(LiczbaKolumn(okno.Tabela()), LiczbaKolumnElementow);
}

// Wsporniki 2 m i przęsło 16 m na szerokości 303 px od x = 5: końce na 10 % i 90 %.
TEST(Elementy, UkladSzkicuPodporyIPrzeguby)
{
    EXPECT_EQ(KonceOdcinkow({2, 16, 2}, 5, 303), (std::vector<int>{5, 35, 278, 308}));
    EXPECT_TRUE(KonceOdcinkow({0.004, 0.005}, 5, 303).empty());
    EXPECT_EQ(OdcinekPodX({5, 35, 278, 308}, 35), 0);
    EXPECT_EQ(OdcinekPodX({5, 35, 278, 308}, 36), 1);
    EXPECT_EQ(OdcinekPodX({5, 35, 278, 308}, 309), -1);
    const struct {
        int lewy, prawy;
        tWezel wezel;
    } wezly[] = {
        {-1, rBelkaSwobodnie, tWezel::Podpora}, {-1, rWspornikSwobodny, tWezel::Brak},
        {rCiaglaSkrajne, -1, tWezel::Podpora},  {rWspornikSwobodny, -1, tWezel::Brak},
        {rWspornikPrawy, rBelkaSwobodnie, tWezel::Przegub}, {rBelkaSwobodnie, rWspornikLewy, tWezel::Przegub},
        {rWspornikLewy, rBelkaSwobodnie, tWezel::Podpora},  {rBelkaSwobodnie, rWspornikPrawy, tWezel::Podpora},
        {rWspornikSwobodny, rBelkaSwobodnie, tWezel::Podpora},
    };
    for (const auto& w : wezly) EXPECT_EQ(WezelMiedzy(w.lewy, w.prawy), w.wezel) << w.lewy << " " << w.prawy;
}

// Widok podłużny belki przegubowej o prawych ramionach na 324 px (elementy od x = 12 do 312,
// 115 m łącznie): podpory i przeguby, barwy skali od najmniejszej masy do 42 t, napisy,
// które się mieszczą (miara: 6 px na znak), i element pod kursorem.
TEST(Elementy, WidokPodluznyWSkali)
{
    tOkno okno("pn85_przegubowa_lewe_ramie");  // 2 + 20 + 4 + 16 + 3,5 + 22 + 1,8 = 69,3 m
    const auto miara = [](const std::string& s) {
        return 6 * static_cast<int>(std::count_if(s.begin(), s.end(), [](char z) { return (z & 0xC0) != 0x80; }));
    };
    const tRysunekPodluzny r = RysunekPodluzny(okno.Tabela(), 324, 15, miara);
    std::vector<int> x;
    for (const auto& e : r.Elementy) x.push_back(e.Pole.X);
    // 12 + 300 · 2/69,3 = 20,66; · 22/69,3 = 107,24; · 26/69,3 = 124,56; · 42/69,3 = 193,82 ...
    EXPECT_EQ(x, (std::vector<int>{12, 21, 107, 125, 194, 209, 304}));
    std::vector<std::pair<int, tWezel>> wezly;
    for (const auto& w : r.Wezly) wezly.push_back({w.X, w.Rodzaj});
    EXPECT_EQ(wezly, (std::vector<std::pair<int, tWezel>>{{21, tWezel::Podpora},
                                                          {107, tWezel::Przegub},
                                                          {125, tWezel::Podpora},
                                                          {194, tWezel::Podpora},
                                                          {209, tWezel::Przegub},
                                                          {304, tWezel::Podpora}}));
    EXPECT_DOUBLE_EQ(r.Skala.Od, okno.Tabela().Wiersze[4].Masa);
    EXPECT_EQ(r.Elementy[4].Kolor, BarwySkali()[0]);
    EXPECT_EQ(r.Elementy[0].Kolor, BarwySkali()[2]);
    EXPECT_TRUE(r.Elementy[4].Najgorszy);
    std::vector<std::string> napisy;
    for (const auto& n : r.Napisy) napisy.push_back(n.Tekst);
    // Wsporniki 2 m, 4 m i 1,8 m (9, 18 i 8 px) mają sam numer, najgorszy (15 px) znak
    // z numerem; długość "4,00" (24 px) nie mieści się pod żadnym z nich.
    EXPECT_EQ(napisy, (std::vector<std::string>{"▼5", "1", "2", "3", "4", "6", "7", "20,00 m", "16,00 m", "22,00 m",
                                                "Masa pojazdu:", "40,02 t", "42,00 t"}));
    // Na 120 px (elementy 3, 27, 6, 22, 5, 31 i 2 px) nad najgorszym sam znak, numery wąskich
    // elementów wystają poza nie, bo nie zachodzą na sąsiednie; długości się nie mieszczą.
    napisy.clear();
    for (const auto& n : RysunekPodluzny(okno.Tabela(), 120, 15, miara).Napisy) napisy.push_back(n.Tekst);
    EXPECT_EQ(napisy, (std::vector<std::string>{"▼", "1", "2", "3", "4", "6", "7", "Masa pojazdu:", "40,02 t",
                                                "42,00 t"}));
    const int y = r.Belka.Y + 1;
    EXPECT_EQ(ElementPodPunktem(r, 150, y), 3);
    EXPECT_EQ(ElementPodPunktem(r, 150, r.Belka.Y - 20), -1);
    EXPECT_EQ(ElementPodPunktem(r, 5, y), -1);
    const auto dymek = Wiersze(OpisWierszaElementu(okno.Tabela(), 3));
    ASSERT_EQ(dymek.size(), 12u);
    EXPECT_EQ(dymek[1], "Element: Przęsło nr 2");
    EXPECT_EQ(dymek[10], "Masa [t]: 42,00");

    const tOkno rowne("pn85_przegubowa_prawe_ramie");  // wszystkie elementy 42 t: jedna barwa
    EXPECT_TRUE(SkalaMas(rowne.Tabela()).Jednolita());
    EXPECT_EQ(KolorMasy(SkalaMas(rowne.Tabela()), 42), BarwySkali()[2]);
    EXPECT_EQ(KolorMasy({20, 42}, 31), BarwySkali()[1]);
}

}  // namespace
