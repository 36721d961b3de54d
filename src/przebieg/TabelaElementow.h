#pragma once
// Wyniki wszystkich elementów ostatniego udanego przeliczenia jako tabela panelu
// "Elementy": wiersze, teksty komórek i opisy elementów w dymkach. Po odrzuceniu
// danych tabela nie ma wierszy, tylko jeden wiersz powodu.
#include <string>
#include <vector>

#include "wspprzec/PojazdNienormatywny.h"

class tObiektMostowy;
struct tOcenaPrzejazdu;
struct tWynikPrzeliczenia;

struct tWierszElementu {
    int Numer = 0;  // numer elementu w obiekcie (od 1)
    std::string Nazwa;
    int Rodzaj = 0;
    double Dlugosc = 0, LM = 0, LT = 0, M1N = 0, TN = 0, MP = 0, TP = 0, Masa = 0;
    bool DecydujeSila = false;  // masę elementu wyznacza siła (TP), nie moment (MP)
    tWykorzystanie Wykorzystanie;  // przez wybrany pojazd nienormatywny (tylko ZPrzejazdem)
    bool operator==(const tWierszElementu&) const = default;
};

struct tTabelaElementow {
    std::vector<tWierszElementu> Wiersze;
    int Najgorszy = -1;  // indeks wiersza elementu decydującego o nośności; -1 brak
    std::string Odmowa;  // jeden wiersz po odrzuceniu danych; pusty po udanym przeliczeniu
    bool ZPrzejazdem = false;  // wybrano pojazd nienormatywny: kolumna "Wykorzystanie"
};

// Znak elementu decydującego o nośności: w kolumnie "Nr" i w widoku podłużnym.
inline constexpr const char* ZnakNajgorszego = "▼";

enum tKolumnaElementow : int {
    kNr = 0,
    kElement,
    kRodzaj,
    kDlugosc,
    kLM,
    kLT,
    kM1N,
    kTN,
    kMP,
    kTP,
    kMasa,
    kDecyduje,
    LiczbaKolumnElementow,
    // Tylko z wybranym pojazdem nienormatywnym, za pozostałymi.
    kWykorzystanie = LiczbaKolumnElementow,
};

// Tabela dla obiektu po przeliczeniu z podanym wynikiem etapów.
tTabelaElementow TabelaElementow(const tObiektMostowy& obiekt, const tWynikPrzeliczenia& wynik);

// Wykorzystanie elementów przez pojazd (ocena tego samego obiektu): kolumna "Wykorzystanie".
void DodajPrzejazd(tTabelaElementow& tabela, const tOcenaPrzejazdu& ocena);
// Kolumny tabeli: bez pojazdu LiczbaKolumnElementow, z pojazdem także kWykorzystanie.
int LiczbaKolumn(const tTabelaElementow& tabela);

std::string NaglowekKolumny(int kolumna);
// Kolumny liczbowe są wyrównane do prawej.
bool KolumnaLiczbowa(int kolumna);
// Tekst komórki tak, jak go widzi użytkownik: separator regionalny, "—" dla wartości,
// która nie dotyczy, numer elementu decydującego ze znakiem "▼".
std::string TekstKomorki(const tTabelaElementow& tabela, int wiersz, int kolumna);
// Wiersz stanu panelu: powód odrzucenia danych albo element decydujący o nośności.
std::string WierszStanu(const tTabelaElementow& tabela);
// Cały wiersz jako "Nagłówek: wartość" w kolejnych liniach (dymek widoku podłużnego).
std::string OpisWierszaElementu(const tTabelaElementow& tabela, int wiersz);
// Dymek elementu na szkicu: nazwa, długość i (po udanym przeliczeniu) masa pojazdu.
std::string OpisElementuSzkicu(const tObiektMostowy& obiekt, int element, const tTabelaElementow& tabela);
