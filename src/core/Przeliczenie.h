#pragma once
// Droga każdego obliczenia obiektu: przęsła schematu (SprawdzPrzesla), trzy sprawdzenia
// i Oblicz, w tej kolejności; pierwszy błąd kończy. Jedyne miejsce tej drogi: przeliczenie
// okna, raport, porównanie norm i zapis pliku roboczego wołają tę funkcję po wypełnieniu obiektu.
#include <string>

#include "core/ObiektMostowy.h"

// Etap, na którym przeliczenie się zatrzymało.
enum class tEtap : int {
    Brak = 0,       // wszystko poprawne
    Parametry = 1,  // SprawdzParametry
    Sumy = 2,       // SprawdzSumy
    Dlugosci = 3,   // SprawdzPrzesla albo SprawdzDlugosci
    Oblicz = 4,     // Oblicz
};

struct tWynikPrzeliczenia {
    tEtap Etap = tEtap::Brak;
    std::string Komunikat;  // komunikat etapu, z CR zachowanym
    bool Poprawne() const { return Etap == tEtap::Brak; }
};

tWynikPrzeliczenia SprawdzIOblicz(tObiektMostowy& obiekt);

// Nagłówek błędu etapu w obszarze komunikatów i panelu "Elementy"
// ("BŁĄD PRZEKROJU PODŁUŻNEGO", ...); pusty dla tEtap::Brak.
const char* NaglowekBledu(tEtap etap);
// Nazwa etapu w wynikach pontiva-cli i rejestru ("parametry", "sumy", "dlugosci", "oblicz");
// pusta dla tEtap::Brak.
const char* NazwaEtapu(tEtap etap);
