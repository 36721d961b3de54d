#pragma once
// Układ podłużny obiektu wspólny dla szkicu okna i widoku podłużnego panelu "Elementy":
// które elementy się rysuje, gdzie w skali leżą ich końce, gdzie są podpory i przeguby.
#include <vector>

class tObiektMostowy;

enum class tWezel { Brak, Podpora, Przegub };

// Węzeł między elementem rodzaju lewy a elementem rodzaju prawy (-1: koniec obiektu).
// Na końcu obiektu podpora, gdy element nie jest wspornikiem; wewnątrz przegub za prawym
// wspornikiem i przed lewym, inaczej podpora.
tWezel WezelMiedzy(int rodzajLewy, int rodzajPrawy);

struct tOdcinekUkladu {
    int Element;  // numer elementu w obiekcie (od 1)
    int Rodzaj;
    double Dlugosc;
};

// Elementy dłuższe niż 0,1 m, w kolejności.
std::vector<tOdcinekUkladu> OdcinkiObiektu(const tObiektMostowy& obiekt);

// Końce odcinków w pikselach: x[0] = x0, x[i] = x0 + C_i / T · W zaokrąglone do
// najbliższego piksela (C_i suma pierwszych i długości, T suma wszystkich). Puste, gdy
// T < 0,01 (nie ma czego rysować).
std::vector<int> KonceOdcinkow(const std::vector<double>& dlugosci, int x0, int W);

// Indeks odcinka (od 0), w którym leży x, albo -1 poza odcinkami.
int OdcinekPodX(const std::vector<int>& konce, int x);
