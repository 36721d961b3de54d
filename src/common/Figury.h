#pragma once
// Rysunek jako proste figury czarną linią w jednostkach rysunku (piksele okna albo milimetry
// raportu), oś Y w dół od górnego brzegu. Okno maluje je swoim zestawem narzędzi, raport RTF
// zapisuje jako metaplik; geometrię liczy raz kod bez Qt.
#include <string>
#include <vector>

struct tPunkt {
    double X = 0, Y = 0;
    bool operator==(const tPunkt&) const = default;
};

struct tFigury {
    enum class tWyrownanie { DoLewej, DoSrodka, DoPrawej };
    struct tOdcinek {
        tPunkt A, B;
        bool operator==(const tOdcinek&) const = default;
    };
    // Wielokąt wypełniony (grot strzałki).
    struct tWielokat {
        std::vector<tPunkt> Punkty;
        bool operator==(const tWielokat&) const = default;
    };
    struct tProstokat {
        double X = 0, Y = 0, Szer = 0, Wys = 0;
        bool operator==(const tProstokat&) const = default;
    };
    struct tKolo {
        tPunkt Srodek;
        double Promien = 0;
        bool operator==(const tKolo&) const = default;
    };
    // Punkt: górny brzeg wiersza tekstu; X to lewy brzeg, środek albo prawy brzeg.
    struct tNapis {
        std::string Tekst;
        tPunkt Punkt;
        tWyrownanie Wyrownanie = tWyrownanie::DoSrodka;
        bool operator==(const tNapis&) const = default;
    };
    double Szerokosc = 0, Wysokosc = 0;
    double WysokoscTekstu = 0;
    std::vector<tOdcinek> Odcinki;
    std::vector<tWielokat> Wielokaty;
    std::vector<tProstokat> Prostokaty;  // obrysy
    std::vector<tKolo> Kola;             // obrysy
    std::vector<tNapis> Napisy;
    bool operator==(const tFigury&) const = default;
};
