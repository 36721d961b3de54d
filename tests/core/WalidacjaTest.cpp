// Trzy sprawdzenia danych: jedna zmiana pola obiektu -> komunikat pierwszego błędu
// (SprawdzParametry przed SprawdzSumy, jak w przeliczeniu okna); długości elementów.
#include <gtest/gtest.h>

#include <functional>

#include "core/ObiektMostowy.h"

namespace {

struct tDane {
    int przekroj = 0;
    double a1 = 0.5, a2 = 0.5, b = 7, B = 9, c1 = 1.5, c2 = 1.5, e1 = 1, e2 = 1, k1 = 0.2, k2 = 0.2, P = 11,
           g1 = 0.3, g2 = 0.3;
    int n = 5;
};

// Wymiary, dla których sumy przekroju się zgadzają (typy 5 i 6 nie mają warunku sum).
tDane Poprawne(int przekroj)
{
    tDane d;
    d.przekroj = przekroj;
    if (przekroj == 1) d.B = 6;    // 0,5 + 7 + 0,5 = 1 + 6 + 1
    if (przekroj == 2) d.B = 8.7;  // 0,3 + 0,2 + 0,5 + 7 + 0,5 + 0,2
    if (przekroj == 3) d.P = 9;    // 1,5 + 0,5 + 7 + 0,5 + 1,5 = 1 + 9 + 1
    if (przekroj == 4) d.P = 8;
    return d;
}

std::string Sprawdz(const tDane& d)
{
    tObiektMostowy o;
    o.UstawDane(nPN85, 0, d.przekroj, d.a1, d.a2, d.b, d.B, d.c1, d.c2, d.e1, d.e2, d.k1, d.k2, d.P, d.g1, d.g2, d.n, 0);
    std::string msg = "bez zmian";
    if (!o.SprawdzParametry(msg) || !o.SprawdzSumy(msg)) return msg;
    return msg == "bez zmian" ? "OK" : "OK, ale zmieniony komunikat: " + msg;
}

const std::string Suma = "Niezgodna suma wymiarów dolnych z górnymi\r         ";
std::string Sumy(const std::string& wartosci) { return "\r         " + wartosci; }
std::string Min(const std::string& wartosc) { return "\rNajmniejsza dopuszczalna wartość: " + wartosc; }

struct tZmiana {
    int przekroj;
    std::function<void(tDane&)> zmien;
    std::string komunikat;
};

const tZmiana Zmiany[] = {
    {0, [](tDane&) {}, "OK"},
    {0, [](tDane& d) { d.a1 = d.a2 = -0.1; }, "Parametr \"Szerokość lewej opaski\" nie może być ujemny"},
    {0, [](tDane& d) { d.a2 = -0.1; }, "Parametr \"Szerokość prawej opaski\" nie może być ujemny"},
    {0, [](tDane& d) { d.c1 = -1; }, "Parametr \"Szerokość lewego chodnika\" nie może być ujemny"},
    {0, [](tDane& d) { d.c2 = d.b = -1; }, "Parametr \"Szerokość prawego chodnika\" nie może być ujemny"},
    {0, [](tDane& d) { d.b = -1; }, "Parametr \"Szerokość nawierzchni\" nie może być ujemny"},
    {0, [](tDane& d) { d.P = d.B = -1; }, "Parametr \"Rozstaw osiowy\" nie może być ujemny"},
    {0, [](tDane& d) { d.B = -1; }, "Parametr \"Rozstaw dźwigarów\" nie może być ujemny"},
    {5, [](tDane& d) { d.a1 = d.a2 = d.c1 = d.c2 = d.b = d.P = 0; }, "OK"},  // zero nie jest ujemne
    {5, [](tDane& d) { d.e1 = -5, d.g2 = -1; }, "OK"},                        // e i g2 bez kontroli
    {0, [](tDane& d) { d.n = 1; }, "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)" + Min("2,00")},
    {0, [](tDane& d) { d.n = 0; }, "Parametr \"Liczba dźwigarów\" powinien być dodatni (0,00)" + Min("2,00")},
    {0, [](tDane& d) { d.B = 0.5, d.n = 0; }, "Parametr \"Rozstaw osiowy skrajnych dźwigarów\" ma za małą wartość. (0,50)" + Min("1,00")},
    {0, [](tDane& d) { d.B = 1, d.e1 = d.e2 = 5; }, "OK"},
    {1, [](tDane& d) { d.B = 0.5, d.e1 = 3.75; }, "Parametr \"Rozstaw osiowy dźwigarów\" ma za małą wartość. (0,50)" + Min("1,00")},
    {1, [](tDane& d) { d.n = 1; }, "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)" + Min("2,00")},
    {5, [](tDane& d) { d.B = 0; }, "Parametr \"Rozstaw osiowy dźwigarów\" powinien być dodatni (0,00)" + Min("1,00")},
    {5, [](tDane& d) { d.n = 1; }, "Parametr \"Liczba dźwigarów\" ma za małą wartość. (1,00)" + Min("2,00")},
    {2, [](tDane& d) { d.n = 1; }, "OK"},  // n wymuszone na 2
    {2, [](tDane& d) { d.B = 0.5; }, "Parametr \"Rozstaw osiowy skrajnych dźwigarów\" ma za małą wartość. (0,50)" + Min("1,00")},
    {2, [](tDane& d) { d.g1 = -0.1, d.k1 = -0.2; }, "Parametr \"Szerokość dźwigara\" ma za małą wartość. (-0,10)" + Min("0,00")},
    {2, [](tDane& d) { d.k1 = -0.2, d.k2 = -0.2; }, "Parametr \"Szerokość lewego krawężnika\" ma za małą wartość. (-0,20)" + Min("0,00")},
    {2, [](tDane& d) { d.k2 = -0.2; }, "Parametr \"Szerokość prawego krawężnika\" ma za małą wartość. (-0,20)" + Min("0,00")},
    {3, [](tDane& d) { d.P = 1.4; }, "Parametr \"Szerokość płyty\" ma za małą wartość. (1,40)" + Min("1,50")},
    {4, [](tDane& d) { d.P = 0; }, "Parametr \"Szerokość płyty\" powinien być dodatni (0,00)" + Min("1,50")},
    {6, [](tDane& d) { d.P = 1.4; }, "Parametr \"Szerokość płyty\" ma za małą wartość. (1,40)" + Min("1,50")},
    {6, [](tDane& d) { d.P = 1.5, d.B = 0, d.n = 0; }, "OK"},  // płyty nie patrzą na B i n
    {0, [](tDane& d) { d.c1 += 0.005; }, "OK"},
    {0, [](tDane& d) { d.c1 = 1.51; }, "OK"},  // różnica dokładnie 0,01
    // Sumy górna i dolna w kolejności wzoru: 1,52 + 0,5 + 7 + 0,5 + 1,5 = 11,02 i 1 + 9 + 1 = 11.
    {0, [](tDane& d) { d.c1 = 1.52; }, Suma + "c1+a1+b+a2+c2 <> e1+B+e2" + Sumy("11,02 <> 11,00 (różnica 0,02 m)")},
    {1, [](tDane& d) { d.B = 6.02; }, Suma + "a1+b+a2 <> e1+B+e2" + Sumy("8,00 <> 8,02 (różnica 0,02 m)")},
    {2, [](tDane& d) { d.B = 9; }, Suma + "g+k1+a1+b+a2+k2 <> B" + Sumy("8,70 <> 9,00 (różnica 0,30 m)")},
    {3, [](tDane& d) { d.P = 8.98; }, Suma + "c1+a1+b+a2+c2 <> e1+P+e2" + Sumy("11,00 <> 10,98 (różnica 0,02 m)")},
    {4, [](tDane& d) { d.P = 9; }, Suma + "a1+b+a2 <> P" + Sumy("8,00 <> 9,00 (różnica 1,00 m)")},
    {5, [](tDane& d) { d.b = 100; }, "OK"},
    {6, [](tDane& d) { d.b = 100; }, "OK"},
};

TEST(Walidacja, ZmianaPolaDajeKomunikat)
{
    for (const auto& z : Zmiany) {
        tDane d = Poprawne(z.przekroj);
        z.zmien(d);
        EXPECT_EQ(Sprawdz(d), z.komunikat) << "przekrój " << z.przekroj;
    }
}

// Wspornik 1,5 … 15 m, przęsło 3 … 120 m (granice przechodzą); pierwszy zły element
// zgłasza swój błąd; wspornik belki przegubowej potrzebuje przęsła zawieszonego obok.
TEST(Walidacja, DlugosciElementow)
{
    const struct {
        std::vector<std::pair<tRodzajElementu, double>> elementy;  // nazwy E1, E2, ...
        std::string komunikat;
    } przypadki[] = {
        {{{rWspornikSwobodny, 1.5}, {rBelkaSwobodnie, 3.0}, {rRamaSkrajne, 120.0}, {rWspornikSwobodny, 15.0}}, "OK"},
        {{{rWspornikSwobodny, 1.49}, {rBelkaSwobodnie, 20}}, "E1: długość mniejsza od 1.5 m"},
        {{{rBelkaSwobodnie, 20}, {rWspornikSwobodny, 15.01}}, "E2: długość większa od 15.0 m"},
        {{{rCiaglaSrodkowe, 2.99}}, "E1: rozpiętość mniejsza niż 3 m"},
        {{{rBelkaSwobodnie, 20}, {rRamaSkrajne, 120.01}, {rBelkaSwobodnie, 2}}, "E2: rozpiętość większa od 120 m"},
        {{{rBelkaSwobodnie, 20}, {rWspornikLewy, 4}, {rBelkaSwobodnie, 30}, {rWspornikPrawy, 4}, {rBelkaSwobodnie, 20}},
         "OK"},
        {{{rWspornikSwobodny, 2}, {rWspornikLewy, 4}, {rBelkaSwobodnie, 20}}, "E2: brak przęsła zawieszonego przy wsporniku"},
        {{{rWspornikLewy, 4}, {rBelkaSwobodnie, 20}}, "E1: brak przęsła zawieszonego przy wsporniku"},
        {{{rBelkaSwobodnie, 20}, {rWspornikPrawy, 4}}, "E2: brak przęsła zawieszonego przy wsporniku"},
        {{{rBelkaSwobodnie, 20}, {rWspornikPrawy, 4}, {rWspornikSwobodny, 2}}, "E2: brak przęsła zawieszonego przy wsporniku"},
        {{{rWspornikLewy, 16}, {rBelkaSwobodnie, 20}}, "E1: długość większa od 15.0 m"},
    };
    for (const auto& p : przypadki) {
        tObiektMostowy o;
        for (const auto& [rodzaj, dlugosc] : p.elementy) o.DodajElement("E" + std::to_string(o.LiczbaElementow + 1), rodzaj, dlugosc);
        std::string msg = "bez zmian";
        const bool ok = o.SprawdzDlugosci(msg);
        EXPECT_EQ(ok ? (msg == "bez zmian" ? "OK" : "zmieniony komunikat") : msg, p.komunikat) << p.elementy.size();
    }
}

}  // namespace
