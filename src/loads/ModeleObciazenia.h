#pragma once
// Modele obciążenia normowego: po jednej funkcji na normatyw i rodzaj przekroju.
// Każda zwraca true i ustawia M1N oraz TN albo false z komunikatem w Err. Kolejność
// argumentów jest kolejnością tablicy rozdziału w Oblicz; Dl (długość elementu) zawsze
// ostatnia. Płyty bez nośności na ścinanie zwracają TN = NieDotyczy.
#include <string>

// PN-85/S-10030 (klasa jako litera 'A'..'E')
bool PN85Przekroj0(char Klasa, int n, double& M1N, double B, double c, double e, double L, double& TN,
                   std::string& Err, double Dl);
bool PN85Przekroj1(char Klasa, int n, double& M1N, double B, double e, double L, double& TN, std::string& Err,
                   double Dl);
bool PN85Przekroj2(char Klasa, double& M1N, double& TN, double B, double c, double g, double k, double L,
                   double k1k2, std::string& Err, double Dl);
bool PN85Przekroj3(char Klasa, double& M1N, double& TN, double a1a2, double b, double c, double e, double L,
                   double P, std::string& Err, double Dl);
bool PN85Przekroj4(char Klasa, double& M1N, double& TN, double a1a2, double b, double L, double P, std::string& Err,
                   double Dl);
bool PN85Przekroj5(char Klasa, int n, double& M1N, double e, double B, double c, double g, double k, double a,
                   double b, double L, double& TN, std::string& Err, double Dl);
bool PN85Przekroj6(char Klasa, double& M1N, double& TN, double a1a2, double b, double c, double e, double L,
                   double P, double g, double k, std::string& Err, double Dl);
bool SprawdzKlasePN85(char Klasa, std::string& Err);

// PN-66/B-02015
bool PN66Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n,
                   std::string& Err, double Dl);
bool PN66Przekroj1(int Klasa, double& M1N, double& TN, double B, double e, double L, double n, std::string& Err,
                   double Dl);
bool PN66Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g, double k, double k1k2,
                   double L, std::string& Err, double Dl);
bool PN66Przekroj3(int Klasa, double& M1N, double& TN, double a1a2, double b, double c1c2, double P, double L,
                   std::string& Err, double Dl);
bool PN66Przekroj4(int Klasa, double& M1N, double& TN, double b, double a1a2, double L, double P, std::string& Err,
                   double Dl);
bool PN66Przekroj5(int Klasa, double& M1N, double& TN, double B, double c, double g, double k, double a, double e,
                   double L, double n, std::string& Err, double Dl);
bool PN66Przekroj6(int Klasa, double& M1N, double& TN, double g, double k, double a1a2, double b, double C1,
                   double C2, double P, double L, std::string& Err, double Dl);
bool SprawdzKlasePN66(int Klasa, std::string& Err);
double RedukcjaPasm(int m);

// Normatyw 1956
bool N1956Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n,
                    std::string& Err, double Dl);
bool N1956Przekroj1(int Klasa, double& M1N, double& TN, double B, double e, double L, double n, std::string& Err,
                    double Dl);
bool N1956Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2,
                    double L, std::string& Err, double Dl);
bool N1956Przekroj3(int Klasa, double& M1N, double& TN, double a1a2, double b, double c1c2, double L, double P,
                    std::string& Err, double Dl);
bool N1956Przekroj4(int Klasa, double& M1N, double& TN, double a1a2, double b, double L, double P,
                    std::string& Err, double Dl);
double WspRedukcjiPasm(int m);

// Normatyw 1952
bool N1952Przekroj0(int Klasa, double& M1N, double& TN, double B, double c, double e, double L, double n,
                    std::string& Err, double Dl);
bool N1952Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2,
                    double L, std::string& Err, double Dl);
bool N1952Przekroj3(int Klasa, double& M1N, double& TN, double b, double a1a2, double c1c2, double L, double P,
                    std::string& Err, double Dl);

// Normatyw 1945
bool N1945Przekroj0(int Klasa, int n, double& M1N, double B, double c1c2, double e, double L, double& TN,
                    std::string& Err, double Dl);
bool N1945Przekroj0N2(int Klasa, double& M1N, double& TN, double a1a2, double a, double b, double c, double L,
                      std::string& Err, double Dl);
bool N1945Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k1k2, double L,
                    std::string& Err, double Dl);
bool N1945Przekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double Dl);

// Normatyw 1926
bool N1926Przekroj0(int Klasa, int n, double& M1N, double B, double c1c2, double L, double& TN, std::string& Err,
                    double Dl);
bool N1926Przekroj0N2(int Klasa, double& M1N, double& TN, double a1a2, double b, double c, double L,
                      std::string& Err, double Dl);
bool N1926Przekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k1k2, double L,
                    std::string& Err, double Dl);
bool N1926Przekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double Dl);

// DIN 1072 (1931)
bool DINPrzekroj0(int Klasa, int n, double& M1N, double B, double c, double e, double L, double& TN,
                  std::string& Err, double Dl);
bool DINPrzekroj2(int Klasa, double& M1N, double& TN, double B, double c, double g1, double k, double k1k2,
                  double L, std::string& Err, double Dl);
bool DINPrzekroj3(int Klasa, double& M1N, double& TN, double L, std::string& Err, double Dl);
