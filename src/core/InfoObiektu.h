#pragma once
// Dane identyfikacyjne obiektu wprowadzane w oknie "Informacje o moście".
#include <string>

struct tInfoObiektu {
    std::string JNI;         // numer inwentarzowy, 8 cyfr
    std::string NrP;         // numer pierwszego przęsła
    std::string Droga;       // numer drogi
    std::string Km;          // kilometraż
    std::string Najblizsza;  // najbliższa miejscowość
    std::string Przeszkoda;  // przeszkoda
};
