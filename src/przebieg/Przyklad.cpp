#include "przebieg/Przyklad.h"

tDanePliku DanePrzykladu()
{
    tDanePliku d;
    d.Info = {"12010001", "1", "7", "412+350", "Jędrzejów", "rzeka Nida"};
    d.Normatyw = 5;  // PN-85/S-10030, klasa B
    d.Klasa = 1;
    d.Parametry = {0.5, 0.5, 7, 8.4, 1.5, 1.5, 1.3, 1.3, 0, 0, 0, 0, 0, 5};  // c1 + a1 + b + a2 + c2 = e1 + B + e2 = 11 m
    d.Dlugosci[1] = 18;
    d.LiczbaDlugosci = 3;
    return d;
}
