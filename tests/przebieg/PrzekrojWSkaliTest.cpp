// Przekrój w skali: położenia części, osi dźwigarów, pasm i łańcuchów wymiarów oraz różnica
// niezgodnych sum dla każdego rodzaju przekroju. Przypadki i oczekiwane wartości, policzone
// ręcznie, są w tests/dane/przekroje/w_skali.txt.
#include <gtest/gtest.h>

#include <charconv>
#include <map>

#include "Wspolne.h"
#include "common/Formatowanie.h"
#include "przebieg/PrzekrojWSkali.h"

namespace {

using namespace testy;
using C = tCzescPrzekroju;

using tPrzypadek = std::map<std::string, std::string>;

std::vector<tPrzypadek> Przypadki()
{
    std::vector<tPrzypadek> p;
    for (const std::string& w : Wiersze(CzytajPlik(DaneTestowe("przekroje/w_skali.txt")))) {
        if (w.starts_with("[")) p.push_back({{"opis", w}});
        const size_t rowna = w.find(" =");
        if (!p.empty() && !w.starts_with("#") && rowna != std::string::npos)
            p.back()[w.substr(0, rowna)] = w.size() > rowna + 3 ? w.substr(rowna + 3) : "";
    }
    return p;
}

tPrzekrojWSkali Rysunek(const std::string& wymiary)
{
    std::vector<double> v;
    std::istringstream we(wymiary);
    for (std::string s; we >> s;) {
        std::replace(s.begin(), s.end(), ',', '.');
        double x = 0;
        std::from_chars(s.data(), s.data() + s.size(), x);
        v.push_back(x);
    }
    auto o = std::make_unique<tObiektMostowy>();
    o->UstawDane(5, 0, int(v[0]), v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                 int(v[14]), 0);
    return PrzekrojWSkali(*o);
}

std::string Polacz(const std::vector<std::string>& czesci, const char* miedzy)
{
    std::string s;
    for (const auto& c : czesci) s += (s.empty() ? "" : miedzy) + c;
    return s;
}

std::string Odcinek(double x1, double x2) { return LiczbaStala(x1, 2) + "–" + LiczbaStala(x2, 2); }

std::string Lancuch(const std::vector<tWymiarWSkali>& l)
{
    std::vector<std::string> s;
    for (const auto& w : l) s.push_back(w.Symbol + " " + Odcinek(w.x1, w.x2) + " " + w.Wartosc);
    return Polacz(s, " | ");
}

std::string Liczby(const std::vector<double>& x)
{
    std::vector<std::string> s;
    for (double v : x) s.push_back(LiczbaStala(v, 2));
    return Polacz(s, " ");
}

std::string Czesci(const tPrzekrojWSkali& r, const std::vector<C>& rodzaje)
{
    const char* nazwy[] = {"Plyta", "Wspornik", "Dzwigar", "Chodnik", "Kraweznik", "Bariera", "Opaska", "Nawierzchnia"};
    std::vector<std::string> s;
    for (const auto& c : r.Czesci)
        if (std::find(rodzaje.begin(), rodzaje.end(), c.Rodzaj) != rodzaje.end())
            s.push_back(nazwy[static_cast<int>(c.Rodzaj)] + (" " + Odcinek(c.x1, c.x2)));
    return Polacz(s, " | ");
}

TEST(PrzekrojWSkali, PrzypadkiZDanych)
{
    const auto przypadki = Przypadki();
    ASSERT_GE(przypadki.size(), 13u);
    for (tPrzypadek p : przypadki) {
        SCOPED_TRACE(p["opis"]);
        tSeparator separator(p["separator"].empty() ? ',' : p["separator"][0]);
        const tPrzekrojWSkali r = Rysunek(p["wymiary"]);
        // Dźwigary wielodźwigarowych wyznaczają osie; szerokość ma tylko dźwigar przekroju 2.
        const auto pomost = r.Typ == 2 ? std::vector{C::Dzwigar, C::Plyta} : std::vector{C::Plyta, C::Wspornik};
        const std::map<std::string, std::string> wyniki = {
            {"gora", Lancuch(r.Gora)},
            {"dol", Lancuch(r.Dol)},
            {"osie", Liczby(r.OsieDzwigarow)},
            {"pasma", Liczby(r.GranicePasm)},
            {"pomost", Czesci(r, pomost)},
            {"nad", Czesci(r, {C::Chodnik, C::Kraweznik, C::Bariera, C::Opaska, C::Nawierzchnia})},
            {"liczba", r.Liczba},
            {"roznica", Polacz(r.Roznica.Linie, " | ")},
            {"konce", r.Roznica.Jest ? Liczby({r.Roznica.xGory, r.Roznica.xDolu}) : ""},
        };
        for (const auto& [klucz, wynik] : wyniki) {
            ASSERT_TRUE(p.count(klucz)) << klucz;
            EXPECT_EQ(wynik, p[klucz]) << klucz;
        }
    }
}

}  // namespace
