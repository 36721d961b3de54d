#pragma once
// Wielomiany rozpiętości normatywów 1926 i 1945 oraz kroki wspólne ich modeli i modelu
// DIN 1072 (moment płyty z krawężnikami, przeliczenie wyniku klasy I na klasę II i III,
// zakres rozpiętości).
#include <span>
#include <string>

// Jeden wiersz wielomianu przedziałami: a3·L³ + a2·L² + a1·L + a0 dla L ≤ Granica.
// Wartość na granicy należy do niższego wiersza; ostatni wiersz ma granicę +∞.
struct tOdcinek {
    double Granica;
    double a3, a2, a1, a0;
};
using tWielomian = std::span<const tOdcinek>;

double Wartosc(tWielomian w, double L);

// Komplet wielomianów normatywu: kolumna H (dwa dźwigary i przekrój 2), kolumna F
// (pozostałe liczby dźwigarów), współczynniki tłumu na chodniku dla momentu i siły.
struct tWielomianyNormatywu {
    tWielomian MomentH, MomentF, SilaH, SilaF, TlumMoment, TlumSila;
};
const tWielomianyNormatywu& Wielomiany1945();
const tWielomianyNormatywu& Wielomiany1926();
// Moment kolumny H przekroju 2 normatywu 1945: powyżej 100 m współczynnik 16/3.
tWielomian Moment1945HPrzekroj2();

// Moment płyty z krawężnikami (przekrój 3) z samej rozpiętości, d = L − 3:
// L ≤ 6: (q·d² + A1·L) / L; 6 < L ≤ 9: (q·d² + A2·L − B2) / L;
// dalej (2q·(L² − 12·L + 45) + A2·L − B2) / L.
struct tPlyta {
    double q, A1, A2, B2;
};
double MomentPlyty(const tPlyta& p, double L);

// Klasy 2 i 3 to wynik klasy I razy czynnik klasy. zeSladem: przed mnożeniem blok
// "Przed uwzględnieniem klasy:" z wartościami klasy I; tylkoMoment: TN (NieDotyczy
// płyt) zostaje bez zmian. Klasa 1 nie pisze nic.
void UwzglednijKlase(int Klasa, const double (&Czynniki)[3], double& M1N, double& TN, bool zeSladem,
                     bool tylkoMoment);

// Rozpiętość zastępcza w [3, Lmax]; poza nim "Za mała" / "Za duża wartość parametru L".
bool SprawdzRozpietosc(double L, double Lmax, std::string& Err);
