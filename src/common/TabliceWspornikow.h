#pragma once
// Tablice rozpiętości zastępczych wsporników z przęsłem podwieszonym (rodzaje 8 i 9):
// 32 wiersze wysięgu W = 1,5; 2,0; … 17,0 na 10 kolumn Alfa = W / L = 0,1 … 1,0.
// Dane w TabliceWspornikow.cpp wytwarza tools/tablice_wspornikow.py (opis w tools/README.md).
#include <array>

// Wiersz: wysięg W, potem wartości dla Alfa = 0,1; 0,2; … 1,0.
using tWierszTab2 = std::array<double, 11>;
constexpr int WierszeTab2 = 32;
using tTablicaWspornika = std::array<tWierszTab2, WierszeTab2>;

// Grupy normatywów; PN-85 liczy wsporniki wzorami, nie tablicą.
enum tGrupaWspornikow : int {
    gw1926DIN = 0,
    gw1945,
    gw1952,
    gw1956KlasaI,
    gw1956KlasyII_III,
    gwPN66KlasaI,
    gwPN66KlasyII_III,
    LiczbaGrupWspornikow
};

// Tablica grupy dla momentu (sila = false) albo siły poprzecznej.
const tTablicaWspornika& TablicaWspornika(int grupa, bool sila);
