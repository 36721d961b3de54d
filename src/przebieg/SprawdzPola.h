#pragma once
// Pola okna przed sprawdzeniami obiektu: tekst, który nie jest liczbą, i liczba spoza zakresu
// pola (wpisana; okno jej nie przycina) są błędem danych. Czytane jako minimum albo przycięte
// dałyby wynik innego obiektu.
#include <vector>

#include "core/Przeliczenie.h"
#include "przebieg/Widok.h"

struct tBladPol {
    std::vector<tPole> Pola;  // pola w użyciu z błędnym tekstem, w kolejności okna
    tWynikPrzeliczenia Wynik;  // pierwszy błąd: etap przekroju poprzecznego albo podłużnego
};

// Pola w użyciu: szerokości widoczne dla przekroju, liczba przęseł (gdy widoczna)
// i długości wierszy 1..k edytora rozpiętości.
tBladPol SprawdzPola(const Widok& widok);
