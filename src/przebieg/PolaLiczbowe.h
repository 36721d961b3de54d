#pragma once
// Pola liczbowe okna głównego opisane raz: zakres, krok, miejsca po przecinku. Z tej
// tablicy korzysta okno Qt i widok w pamięci, więc okno i CLI wczytują plik roboczy
// do tych samych wartości.
#include <string>

#include "core/UkladElementow.h"

// Identyfikator pola liczbowego. Pola długości elementów edytora rozpiętości mają
// identyfikatory PoleDlugosci(1) … PoleDlugosci(MaksWierszy).
enum tPole : int {
    RxSE_A1 = 0,
    RxSE_A2,
    RxSE_B,
    RxSE_BB,
    RxSE_C1,
    RxSE_C2,
    RxSE_E1,
    RxSE_E2,
    RxSE_K1,
    RxSE_K2,
    RxSE_P,
    RxSE_G1,
    RxSE_G2,
    RxSE_N,
    IlePrzesel,
    PierwszePoleDlugosci,
};

constexpr int LiczbaPolSzerokosci = 14;  // RxSE_A1 … RxSE_N, w kolejności kluczy sekcji PP
constexpr int LiczbaPol = PierwszePoleDlugosci + MaksWierszy;

constexpr tPole PoleDlugosci(int wiersz) { return static_cast<tPole>(PierwszePoleDlugosci + wiersz - 1); }
constexpr bool JestPolemDlugosci(tPole p) { return p >= PierwszePoleDlugosci && p < LiczbaPol; }
constexpr int WierszPolaDlugosci(tPole p) { return p - PierwszePoleDlugosci + 1; }

struct tOpisPola {
    double Min;
    double Max;
    double Krok;
    int Miejsca;        // 2 dla pól rzeczywistych, 0 dla całkowitych
    bool Calkowite;
    const char* Opis;   // opis w linii statusu (z wiodącą spacją dodaje go okno); "" gdy brak
};

const tOpisPola& OpisPola(tPole pole);

// Wartość, którą pole przyjmuje, gdy ustawia ją program (wczytanie, strzałki): obcięta
// do zakresu i zaokrąglona do miejsc pola tak, jak pole ją pokazuje. Tekst nieliczbowy
// (NaN) daje minimum pola.
double WartoscUstawiana(tPole pole, double wartosc);
// To samo bez przycięcia do zakresu: wartość wpisana, którą pole po utracie fokusu pokazuje
// w swoim formacie. Liczba spoza zakresu zostaje (jest błędem danych, nie zmienia się po cichu).
double WartoscPola(tPole pole, double wartosc);
// Tekst pola dla wartości wpisanej (cofnięcie zmiany, plik stanu): format pola, gdy czyta się
// z niego ta sama liczba, inaczej najkrótsza postać ogólna; separator regionalny.
std::string TekstWpisanej(tPole pole, double wartosc);

// Wiersze pól szerokości z podpisem; podpis jest widoczny dokładnie wtedy, gdy pierwsze
// pole wiersza. Kolumny "Strona lewa" / "Strona prawa".
enum tWierszPol : int {
    wChodnik = 0,
    wDzwigar,
    wKraweznik,
    wOpaska,
    wNawierzchnia,
    wWspornik,
    wRozstaw,
    wPlyta,
    wLiczbaDzwigarow,
    wLiczbaPrzesel,
};
constexpr int LiczbaWierszyPol = 10;

struct tOpisWiersza {
    const char* Podpis;
    tPole Lewe;   // pierwsze pole wiersza
    int Prawe;    // pole prawej kolumny albo -1
};

const tOpisWiersza& OpisWiersza(tWierszPol wiersz);

// Czy pole szerokości (RxSE_*) jest widoczne dla rodzaju przekroju 0..6.
bool PoleWidoczne(tPole pole, int przekroj);
