// Zaślepka.
#include "wspprzec/Przeciazenie.h"

bool WspolczynnikiPrzeciazenia(int, int, double& Gamma1, double, double, double, double, double, double, double,
                               double, double, double& Gamma2, std::string&)
{
    Gamma1 = Gamma2 = 1;
    return true;
}
