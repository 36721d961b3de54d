#pragma once
// Przekrój poprzeczny w skali, policzony z obiektu mostowego (po PobierzDane): części
// przekroju, osie dźwigarów, pasma płyty i łańcuchy wymiarów z wartościami, tylko
// z parametrów, których dany rodzaj przekroju używa. Metry: x w poprzek od lewego
// brzegu łańcucha górnego, y w górę od wierzchu płyty pomostu. Szerokości są z danych,
// wysokości umowne. Bez zestawu narzędzi okienkowych; okno tylko rysuje.
#include <string>
#include <vector>

#include "core/ObiektMostowy.h"

enum class tCzescPrzekroju : int {
    Plyta = 0,     // płyta pomostu między dźwigarami albo płyta nośna
    Wspornik,      // wspornik płyty poza skrajnym dźwigarem (płytą nośną)
    Dzwigar,
    Chodnik,
    Kraweznik,
    Bariera,
    Opaska,
    Nawierzchnia,
};

struct tCzesc {
    tCzescPrzekroju Rodzaj;
    double x1, x2, y1, y2;  // x1 < x2, y1 < y2
};

// Odcinek łańcucha wymiarów od x1 do x2 (dla ujemnego wysięgu x2 < x1).
struct tWymiarWSkali {
    std::string Symbol;   // "c1", "B", ...
    double x1, x2;
    std::string Wartosc;  // szerokość w metrach z separatorem regionalnym, np. "1,50"
};

// Niezgodne sumy (SprawdzSumy odrzuca): końce obu sum od wspólnego początku i opis.
struct tRoznicaSum {
    bool Jest = false;
    double xGory = 0, xDolu = 0;
    std::vector<std::string> Linie;  // suma górna, suma dolna, różnica
};

struct tPrzekrojWSkali {
    int Typ = 0;
    std::vector<tCzesc> Czesci;
    std::vector<double> OsieDzwigarow;
    std::vector<double> GranicePasm;  // granice pasm płyty wewnątrz płyty nośnej
    std::vector<tWymiarWSkali> Gora;  // łańcuch nad przekrojem
    std::vector<tWymiarWSkali> Dol;   // łańcuch pod przekrojem
    std::string Liczba;               // "n = 5"
    tRoznicaSum Roznica;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // obrys części i łańcuchów
};

tPrzekrojWSkali PrzekrojWSkali(const tObiektMostowy& Obiekt);
