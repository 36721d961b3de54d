#include "core/ObiektMostowy.h"

#include <cmath>

void tObiektMostowy::ZerujElementy()
{
    LiczbaPrzesel = 0;
    LiczbaElementow = 0;
}

void tObiektMostowy::UstawDane(int Normatyw_, int Klasa_, int Przekroj_, double a1_, double a2_, double b_,
                               double B_, double c1_, double c2_, double e1_, double e2_, double k1_, double k2_,
                               double P_, double g1_, double g2_, int n_, int Schemat_)
{
    ZerujElementy();
    Normatyw = static_cast<std::uint8_t>(Normatyw_);
    Klasa = static_cast<std::uint8_t>(Klasa_);
    Przekroj = static_cast<std::uint8_t>(Przekroj_);
    a1 = a1_;
    a2 = a2_;
    b = b_;
    B = B_;
    c1 = c1_;
    c2 = c2_;
    e1 = e1_;
    e2 = e2_;
    k1 = k1_;
    k2 = k2_;
    P = P_;
    g1 = g1_;
    g2 = g2_;
    n = n_;
    Schemat = static_cast<std::uint8_t>(Schemat_);
    for (auto& e : Elementy) e = tElement{};

    // Tylko PN-85/S-10030 ma więcej niż trzy klasy.
    if (Normatyw != nPN85 && Klasa > 2) Klasa = 2;
    if (Przekroj == pDwudzwigaroweJezdniaDolna) n = 2;
    if (Przekroj == pPlytoweZKraweznikami || Przekroj == pPlytoweBezKraweznikow || Przekroj == pPlytoweZBarierami)
        n = static_cast<int>(std::nearbyint(P + 0.00001));  // zaokrąglenie do parzystej przy remisie
}

void tObiektMostowy::DodajElement(std::string_view Nazwa, tRodzajElementu Rodzaj, double Dlugosc)
{
    // Wspornik do 0,1 m to brak wspornika; przęsło schematu zostaje z każdą długością, żeby
    // SprawdzPrzesla odmówiło obiektu z przęsłem bez rozpiętości zamiast liczyć inny most.
    if (LiczbaElementow >= MaksElementow || (JestWspornikiem(Rodzaj) && !(Dlugosc > 0.1))) return;
    ++LiczbaElementow;
    if (Rodzaj <= rRamaSrodkowe) ++LiczbaPrzesel;
    tElement& e = Elementy[LiczbaElementow];
    e.Rodzaj = Rodzaj;
    e.Dlugosc = Dlugosc;
    e.Nazwa = std::string(Nazwa);
}
