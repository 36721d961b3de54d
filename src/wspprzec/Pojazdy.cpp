// Zaślepka.
#include "wspprzec/Pojazdy.h"

const std::array<double, 7> MasyPojazdow = {0, 42, 32, 24, 16, 10, 0};

bool PojazdUmowny(int, double&, double&, double, std::string&) { return false; }
double PrzeliczPojazdy(tEfektyPojazdow&, tEfektyPojazdow&, double, double, double, double) { return 0; }
