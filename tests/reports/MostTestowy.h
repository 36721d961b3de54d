#pragma once
// Wspólne dla testów raportów: most testowy i komunikaty modułu RTF zbierane w teście.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "Wspolne.h"
#include "core/Przeliczenie.h"
#include "core/UkladElementow.h"
#include "reports/Raport.h"
#include "reports/VanRTF.h"

namespace testy {

// Ten sam most co tests/dane/raporty/most.ptv: belka ciągła trójprzęsłowa 12 + 15 + 12 m,
// przekrój wielodźwigarowy z krawężnikami, Normatyw 1956 klasy I. Obiekt wypełniany wprost,
// jak robi to PobierzDane z pól okna.
struct tMost {
    int Normatyw = 3, Klasa = 0, Przekroj = 0, Schemat = 2, Przesla = 3, n = 5;
    double a1 = 0.5, a2 = 0.5, b = 7, B = 9, c1 = 1.5, c2 = 1.5, e1 = 1, e2 = 1, k1 = 0, k2 = 0, P = 0, g1 = 0, g2 = 0;
    std::array<double, MaksWierszy> L{0, 12, 15, 12, 0};
    tInfoObiektu Info{"12345678", "2", "DK7", "123+450", "Łomianki", "rzeka Wisła"};

    void Wypelnij(tObiektMostowy& o) const
    {
        o.UstawDane(Normatyw, Klasa, Przekroj, a1, a2, b, B, c1, c2, e1, e2, k1, k2, P, g1, g2, n, Schemat);
        DodajElementy(o, Schemat, Przesla, L);
    }
    std::function<void(tObiektMostowy&)> Wypelnianie() const
    {
        return [this](tObiektMostowy& o) { Wypelnij(o); };
    }
    tObiektMostowy Policzony() const
    {
        tObiektMostowy o;
        Wypelnij(o);
        const tWynikPrzeliczenia w = SprawdzIOblicz(o);
        EXPECT_TRUE(w.Poprawne()) << w.Komunikat;
        return o;
    }
};

// Komunikaty modułu RTF ("tytuł|treść") zamiast wyjścia błędów, na czas życia obiektu.
struct tKomunikatyRtf : std::vector<std::string> {
    tKomunikatyRtf() { UstawKomunikatyRtf([this](const std::string& t, const std::string& k) { push_back(t + "|" + k); }); }
    ~tKomunikatyRtf() { UstawKomunikatyRtf(nullptr); }
};

}  // namespace testy
