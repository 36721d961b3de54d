// Modele obciążeń wszystkich normatywów wywoływane z danych: wyniki każdej procedury
// i klasy z niezależnego przeliczenia (tests/dane/niezalezne/jednostkowe.txt), odmowy
// i ślady zależne od klasy (tests/dane/modele.txt).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <numeric>
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

// Słowa "Nazwa klasa x1 x2 ..." do wywołania od czystego śladu; dane muszą podać dokładnie
// tyle liczb, ile procedura ma argumentów.
tWywolanie Licz(const std::vector<std::string>& slowa, bool& wynik)
{
    tWywolanie w;
    w.nazwa = slowa.at(0);
    w.klasa = slowa.at(1);
    for (size_t i = 2; i < slowa.size(); ++i) w.x.push_back(std::stod(slowa[i]));
    SladWyczysc();
    wynik = Modele.at(w.nazwa)(w);
    EXPECT_EQ(w.uzyte, w.x.size()) << w.nazwa;
    return w;
}

// Wiersze tests/dane/modele.txt rozcięte znacznikiem (" ! " odmowa, " : " ślad).
std::vector<std::pair<std::vector<std::string>, std::string>> Przypadki(const std::string& znacznik)
{
    std::vector<std::pair<std::vector<std::string>, std::string>> p;
    for (const auto& l : Wiersze(CzytajPlik(DaneTestowe("modele.txt")))) {
        const auto z = std::min(l.find(" ! "), l.find(" : "));
        if (l.empty() || l[0] == '#' || z == std::string::npos || l.compare(z, 3, znacznik) != 0) continue;
        std::istringstream we(l.substr(0, z));
        std::vector<std::string> slowa;
        for (std::string s; we >> s;) slowa.push_back(s);
        p.emplace_back(slowa, l.substr(z + znacznik.size()));
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

TEST(Modele, WynikiJakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/jednostkowe.txt", "Model");
    ASSERT_GT(wiersze.size(), 200u);
    for (const auto& w : wiersze) {
        const auto rowna = std::find(w.begin(), w.end(), "=");
        const std::string opis = std::accumulate(w.begin(), rowna, std::string(), [](auto a, auto b) { return a + b + " "; });
        bool ok = false;
        const tWywolanie c = Licz({w.begin(), rowna}, ok);
        ASSERT_TRUE(ok) << opis << c.Err;
        EXPECT_EQ(c.Err, "") << opis;
        EXPECT_TRUE(Zgodna(c.M1N, Liczba(rowna[1]))) << opis << "M1N = " << c.M1N;
        EXPECT_TRUE(Zgodna(c.TN, Liczba(rowna[2]))) << opis << "TN = " << c.TN;
    }
}

TEST(Modele, OdmowyZKomunikatemIWyjsciaNietkniete)
{
    for (const auto& [slowa, komunikat] : Przypadki(" ! ")) {
        bool ok = true;
        const tWywolanie c = Licz(slowa, ok);
        EXPECT_FALSE(ok) << c.nazwa << " " << komunikat;
        EXPECT_EQ(c.Err, komunikat) << c.nazwa;
        EXPECT_EQ(c.M1N, -7) << c.nazwa;
        EXPECT_EQ(c.TN, -8) << c.nazwa;
    }
}

TEST(Modele, WierszeSladu)
{
    for (const auto& [slowa, oczekiwany] : Przypadki(" : ")) {
        bool ok;
        const tWywolanie c = Licz(slowa, ok);
        std::string slad;
        for (const auto& w : Slad().Linie()) slad += (slad.empty() ? "" : "; ") + Etykieta(w);
        EXPECT_EQ(slad.empty() ? "-" : slad, oczekiwany) << c.nazwa << " " << c.klasa;
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
