// Zaślepka do czasu wprowadzenia modelu obciążenia.
#include "loads/ModeleObciazenia.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

bool DINPrzekroj0(int Klasa, int n, double& M1N, double B, double c, double e, double L, double& TN, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool DINPrzekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool DINPrzekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}
