#pragma once
// Rozkład poprzeczny obciążenia na skrajny dźwigar albo skrajne pasmo płyty.

// Liczba pasm płyty: najbliższa całkowita do P + 0,000001 (remis do parzystej), co najmniej 1.
int LiczbaPasmPlyty(double P);
// Rozstaw osi skrajnych pasm: (N − 1)·P / N.
double RozstawSkrajnychPasm(double P);
// Rzędne linii wpływu skrajnego pasma płyty (L > 0,00001, inaczej BladAsercji).
void ObliczRzedne(double P, double L, double& Eta1, double& EtaN);
// Rzędna paraboli płyty w odległości x od osi skrajnego pasma.
double RzednaParaboliczna(double Eta1, double EtaN, double B, double x);
// Rzędna linii wpływu skrajnego dźwigara z n dźwigarów o rozstawie skrajnych B,
// dla siły w odległości x od jego osi (dodatnie ku środkowi pomostu).
double RzednaDzwigara(double n, double B, double x);
