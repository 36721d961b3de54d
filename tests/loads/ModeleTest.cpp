// Modele obciążeń wszystkich normatywów wywoływane z danych: wyniki każdej procedury
// i klasy z niezależnego przeliczenia (tests/dane/niezalezne/jednostkowe.txt), przykłady
// sprawdzone ręcznie, odmowy i ślady zależne od klasy (tests/dane/modele.txt).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>
#include <type_traits>

#include "Wspolne.h"
#include "common/Slad.h"
#include "loads/ModeleObciazenia.h"

namespace {

using namespace testy;

// Jedno wywołanie: nazwa procedury, klasa i liczby w kolejności jej argumentów. Wyjścia
// startują od wartości, których model nie zostawia przy sukcesie ani nie zmienia przy odmowie.
struct tWywolanie {
    std::string nazwa, klasa;
    std::vector<double> x;
    double M1N = -7, TN = -8;
    std::string Err = "stary komunikat";
    size_t uzyte = 0;
    int pozycja = 0, wyjscia = 0;
    bool ok = false;
};

// Argument według typu parametru: pierwszy to klasa, double& kolejno M1N i TN, string& komunikat.
template <class T>
T Argument(tWywolanie& w)
{
    const bool klasa = w.pozycja++ == 0;
    if constexpr (std::is_same_v<T, double&>) return w.wyjscia++ == 0 ? w.M1N : w.TN;
    else if constexpr (std::is_same_v<T, std::string&>) return w.Err;
    else if constexpr (std::is_same_v<T, char>) return w.klasa[0];
    else return klasa ? std::stoi(w.klasa) : static_cast<T>(w.x.at(w.uzyte++));
}

template <class... A>
bool Wywolaj(bool (*f)(A...), tWywolanie& w)
{
    return std::apply(f, std::tuple<A...>{Argument<A>(w)...});
}

#define MODEL(f) {#f, [](tWywolanie& w) { return Wywolaj(&f, w); }}
const std::map<std::string, std::function<bool(tWywolanie&)>> Modele = {
    MODEL(PN85Przekroj0),  MODEL(PN85Przekroj1),  MODEL(PN85Przekroj2),  MODEL(PN85Przekroj3),
    MODEL(PN85Przekroj4),  MODEL(PN85Przekroj5),  MODEL(PN85Przekroj6),  MODEL(PN66Przekroj0),
    MODEL(PN66Przekroj1),  MODEL(PN66Przekroj2),  MODEL(PN66Przekroj3),  MODEL(PN66Przekroj4),
    MODEL(PN66Przekroj5),  MODEL(PN66Przekroj6),  MODEL(N1956Przekroj0), MODEL(N1956Przekroj1),
    MODEL(N1956Przekroj2), MODEL(N1956Przekroj3), MODEL(N1956Przekroj4), MODEL(N1952Przekroj0),
    MODEL(N1952Przekroj2), MODEL(N1952Przekroj3), MODEL(N1945Przekroj0), MODEL(N1945Przekroj0N2),
    MODEL(N1945Przekroj2), MODEL(N1945Przekroj3), MODEL(N1926Przekroj0), MODEL(N1926Przekroj0N2),
    MODEL(N1926Przekroj2), MODEL(N1926Przekroj3), MODEL(DINPrzekroj0),   MODEL(DINPrzekroj2),
    MODEL(DINPrzekroj3),
};
#undef MODEL

// Wywołanie "Nazwa klasa x1 x2 ..." od czystego śladu; dane muszą podać dokładnie tyle
// liczb, ile procedura ma argumentów.
tWywolanie Licz(const std::string& wywolanie)
{
    tWywolanie w;
    std::istringstream we(wywolanie);
    we >> w.nazwa >> w.klasa;
    for (double x; we >> x;) w.x.push_back(x);
    SladWyczysc();
    w.ok = Modele.at(w.nazwa)(w);
    EXPECT_EQ(w.uzyte, w.x.size()) << wywolanie;
    return w;
}

// Wiersze tests/dane/modele.txt ze znacznikiem (" = " wynik, " ! " odmowa, " : " ślad):
// wywołanie i to, co po znaczniku.
std::vector<std::pair<std::string, std::string>> Przypadki(const std::string& znacznik)
{
    std::vector<std::pair<std::string, std::string>> p;
    for (const auto& l : Wiersze(CzytajPlik(DaneTestowe("modele.txt")))) {
        const auto z = std::min({l.find(" = "), l.find(" ! "), l.find(" : ")});
        if (!l.empty() && l[0] != '#' && z != std::string::npos && l.compare(z, 3, znacznik) == 0)
            p.emplace_back(l.substr(0, z), l.substr(z + 3));
    }
    return p;
}

// Wiersz śladu jako etykieta i liczba miejsc po przecinku: "  [S] = 6,08333" -> "S/5",
// "  [TN ] = NIE DOTYCZY" -> "TN /ND"; inne wiersze bez wcięcia.
std::string Etykieta(const std::string& w)
{
    const auto k = w.find("] = ");
    if (w.rfind("  [", 0) != 0 || k == std::string::npos) return w.substr(w.find_first_not_of(' '));
    const std::string v = w.substr(k + 4);
    const auto sep = v.find(Regionalne().SeparatorDziesietny);
    return w.substr(3, k - 3) + "/" + (v == "NIE DOTYCZY" ? "ND" : std::to_string(v.size() - sep - 1));
}

// Wyniki niezależnego przeliczenia i przykłady sprawdzone ręcznie (tests/dane/modele.txt).
TEST(Modele, Wyniki)
{
    auto przypadki = Przypadki(" = ");
    for (const auto& l : Wiersze(CzytajPlik(DaneTestowe("niezalezne/jednostkowe.txt"))))
        if (l.rfind("Model ", 0) == 0) przypadki.emplace_back(l.substr(6, l.find(" = ") - 6), l.substr(l.find(" = ") + 3));
    ASSERT_GT(przypadki.size(), 250u);
    for (const auto& [wywolanie, wyniki] : przypadki) {
        const tWywolanie c = Licz(wywolanie);
        std::istringstream we(wyniki);
        std::string M1N, TN;
        we >> M1N >> TN;
        EXPECT_TRUE(c.ok && c.Err.empty()) << wywolanie << ": " << c.Err;
        EXPECT_TRUE(Zgodna(c.M1N, Liczba(M1N)) && Zgodna(c.TN, Liczba(TN))) << wywolanie << " = " << c.M1N << " " << c.TN;
    }
}

TEST(Modele, OdmowyZKomunikatemIWyjsciaNietkniete)
{
    for (const auto& [wywolanie, komunikat] : Przypadki(" ! ")) {
        const tWywolanie c = Licz(wywolanie);
        EXPECT_FALSE(c.ok) << wywolanie;
        EXPECT_EQ(c.Err, komunikat) << wywolanie;
        EXPECT_TRUE(c.M1N == -7 && c.TN == -8) << wywolanie;
    }
}

TEST(Modele, WierszeSladu)
{
    for (const auto& [wywolanie, oczekiwany] : Przypadki(" : ")) {
        Licz(wywolanie);
        std::string slad;
        for (const auto& w : Slad().Linie()) slad += (slad.empty() ? "" : "; ") + Etykieta(w);
        EXPECT_EQ(slad.empty() ? "-" : slad, oczekiwany) << wywolanie;
    }
}

TEST(Modele, RedukcjaPasow)
{
    for (auto [m, r56, r66] : {std::tuple{1, 1.0, 1.0}, {2, 1.0, 1.0}, {3, 0.9, 1.0}, {4, 0.9, 0.9}, {5, 0.8, 0.8},
                               {6, 0.8, 0.8}, {7, 0.7, 0.7}, {8, 0.7, 0.7}, {9, 0.6, 0.7}, {12, 0.6, 0.7}}) {
        EXPECT_EQ(WspRedukcjiPasm(m), r56) << m;
        EXPECT_EQ(RedukcjaPasm(m), r66) << m;
    }
}

}  // namespace
