#pragma once
// Przeliczenie nośności elementu na masę pojazdu umownego (skala 42, 32, 24, 16, 10, 0 t).
#include <array>
#include <string>

// Tablice indeksowane od 1 (pojazdy 1..6); pozycja 0 nieużywana.
using tEfektyPojazdow = std::array<double, 7>;

extern const std::array<double, 7> MasyPojazdow;

// Efekty pojazdu k (1..6) na rozpiętości L; L < 3,0 daje false i komunikat.
bool PojazdUmowny(int k, double& M, double& T, double L, std::string& Msg);
// Wypełnia M[1..6] (rozpiętość Lm) i T[1..6] (rozpiętość Lt), zwraca masę w tonach.
double PrzeliczPojazdy(tEfektyPojazdow& M, tEfektyPojazdow& T, double Lm, double Lt, double MP, double TP);
