#pragma once
// Wiersze edytora rozpiętości i lista elementów wynikająca ze schematu statycznego.
// Bez zestawu narzędzi okienkowych: korzystają z tego okno, PobierzDane i CLI.
#include <array>
#include <string>
#include <vector>

#include "common/Wyliczenia.h"

class tObiektMostowy;

// Najdłuższy schemat (belka przegubowa, 45 przęseł) potrzebuje 2·45 + 1 wierszy.
constexpr int MaksWierszy = 91;
constexpr int MaksPrzesel = 45;

struct tWierszPrzesla {
    std::string Podpis;  // tekst obok pola długości
    std::string Nazwa;   // nazwa elementu w komunikatach, śladzie i raportach
};

// Liczba wierszy w użyciu dla schematu i liczby przęseł (N obcięte do 1..45).
int LiczbaWierszy(int schemat, int N);
// Czy pole "Liczba przęseł" jest widoczne dla schematu.
bool PokazLiczbePrzesel(int schemat);
// Podpisy i nazwy wierszy 1..k (wynik[0] to wiersz 1).
std::vector<tWierszPrzesla> WierszePrzesel(int schemat, int N);

// Kolejne elementy w kolejności dodawania: numer wiersza (1..k) i rodzaj. W schematach
// 2 i 4 przy N = 1 jest jedno przęsło skrajne (obiekt, którego SprawdzPrzesla odmawia).
struct tPozycjaElementu {
    int Wiersz;
    tRodzajElementu Rodzaj;
};
std::vector<tPozycjaElementu> UkladElementow(int schemat, int N);

// Dodaje elementy do obiektu (po UstawDane): długość i nazwa z wiersza, rodzaj ze schematu.
// dlugosci[i] to długość wiersza i + 1.
void DodajElementy(tObiektMostowy& obiekt, int schemat, int N, const std::array<double, MaksWierszy>& dlugosci);
