#pragma once
// Współczynniki przeciążenia Gamma 1 i Gamma 2 jednej strony przekroju.
#include <string>

bool WspolczynnikiPrzeciazenia(int Typ, int n, double& Gamma1, double a, double b, double B, double c, double e,
                               double g, double k, double P, double L, double& Gamma2, std::string& Msg);
