#pragma once
// Wykres słupkowy porównania norm: nośność 23 przeliczeń w tonach (oś 0–42 t), słupki
// grupami według normatywów w kolejności porównania, jeden na klasę. Układ liczony raz,
// bez zestawu narzędzi okienkowych, w pikselach obrazu o stałej szerokości; okno Qt
// i zapis SVG rysują te same figury i napisy.
#include <string>
#include <vector>

#include "core/InfoObiektu.h"
#include "reports/Porownanie.h"

// Prostokąt (x1, y1)–(x2, y2) albo odcinek; barwy "#rrggbb", pusta: brak.
struct tFiguraWykresu {
    bool Odcinek = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string Wypelnienie;
    std::string Kontur;
    double GruboscKonturu = 0;
    bool Przerywany = false;
    std::string Opis;  // dymek w oknie, <title> w SVG
};

enum class tWyrownanie : int { Lewo = 0, Srodek = 1, Prawo = 2 };

// Napis od punktu (x, y) na linii bazowej; pionowy czytany od dołu do góry.
struct tNapisWykresu {
    double x = 0, y = 0;
    std::string Tekst;
    double Rozmiar = 11;  // wysokość czcionki w pikselach
    bool Pogrubiony = false;
    tWyrownanie Wyrownanie = tWyrownanie::Lewo;
    bool Pionowy = false;
    std::string Kolor = "#000000";
    std::string Opis;
};

// Słupek jednego przeliczenia; odrzucone przeliczenie to luka (bez wysokości) z przypisem.
struct tSlupek {
    int Normatyw = 0, Klasa = 0;
    bool Odrzucony = false;
    bool Wlasny = false;   // normatyw i klasa obiektu
    double Masa = 0;       // t
    double x1 = 0, x2 = 0;
    double yGora = 0, yPodstawa = 0;
    int Przypis = 0;       // numer przypisu z przyczyną odrzucenia (od 1), 0: brak
    std::string Opis;
};

struct tWykresPorownania {
    double Szerokosc = 0, Wysokosc = 0;
    double Lewo = 0, Gora = 0, Prawo = 0, Dol = 0;  // pole słupków, Dol na osi 0 t
    std::vector<tSlupek> Slupki;
    std::vector<std::string> Przypisy;  // przyczyny odrzucenia, każda raz
    std::vector<tFiguraWykresu> Figury;  // w kolejności rysowania, przed napisami
    std::vector<tNapisWykresu> Napisy;
};

constexpr double MasaOsiWykresu = 42.0;

// Układ wykresu dla przeliczeń porównania; Normatyw i Klasa to para obiektu (wyróżniona).
tWykresPorownania UkladWykresu(const tPorownanie& Przeliczenia, int Normatyw, int Klasa, const tInfoObiektu& Info);
