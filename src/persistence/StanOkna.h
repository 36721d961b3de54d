#pragma once
// Plik stanu PT.INI ma format pliku roboczego i jedną sekcję więcej, STAN, tylko gdy jest
// co w niej zapisać: obiekt ma niezapisane zmiany, jest przykładem z pierwszego uruchomienia
// albo pochodzi z pliku roboczego (ścieżka). Czytnik pliku roboczego i starsze wersje
// programu tej sekcji nie czytają; plików roboczych program nią nie zmienia.
#include <string>

#include "persistence/PlikIni.h"

struct tStanOkna {
    bool Zmieniony = false;  // dane różnią się od ostatnio wczytanego albo zapisanego pliku
    bool Przyklad = false;   // obiekt przykładowy pierwszego uruchomienia
    std::string Plik;        // ostatnio wczytany albo zapisany plik roboczy; pusty: żaden
};

// Sekcja STAN od nowa: usunięta i zapisana tylko z kluczami, które coś mówią. Ścieżki, której
// nie da się zapisać w Windows-1250 bez zmiany znaków, nie zapisuje.
void ZapiszStanOkna(tPlikIni& ini, const tStanOkna& stan);
tStanOkna CzytajStanOkna(const tPlikIni& ini);
