#pragma once
// Zastępcze modele obciążenia do testów obliczenia obiektu: zapisują nazwę procedury
// i jej argumenty (liczby jako "%0.2f") i odpowiadają wynikiem ustawionym przez test.
#include <algorithm>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "core/Rozdzial.h"

namespace modele_testowe {

template <size_t N>
struct Nazwa {
    char s[N];
    constexpr Nazwa(const char (&t)[N]) { std::copy_n(t, N, s); }
};

struct tWywolanie {
    std::string nazwa;
    std::vector<std::string> argumenty;
};

// Odpowiedź modelu dla elementu o długości Dl.
struct tOdpowiedz {
    bool udane = true;
    double M1N = 11, TN = 22;
    std::string Err;
    bool asercja = false;
};

inline std::vector<tWywolanie>& Wywolania()
{
    static std::vector<tWywolanie> w;
    return w;
}

inline std::function<tOdpowiedz(double Dl)>& Odpowiedz()
{
    static std::function<tOdpowiedz(double)> f = [](double) { return tOdpowiedz{}; };
    return f;
}

struct tStan {
    std::vector<double*> wyjscia;
    std::string* err = nullptr;
    double ostatnia = 0;
};

template <class A>
void Opisz(std::vector<std::string>& z, tStan& st, A x)
{
    if constexpr (std::is_same_v<A, double&>) {
        st.wyjscia.push_back(&x);
        z.push_back("out");
    } else if constexpr (std::is_same_v<A, std::string&>) {
        st.err = &x;
        z.push_back("Err");
    } else if constexpr (std::is_same_v<A, char>) {
        z.push_back(std::string("'") + x + "'");
    } else if constexpr (std::is_same_v<A, int>) {
        z.push_back("i" + std::to_string(x));
    } else {
        static_assert(std::is_same_v<A, double>);
        st.ostatnia = x;
        z.push_back(Format("%0.2f", {x}));
    }
}

template <Nazwa N, class... A>
bool Rejestruj(A... a)
{
    tWywolanie w{N.s, {}};
    tStan st;
    (Opisz<A>(w.argumenty, st, a), ...);
    Wywolania().push_back(w);
    // Długość elementu jest zawsze ostatnią liczbą.
    const tOdpowiedz o = Odpowiedz()(st.ostatnia);
    if (o.asercja) throw BladAsercji(o.Err);
    if (!o.udane) {
        *st.err = o.Err;
        return false;
    }
    *st.wyjscia.at(0) = o.M1N;
    *st.wyjscia.at(1) = o.TN;
    return true;
}

#define PONTIVA_ZAPISUJ(nazwa) m.nazwa = &Rejestruj<#nazwa>
inline tModeleObciazenia Zapisujace()
{
    tModeleObciazenia m;
    PONTIVA_ZAPISUJ(N1926Przekroj0);
    PONTIVA_ZAPISUJ(N1926Przekroj0N2);
    PONTIVA_ZAPISUJ(N1926Przekroj2);
    PONTIVA_ZAPISUJ(N1926Przekroj3);
    PONTIVA_ZAPISUJ(N1945Przekroj0);
    PONTIVA_ZAPISUJ(N1945Przekroj0N2);
    PONTIVA_ZAPISUJ(N1945Przekroj2);
    PONTIVA_ZAPISUJ(N1945Przekroj3);
    PONTIVA_ZAPISUJ(N1952Przekroj0);
    PONTIVA_ZAPISUJ(N1952Przekroj2);
    PONTIVA_ZAPISUJ(N1952Przekroj3);
    PONTIVA_ZAPISUJ(N1956Przekroj0);
    PONTIVA_ZAPISUJ(N1956Przekroj1);
    PONTIVA_ZAPISUJ(N1956Przekroj2);
    PONTIVA_ZAPISUJ(N1956Przekroj3);
    PONTIVA_ZAPISUJ(N1956Przekroj4);
    PONTIVA_ZAPISUJ(PN66Przekroj0);
    PONTIVA_ZAPISUJ(PN66Przekroj1);
    PONTIVA_ZAPISUJ(PN66Przekroj2);
    PONTIVA_ZAPISUJ(PN66Przekroj3);
    PONTIVA_ZAPISUJ(PN66Przekroj4);
    PONTIVA_ZAPISUJ(PN66Przekroj5);
    PONTIVA_ZAPISUJ(PN66Przekroj6);
    PONTIVA_ZAPISUJ(PN85Przekroj0);
    PONTIVA_ZAPISUJ(PN85Przekroj1);
    PONTIVA_ZAPISUJ(PN85Przekroj2);
    PONTIVA_ZAPISUJ(PN85Przekroj3);
    PONTIVA_ZAPISUJ(PN85Przekroj4);
    PONTIVA_ZAPISUJ(PN85Przekroj5);
    PONTIVA_ZAPISUJ(PN85Przekroj6);
    PONTIVA_ZAPISUJ(DINPrzekroj0);
    PONTIVA_ZAPISUJ(DINPrzekroj2);
    PONTIVA_ZAPISUJ(DINPrzekroj3);
    return m;
}
#undef PONTIVA_ZAPISUJ

// Przywraca domyślną odpowiedź i czyści zapis wywołań.
inline void Zeruj()
{
    Wywolania().clear();
    Odpowiedz() = [](double) { return tOdpowiedz{}; };
}

}  // namespace modele_testowe
