// Zaślepka do czasu wprowadzenia modelu obciążenia.
#include "loads/ModeleObciazenia.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

bool N1952Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool N1952Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool N1952Przekroj3(int Klasa, double& M1N, double& TN, double b, double a1a2, double c1c2, double L, double P, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}
