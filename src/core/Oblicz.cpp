// Zaślepka.
#include "core/ObiektMostowy.h"

bool tObiektMostowy::Oblicz(std::string& Err)
{
    Najgorszy = -1;
    Err = "Brak algorytmu";
    return false;
}
