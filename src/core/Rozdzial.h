#pragma once
// Tablica rozdziału obliczeń: który model obciążenia liczy dany normatyw i przekrój
// i z jakimi argumentami. Zestaw procedur jest parametrem, aby testy mogły sprawdzić
// argumenty każdego wywołania bez prawdziwych modeli.
#include <string>

#include "loads/ModeleObciazenia.h"

class tObiektMostowy;

struct tModeleObciazenia {
    decltype(&::N1926Przekroj0) N1926Przekroj0 = &::N1926Przekroj0;
    decltype(&::N1926Przekroj0N2) N1926Przekroj0N2 = &::N1926Przekroj0N2;
    decltype(&::N1926Przekroj2) N1926Przekroj2 = &::N1926Przekroj2;
    decltype(&::N1926Przekroj3) N1926Przekroj3 = &::N1926Przekroj3;
    decltype(&::N1945Przekroj0) N1945Przekroj0 = &::N1945Przekroj0;
    decltype(&::N1945Przekroj0N2) N1945Przekroj0N2 = &::N1945Przekroj0N2;
    decltype(&::N1945Przekroj2) N1945Przekroj2 = &::N1945Przekroj2;
    decltype(&::N1945Przekroj3) N1945Przekroj3 = &::N1945Przekroj3;
    decltype(&::N1952Przekroj0) N1952Przekroj0 = &::N1952Przekroj0;
    decltype(&::N1952Przekroj2) N1952Przekroj2 = &::N1952Przekroj2;
    decltype(&::N1952Przekroj3) N1952Przekroj3 = &::N1952Przekroj3;
    decltype(&::N1956Przekroj0) N1956Przekroj0 = &::N1956Przekroj0;
    decltype(&::N1956Przekroj1) N1956Przekroj1 = &::N1956Przekroj1;
    decltype(&::N1956Przekroj2) N1956Przekroj2 = &::N1956Przekroj2;
    decltype(&::N1956Przekroj3) N1956Przekroj3 = &::N1956Przekroj3;
    decltype(&::N1956Przekroj4) N1956Przekroj4 = &::N1956Przekroj4;
    decltype(&::PN66Przekroj0) PN66Przekroj0 = &::PN66Przekroj0;
    decltype(&::PN66Przekroj1) PN66Przekroj1 = &::PN66Przekroj1;
    decltype(&::PN66Przekroj2) PN66Przekroj2 = &::PN66Przekroj2;
    decltype(&::PN66Przekroj3) PN66Przekroj3 = &::PN66Przekroj3;
    decltype(&::PN66Przekroj4) PN66Przekroj4 = &::PN66Przekroj4;
    decltype(&::PN66Przekroj5) PN66Przekroj5 = &::PN66Przekroj5;
    decltype(&::PN66Przekroj6) PN66Przekroj6 = &::PN66Przekroj6;
    decltype(&::PN85Przekroj0) PN85Przekroj0 = &::PN85Przekroj0;
    decltype(&::PN85Przekroj1) PN85Przekroj1 = &::PN85Przekroj1;
    decltype(&::PN85Przekroj2) PN85Przekroj2 = &::PN85Przekroj2;
    decltype(&::PN85Przekroj3) PN85Przekroj3 = &::PN85Przekroj3;
    decltype(&::PN85Przekroj4) PN85Przekroj4 = &::PN85Przekroj4;
    decltype(&::PN85Przekroj5) PN85Przekroj5 = &::PN85Przekroj5;
    decltype(&::PN85Przekroj6) PN85Przekroj6 = &::PN85Przekroj6;
    decltype(&::DINPrzekroj0) DINPrzekroj0 = &::DINPrzekroj0;
    decltype(&::DINPrzekroj2) DINPrzekroj2 = &::DINPrzekroj2;
    decltype(&::DINPrzekroj3) DINPrzekroj3 = &::DINPrzekroj3;
};

// Wszystko, czego potrzebuje jedno wywołanie modelu: dane obiektu, wartości strony
// i rozpiętość zastępcza bieżącego przejścia.
struct tDaneModelu {
    int KlasaNr = 1;      // Klasa + 1
    char KlasaLit = 'A';  // 'A' + Klasa (PN-85/S-10030)
    int n = 0;
    double a1 = 0, a2 = 0, b = 0, B = 0, c1 = 0, c2 = 0, g1 = 0, k1 = 0, k2 = 0, P = 0;
    // Wartości strony: a, c, c drugiej strony, e, g, k.
    double a = 0, c = 0, cInna = 0, e = 0, g = 0, k = 0;
    double Leq = 0;  // LM w przejściu dla momentu, LT dla siły
    double Dl = 0;   // długość elementu
};

// Dane obiektu i wartości strony s (1 lewa, 2 prawa); Leq i Dl ustawia wołający.
tDaneModelu DaneStrony(const tObiektMostowy& obiekt, int s);

// Wywołuje model właściwy dla normatywu i przekroju; bez modelu Err = "Brak algorytmu".
bool WywolajModel(const tModeleObciazenia& modele, int Normatyw, int Przekroj, const tDaneModelu& d, double& M1N,
                  double& TN, std::string& Err);

// Oblicz z podanym zestawem modeli; tObiektMostowy::Oblicz woła je z prawdziwymi.
bool ObliczObiekt(tObiektMostowy& obiekt, const tModeleObciazenia& modele, std::string& Err);
