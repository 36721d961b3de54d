#pragma once
// Pomoc testów modeli obciążeń normatywów 1926–1956 i DIN 1072: wywołanie modelu jako
// funkcja trzech wyjść, ślad z wybranym separatorem dziesiętnym.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/Regionalne.h"
#include "common/Slad.h"

namespace n19 {

// Wywołanie jednego modelu z ustalonymi danymi: (M1N, TN, Err) -> wynik.
using Wywolanie = std::function<bool(double&, double&, std::string&)>;

// Wartość, której model nie może ustawić przy odmowie (sprawdzamy, że wyjścia zostały nietknięte).
constexpr double Nietkniete = -123.0;

struct Wynik {
    bool ok;
    double M1N, TN;
    std::string Err;
};

inline Wynik Licz(const Wywolanie& w)
{
    Wynik r{false, Nietkniete, Nietkniete, "stary komunikat"};
    r.ok = w(r.M1N, r.TN, r.Err);
    return r;
}

// Ślad od czystej listy, z kropką jako separatorem (przecinek sprawdzają testy śladu).
inline std::vector<std::string> SladWywolania(const Wywolanie& w, char separator = '.')
{
    char stary = Regionalne().SeparatorDziesietny;
    Regionalne().SeparatorDziesietny = separator;
    SladWyczysc();
    Licz(w);
    std::vector<std::string> linie;
    SladKopiuj(linie);
    Regionalne().SeparatorDziesietny = stary;
    return linie;
}

// Przypadek odmowy: opis, wywołanie, oczekiwany komunikat.
struct Odmowa {
    const char* opis;
    Wywolanie w;
    std::string komunikat;
};

// Przypadek wyniku: opis, wywołanie, oczekiwane M1N i TN (TN = NieDotyczy dla płyt).
struct Przypadek {
    const char* opis;
    Wywolanie w;
    double M1N, TN;
};

// Wyniki liczone: M1N i TN z dokładnością do 1e-9 (TN płyt dokładnie NieDotyczy).
inline void SprawdzWyniki(const std::vector<Przypadek>& przypadki)
{
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Wynik r = Licz(p.w);
        ASSERT_TRUE(r.ok) << r.Err;
        EXPECT_EQ(r.Err, "");
        EXPECT_NEAR(r.M1N, p.M1N, 1e-9);
        if (p.TN == NieDotyczy) EXPECT_EQ(r.TN, NieDotyczy);
        else EXPECT_NEAR(r.TN, p.TN, 1e-9);
    }
}

// Odmowy: false, dokładny komunikat, wyjścia nietknięte.
inline void SprawdzOdmowy(const std::vector<Odmowa>& odmowy)
{
    for (const Odmowa& o : odmowy) {
        SCOPED_TRACE(o.opis);
        Wynik r = Licz(o.w);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.Err, o.komunikat);
        EXPECT_EQ(r.M1N, Nietkniete);
        EXPECT_EQ(r.TN, Nietkniete);
    }
}

}  // namespace n19
