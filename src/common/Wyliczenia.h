#pragma once
// Wyliczenia modelu obiektu; każde zajmuje jeden bajt.
#include <cstdint>

enum tNormatyw : std::uint8_t {
    nNormatyw1926 = 0,
    nNormatyw1945 = 1,
    nNormatyw1952 = 2,
    nNormatyw1956 = 3,
    nPN66 = 4,
    nPN85 = 5,
    nDIN1072 = 6,
};

enum tPrzekroj : std::uint8_t {
    pWielodzwigaroweZKraweznikami = 0,
    pWielodzwigaroweBezKraweznikow = 1,
    pDwudzwigaroweJezdniaDolna = 2,
    pPlytoweZKraweznikami = 3,
    pPlytoweBezKraweznikow = 4,
    pWielodzwigaroweZBarierami = 5,
    pPlytoweZBarierami = 6,
};

enum tSchemat : std::uint8_t {
    sBelkaSwobodnie = 0,
    sCiaglaDwuprzeslowa = 1,
    sCiaglaWieloprzeslowa = 2,
    sRamaDwuprzeslowa = 3,
    sRamaWieloprzeslowa = 4,
    sPrzegubowaZPrzegubemW1 = 5,
    sPrzegubowaBezPrzegubuW1 = 6,
};

enum tRodzajElementu : std::uint8_t {
    rBelkaSwobodnie = 0,
    rCiaglaDwuprzeslowa = 1,
    rCiaglaSkrajne = 2,
    rCiaglaSrodkowe = 3,
    rRamaDwuprzeslowa = 4,
    rRamaSkrajne = 5,
    rRamaSrodkowe = 6,
    rWspornikSwobodny = 7,
    rWspornikLewy = 8,
    rWspornikPrawy = 9,
};

constexpr int LiczbaNormatywow = 7;
constexpr int LiczbaPrzekrojow = 7;
constexpr int LiczbaSchematow = 7;
constexpr int LiczbaRodzajow = 10;

inline bool JestWspornikiem(int rodzaj) { return rodzaj >= rWspornikSwobodny && rodzaj <= rWspornikPrawy; }
