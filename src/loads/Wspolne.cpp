#include "loads/Wspolne.h"

#include "common/Formatowanie.h"
#include "common/Pomocnicze.h"

namespace {
const char* const KomZero = "Parametr %s musi być różny od zera";
const char* const KomZaMala = "Za mała wartość parametru %s";
const char* const KomZaDuza = "Za duża wartość parametru %s";

// Obciążenie jezdni q = 4, 3, 2, 1,6, 1,2 kN/m²: qM = q/8, qT = q/2.
constexpr tKlasaPN85 KlasyPN85[] = {
    {200, 0.5, 2.0, false},  {150, 0.375, 1.5, false}, {100, 0.25, 1.0, true},
    {80, 0.2, 0.8, true},    {60, 0.15, 0.6, true},
};
}  // namespace

int LiczbaPasow(double w) { return Obetnij(w / SzerokoscPasa); }

double ZasiegLiniiWplywu(double n, double B) { return (2 * n - 1) * B / (3 * (n - 1)); }

double SzerokoscChodnika(double c) { return c >= 0.5 ? c : 0.0; }

bool SprawdzNiezerowe(std::string& Err, std::initializer_list<std::pair<std::string_view, double>> parametry)
{
    for (const auto& [litera, wartosc] : parametry) {
        if (wartosc == 0) {
            Err = Format(KomZero, {litera});
            return false;
        }
    }
    return true;
}

bool BladZaMala(std::string& Err, std::string_view litera)
{
    Err = Format(KomZaMala, {litera});
    return false;
}

bool BladZaDuza(std::string& Err, std::string_view litera)
{
    Err = Format(KomZaDuza, {litera});
    return false;
}

const tKlasaPN85& KlasaPN85(char Klasa) { return KlasyPN85[Klasa - 'A']; }

double PojazdKMoment(char Klasa, double L) { return KlasaPN85(Klasa).F * (1 - 2.4 / L); }

double PojazdKSila(char Klasa, double L) { return KlasaPN85(Klasa).F * (4 - 7.2 / L); }

// Każda para wzorów daje tę samą wartość na swoim progu.
double PojazdSMoment(char Klasa, double L)
{
    switch (Klasa) {
        case 'C': return L < 7.2 ? 60 - 72 / L : 75 - 180 / L;
        case 'D': return L < 7.2 ? 30 : 50 - 144 / L;
        case 'E': return L < 7.2 ? 25 : 37.5 - 90 / L;
        default: return 0;
    }
}

double PojazdSSila(char Klasa, double L)
{
    switch (Klasa) {
        case 'C': return L < 4.8 ? 240 - 144 / L : 300 - 432 / L;
        case 'D': return L < 3.6 ? 120 : 200 - 288 / L;
        case 'E': return L < 3.6 ? 100 : 150 - 180 / L;
        default: return 0;
    }
}
