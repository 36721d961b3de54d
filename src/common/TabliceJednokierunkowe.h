#pragma once
// Stałe tablice rozpiętości zastępczych zależne tylko od długości elementu:
// wspornik swobodny (rodzaj 7, tablica według wysięgu) i mnożniki przęseł (rodzaje 1–6).
#include <array>
#include <span>

// Wiersz tablicy wspornika swobodnego: wysięg W, L dla momentu, L dla siły.
using tWierszTab1 = std::array<double, 3>;
constexpr int WierszeTab1 = 28;  // W = 1,5; 2,0; … 15,0

// Grupy tablicy wspornika swobodnego; normatywy 1956 i PN-66 dzielą kolumny klasami.
enum tGrupaJednokierunkowa : int {
    gj1926DIN = 0,
    gj1945,
    gj1952,
    gjKlasaI,       // 1956 i PN-66, klasa I
    gjKlasyII_III,  // 1956 i PN-66, klasy II i III
    gjPN85,
    LiczbaGrupJednokierunkowych
};

// Grupa dla normatywu i indeksu klasy (0 = klasa I); −1 dla nieznanego normatywu.
int GrupaJednokierunkowa(int Normatyw, int Klasa);
// Tablica wspornika swobodnego grupy (28 wierszy).
std::span<const tWierszTab1, WierszeTab1> TablicaWspornikaSwobodnego(int grupa);

// Grupy mnożników przęseł: "1926, 1945, DIN", "1952 oraz 1956 i PN-66 klasy II, III",
// "1956 i PN-66 klasa I", "PN-85".
enum tGrupaMnoznikow : int { gm1926_1945_DIN = 0, gm1952_KlasyII_III, gmKlasaI, gmPN85, LiczbaGrupMnoznikow };

struct tMnozniki {
    double cM;
    double cT;
};

// Grupa mnożników dla normatywu i indeksu klasy; −1 dla nieznanego normatywu.
int GrupaMnoznikow(int Normatyw, int Klasa);
// Mnożniki rodzaju 0..6 (rodzaj 0, belka swobodnie podparta: 1 i 1).
tMnozniki MnoznikiPrzesla(int grupa, int Rodzaj);
