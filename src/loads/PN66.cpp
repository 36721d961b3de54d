// Zaślepka do czasu wprowadzenia modelu obciążenia.
#include "loads/ModeleObciazenia.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

bool PN66Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN66Przekroj1(int Klasa, double& M1N, double& TN, double B, double e, double L, double n, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN66Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g, double k, double k1k2, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN66Przekroj3(int Klasa, double& M1N, double& TN, double a1a2, double b, double c1c2, double P, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN66Przekroj4(int Klasa, double& M1N, double& TN, double b, double a1a2, double L, double P, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN66Przekroj5(int Klasa, double& M1N, double& TN, double B, double c, double g, double k, double a, double e, double L, double n, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN66Przekroj6(int Klasa, double& M1N, double& TN, double g, double k, double a1a2, double b, double C1, double C2, double P, double L, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool SprawdzKlasePN66(int Klasa, std::string& Err)
{
    Err = "Brak algorytmu";
    return false;
}

double RedukcjaPasm(int m)
{
    return 1.0;
}
