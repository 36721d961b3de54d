// Zaślepka do czasu wprowadzenia modelu obciążenia.
#include "loads/ModeleObciazenia.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

bool N1945Przekroj0(int Klasa, int n, double& M1N, double B, double c1c2, double e, double L, double& TN, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool N1945Przekroj0N2(int Klasa, double& M1N, double& TN, double a1a2, double a, double b, double c, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool N1945Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k1k2, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool N1945Przekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}
