#pragma once
// Widok podłużny panelu "Elementy" jako zbiór prostych figur w pikselach: elementy
// w skali w barwach masy pojazdu, podpory i przeguby, numery i długości elementów,
// wyróżniony element decydujący i legenda skali. Okno Qt tylko je rysuje.
#include <functional>
#include <string>
#include <vector>

#include "przebieg/SkalaMas.h"
#include "przebieg/UkladPodluzny.h"

struct tTabelaElementow;

// Szerokość napisu w pikselach (okno mierzy swoją czcionką).
using tMiaraTekstu = std::function<int(const std::string&)>;

struct tProstokat {
    int X = 0, Y = 0, Szer = 0, Wys = 0;
    bool operator==(const tProstokat&) const = default;
};

struct tRysunekPodluzny {
    struct tElementRysunku {
        int Wiersz;  // wiersz tabeli
        tProstokat Pole;
        tKolor Kolor;
        bool Najgorszy;
        bool operator==(const tElementRysunku&) const = default;
    };
    struct tWezelRysunku {
        int X;
        tWezel Rodzaj;
        bool operator==(const tWezelRysunku&) const = default;
    };
    struct tNapis {
        std::string Tekst;
        tProstokat Pole;  // tekst wyśrodkowany w polu
        bool Pogrubiony = false;
        bool operator==(const tNapis&) const = default;
    };
    std::vector<tElementRysunku> Elementy;
    std::vector<tWezelRysunku> Wezly;  // na osi belki: Belka.Y .. Belka.Y + Belka.Wys
    std::vector<tNapis> Napisy;
    tProstokat Belka;           // pas, w którym leżą elementy
    tProstokat PasElementow;    // elementy z numerami i długościami (dymki)
    tProstokat PodporaWzor;     // trójkąt podpory w węźle x = 0 (wierzchołek u góry pośrodku)
    int PromienPrzegubu = 0;
    tProstokat Legenda;         // pasek barw od Skala.Od do Skala.Do
    tSkalaMas Skala;
    // Ten sam rysunek po przeliczeniu nie wymaga odmalowania.
    bool operator==(const tRysunekPodluzny&) const = default;
};

// Wysokość rysunku dla wysokości wiersza tekstu.
int WysokoscWidokuPodluznego(int wysokoscTekstu);
// Rysunek dla tabeli na szerokości w pikselach. Bez wierszy (dane odrzucone, brak
// elementów) rysunek jest pusty.
tRysunekPodluzny RysunekPodluzny(const tTabelaElementow& tabela, int szerokosc, int wysokoscTekstu,
                                 const tMiaraTekstu& miara);
// Wiersz tabeli elementu pod punktem albo -1.
int ElementPodPunktem(const tRysunekPodluzny& rysunek, int x, int y);
