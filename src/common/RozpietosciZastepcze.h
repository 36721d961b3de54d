#pragma once
// Rozpiętości zastępcze elementu: LM (dla momentu) i LT (dla siły poprzecznej).

// L – rozpiętość elementu (rodzaje 0..6) albo przęsło podwieszone (8, 9; 0 dla 7);
// W – wysięg wspornika (rodzaje 7..9; 0 dla przęseł).
void RozpietosciZastepcze(int Normatyw, int Klasa, int Rodzaj, double L, double W, double& LM, double& LT);
