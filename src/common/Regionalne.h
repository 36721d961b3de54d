#pragma once
// Ustawienia regionalne: separator dziesiętny i krótki format daty. Ustawia je raz
// interfejs przy starcie (okno z ustawień systemu, CLI ze środowiska lub --separator);
// czyta każdy formatujący kod. Nigdy nie polegamy na locale biblioteki C.
#include <string>

struct tUstawieniaRegionalne {
    char SeparatorDziesietny = ',';
    // Wzorzec jak w ustawieniach systemu: d, dd, M, MM, yy, yyyy i znaki dosłowne.
    std::string FormatDatyKrotkiej = "dd.MM.yyyy";
};

tUstawieniaRegionalne& Regionalne();

// Data według krótkiego formatu ustawień regionalnych.
std::string FormatujDate(int rok, int miesiac, int dzien);

// Separator wynikający ze zmiennych środowiska locale (LC_ALL, LC_NUMERIC, LANG):
// przecinek dla języków, które go używają, w przeciwnym razie kropka.
char SeparatorZeSrodowiska();
