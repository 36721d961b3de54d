// Ocena przejazdu na obiekcie: reguły nośności i rozstrzygania na przykładach ręcznych oraz
// losowe obiekty i pociągi z niezależnego przeliczenia (tests/dane/niezalezne/przejazd.py).
#include <gtest/gtest.h>

#include "Wspolne.h"
#include "common/Slad.h"
#include "core/Przejazd.h"

namespace {

using namespace testy;

// Obiekt już przeliczony: elementy z LM, LT, MP, TP.
tObiektMostowy Obiekt(const std::vector<std::array<double, 4>>& elementy)
{
    tObiektMostowy o;
    for (const auto& e : elementy) {
        tElement& el = o.Elementy[++o.LiczbaElementow];
        el.LM = e[0], el.LT = e[1], el.MP = e[2], el.TP = e[3];
    }
    return o;
}

// Jedna oś 10 t na LM = LT = 8 m, q = 0: M = 25, T = 100; z q = 5: M = 25 + 5 = 30, T = 120.
// Wykorzystanie pokazane w górę do setnych, masa (Lambda · 10 t) w dół.
TEST(Przejazd, RegulyRozstrzygania)
{
    const tPojazd os{"oś", {10}, {}};
    const struct {
        const char* opis;
        std::vector<std::array<double, 4>> elementy;
        double q;
        bool nosnosc, dopuszczalny;
        double U;
        int najgorszy;
        char efekt;
        const char *tekstU, *masa;
    } przypadki[] = {
        // u = 25/25 = 1 bez zaokrąglenia: dopuszczalny; Lambda = min(25/25, 200/100) = 1.
        {"wykorzystanie równe 1", {{8, 8, 25, 200}}, 0, true, true, 1, 1, 'M', "1,00", "10,00"},
        // T/TP = 100/99 = 1,0101: niedopuszczalny, w górę 1,02; Lambda = 99/100.
        {"siła ponad nośność", {{8, 8, 50, 99}}, 0, true, false, 100.0 / 99, 1, 'T', "1,02", "9,90"},
        // TP nie dotyczy: rządzi moment (25/50); drugi element równy: pierwszy.
        {"nie dotyczy i remis", {{8, 8, 50, NieDotyczy}, {8, 8, 50, 1000}}, 0, true, true, 0.5, 1, 'M', "0,50", "20,00"},
        // M/MP = T/TP = 0,5: rządzi moment.
        {"remis efektów", {{8, 8, 50, 200}}, 0, true, true, 0.5, 1, 'M', "0,50", "20,00"},
        // Element bez nośności (TP = 0) rozstrzyga przed większym u wcześniejszego i późniejszego.
        {"brak nośności", {{8, 8, 20, 200}, {8, 8, 50, 0}}, 0, false, false, 0, 2, 'T', "brak nośności", "0,00"},
        {"brak nośności w pierwszym", {{8, 8, 50, 0}, {8, 8, 20, 200}}, 0, false, false, 0, 1, 'T', "brak nośności", "0,00"},
        // q = 5: (50 − 5)/25 = 1,8 i (150 − 20)/100 = 1,3; u = max(30/50, 120/150) = 0,8.
        {"z ruchem", {{8, 8, 50, 150}}, 5, true, true, 0.8, 1, 'T', "0,80", "13,00"},
        // Nośność poniżej części od q (MP = 4 < 5): masa 0, u = 30/4.
        {"nośność poniżej q", {{8, 8, 4, 150}}, 5, true, false, 7.5, 1, 'M', "7,50", "0,00"},
        // Rozpiętość zastępcza nie dotyczy (brak przęsła podwieszonego): siła rozstrzyga.
        {"rozpiętość nie dotyczy", {{NieDotyczy, 8, 1, 400}}, 0, true, true, 0.25, 1, 'T', "0,25", "40,00"},
        {"bez elementów", {}, 0, false, false, 0, -1, 0, "–", "–"},
    };
    for (const auto& p : przypadki) {
        const tOcenaPrzejazdu o = OcenPrzejazd(Obiekt(p.elementy), os, p.q);
        EXPECT_EQ(o.Nosnosc, p.nosnosc) << p.opis;
        EXPECT_EQ(o.Dopuszczalny(), p.dopuszczalny) << p.opis;
        EXPECT_NEAR(o.U, p.U, 1e-12) << p.opis;
        EXPECT_EQ(o.Najgorszy, p.najgorszy) << p.opis;
        EXPECT_EQ(o.Efekt, p.efekt) << p.opis;
        EXPECT_EQ(TekstWykorzystania(o), p.tekstU) << p.opis;
        EXPECT_EQ(TekstMasy(o.MasaDopuszczalna()), p.masa) << p.opis;
        EXPECT_EQ(o.Elementy.size(), p.elementy.size()) << p.opis;
    }
    EXPECT_EQ(TekstMasy(72.919), "72,91");
    EXPECT_EQ(TekstWykorzystania(OcenPrzejazd(Obiekt({{8, 8, 25, 200}}), os, 0).Elementy[0].Wykorzystanie), "1,00");
}

TEST(Przejazd, ObiektyJakNiezalezne)
{
    const auto wiersze = WierszeDanych("niezalezne/przejazd.txt", "Obiekt");
    ASSERT_GE(wiersze.size(), 50u);
    for (const auto& w : wiersze) {
        std::vector<std::array<double, 4>> elementy;
        for (const auto& e : Podziel(w[3], ';')) {
            const auto v = Liczby(e);
            elementy.push_back({v[0], v[1], v[2], v[3]});
        }
        const tOcenaPrzejazdu o = OcenPrzejazd(Obiekt(elementy), tPojazd{"", Liczby(w[1]), Liczby(w[2])}, Liczba(w[0]));
        const std::string opis = w[1] + " " + w[2] + " " + w[3];
        EXPECT_EQ(o.Nosnosc, w[5] == "1") << opis;
        EXPECT_TRUE(Zgodna(o.U, Liczba(w[6]))) << opis << ": U = " << o.U;
        EXPECT_EQ(o.Najgorszy, std::stoi(w[7])) << opis;
        EXPECT_EQ(std::string(1, o.Efekt ? o.Efekt : '-'), w[8]) << opis;
        if (w[9] == "inf")
            EXPECT_EQ(o.Lambda, BezOgraniczenia) << opis;
        else
            EXPECT_TRUE(Zgodna(o.Lambda, Liczba(w[9]))) << opis << ": Lambda = " << o.Lambda;
    }
}

}  // namespace
