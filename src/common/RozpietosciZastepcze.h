#pragma once
// Rozpiętości zastępcze elementu: LM (dla momentu) i LT (dla siły poprzecznej).
#include <span>

#include "common/TabliceJednokierunkowe.h"
#include "common/TabliceWspornikow.h"

// L – rozpiętość elementu (rodzaje 0..6) albo przęsło podwieszone (8, 9; 0 dla 7);
// W – wysięg wspornika (rodzaje 7..9; 0 dla przęseł).
void RozpietosciZastepcze(int Normatyw, int Klasa, int Rodzaj, double L, double W, double& LM, double& LT);

// Tablica według wysięgu, wiersze T[0..n], kolumna 1 (moment) albo 2 (siła); bez
// ekstrapolacji. Między wierszami pisze wiersz śladu z wynikiem interpolacji.
double InterpolacjaTab1(std::span<const tWierszTab1> T, int n, int kolumna, double W);
// Tablica według wysięgu i Alfa = W / L, wiersze T[0..n]; L = 0 daje NieDotyczy.
double InterpolacjaTab2(std::span<const tWierszTab2> T, int n, double W, double L);
// Liniowa funkcja bazowa Lagrange'a: (x − x0) / (x1 − x0).
double WspLagrange(double x, double x0, double x1);
// Alfa = W / L i przedział węzłów wzorów PN-85 (j0, j1); pisze wiersz śladu.
// L > 1e-10, inaczej BladAsercji.
void PrzedzialAlfa(double W, double L, double& Alfa, double& j0, double& j1);
// Wzory PN-85 dla wspornika z przęsłem podwieszonym; L ≤ 0,01 daje 0.
double LZastMomentPN85(double W, double L);
double LZastSilaPN85(double W, double L);
