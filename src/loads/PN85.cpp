// Zaślepka do czasu wprowadzenia modelu obciążenia.
#include "loads/ModeleObciazenia.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

bool PN85Przekroj0(char Klasa, int n, double& M1N, double B, double c, double e, double L, double& TN, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN85Przekroj1(char Klasa, int n, double& M1N, double B, double e, double L, double& TN, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN85Przekroj2(char Klasa, double& M1N, double& TN, double B, double c, double g, double k, double L, double k1k2, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN85Przekroj3(char Klasa, double& M1N, double& TN, double a1a2, double b, double c, double e, double L, double P, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN85Przekroj4(char Klasa, double& M1N, double& TN, double a1a2, double b, double L, double P, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN85Przekroj5(char Klasa, int n, double& M1N, double e, double B, double c, double g, double k, double a, double b, double L, double& TN, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool PN85Przekroj6(char Klasa, double& M1N, double& TN, double a1a2, double b, double c, double e, double L, double P, double g, double k, std::string& Err, double Dl)
{
    Err = "Brak algorytmu";
    return false;
}

bool SprawdzKlasePN85(char Klasa, std::string& Err)
{
    Err = "Brak algorytmu";
    return false;
}
