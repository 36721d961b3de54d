#pragma once
// Przeliczenie nośności elementu na masę pojazdu umownego (skala 42, 32, 24, 16, 10, 0 t).
#include <array>
#include <string>

// Tablice indeksowane od 1 (pojazdy 1..6); pozycja 0 nieużywana.
using tEfektyPojazdow = std::array<double, 7>;

extern const std::array<double, 7> MasyPojazdow;

// Efekty pojazdu k (1..6) na rozpiętości L; L < 3,0 daje false i komunikat.
bool PojazdUmowny(int k, double& M, double& T, double L, std::string& Msg);
// Masy pojazdu elementu z obu efektów. Masą elementu jest mniejsza; przy równych
// decyduje moment.
struct tMasyPojazdu {
    double Moment = 0;  // z MP i efektów M[1..6]
    double Sila = 0;    // z TP i efektów T[1..6]
    double Masa() const { return Sila < Moment ? Sila : Moment; }
    bool DecydujeSila() const { return Sila < Moment; }
};
tMasyPojazdu MasyPojazdu(const tEfektyPojazdow& M, const tEfektyPojazdow& T, double MP, double TP);

// Wypełnia M[1..6] (rozpiętość Lm) i T[1..6] (rozpiętość Lt), zwraca masę w tonach.
double PrzeliczPojazdy(tEfektyPojazdow& M, tEfektyPojazdow& T, double Lm, double Lt, double MP, double TP);
