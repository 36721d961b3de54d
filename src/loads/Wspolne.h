#pragma once
// Elementy wspólne modeli obciążeń kilku normatywów: liczba pasów ruchu, zasięg linii
// wpływu skrajnego dźwigara, chodnik liczony od 0,5 m, komunikaty kontroli parametrów
// oraz pojazdy K i S klas PN-85/S-10030.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// Szerokość jednego pasa ruchu [m].
constexpr double SzerokoscPasa = 1.5;

// Liczba pasów ruchu na szerokości w (naddatek klasy dodaje wołający):
// część całkowita w / 1,5 z marginesem Obetnij, by 6,0 / 1,5 dało zawsze 4.
int LiczbaPasow(double w);

// Odległość od osi skrajnego dźwigara do miejsca zerowego jego linii wpływu
// (n dźwigarów, rozstaw skrajnych B): (2n − 1)·B / (3(n − 1)).
double ZasiegLiniiWplywu(double n, double B);

// Szerokość chodnika, która wchodzi do obciążenia: c dla c ≥ 0,5, inaczej 0
// (węższy chodnik za barierą nie jest obciążany tłumem).
double SzerokoscChodnika(double c);

// Kontrole parametrów: true = wartości przyjęte. Przy odmowie Err dostaje komunikat.
// Sprawdza kolejno pary (litera, wartość); pierwsza dokładnie zerowa wartość daje
// "Parametr %s musi być różny od zera" z jej literą.
bool SprawdzNiezerowe(std::string& Err, std::initializer_list<std::pair<std::string_view, double>> parametry);
// Komunikaty "Za mała wartość parametru %s" i "Za duża wartość parametru %s"; zwracają false.
bool BladZaMala(std::string& Err, std::string_view litera);
bool BladZaDuza(std::string& Err, std::string_view litera);

// Obciążenie klasy PN-85/S-10030: nacisk osi pojazdu K [kN], współczynniki obciążenia
// jezdni dla momentu i ścinania; klasy C, D, E mają ponadto pojazd S.
struct tKlasaPN85 {
    double F;
    double qM;
    double qT;
    bool PojazdS;
};

// Dane klasy 'A'..'E'; wołający sprawdza literę wcześniej (SprawdzKlasePN85).
const tKlasaPN85& KlasaPN85(char Klasa);
// Pojazd K (cztery osie co 1,2 m) na rozpiętości L: moment F·(1 − 2,4/L), siła F·(4 − 7,2/L).
double PojazdKMoment(char Klasa, double L);
double PojazdKSila(char Klasa, double L);
// Pojazd S klas C, D, E: MS(L), TS(L); dla klas A i B zero.
double PojazdSMoment(char Klasa, double L);
double PojazdSSila(char Klasa, double L);
