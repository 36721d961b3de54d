// Zaślepka.
#include "common/RozpietosciZastepcze.h"

void RozpietosciZastepcze(int, int, int, double L, double, double& LM, double& LT)
{
    LM = L;
    LT = L;
}
