#pragma once
// Sprawdzenie danych identyfikacyjnych z okna "Informacje o moście" przed ich
// przyjęciem. Bez zestawu narzędzi okienkowych, by sprawdzać je także w testach i CLI.
#include <string>
#include <string_view>

#include "core/InfoObiektu.h"

struct tWynikSprawdzeniaJNI {
    bool Poprawne = false;
    std::string Komunikat;   // pierwszy napotkany błąd; wiersze rozdziela pojedyncze CR
    std::string NazwaPliku;  // JNI + "_" + NrP + ".PTV" (obcięte), tylko gdy Poprawne
};

// Sprawdzenia w stałej kolejności; pierwszy błąd kończy. Droga, Km i Najblizsza
// nie są badane.
tWynikSprawdzeniaJNI SprawdzDaneJNI(const tInfoObiektu& dane);

// Wielkie litery tekstu UTF-8: ASCII i polskie litery (ą→Ą, ż→Ż, ...); reszta bez zmian.
std::string WielkieLitery(std::string_view utf8);
// Usuwa z obu końców znaki o kodzie ≤ 32 (odstępy, tabulatory, końce wierszy).
std::string Przytnij(std::string_view tekst);
