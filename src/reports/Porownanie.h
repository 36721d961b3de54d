#pragma once
// Porównanie norm: ten sam obiekt przeliczony dla każdego normatywu i każdej jego klasy
// (23 przeliczenia: 5 klas PN-85 i po 3 klasy sześciu pozostałych), zapisywany jako
// PTU.TXT (Windows-1250, CR LF) albo jako tekst.
#include <string>
#include <vector>

#include "core/InfoObiektu.h"
#include "core/ObiektMostowy.h"

// Tytuł podglądu porównania w oknie tekstowym.
extern const char* const TytulPorownania;
// Początek komunikatu o pliku porównania (lub wykresu), którego nie da się zapisać.
extern const char* const KomBladZapisuPorownania;

// Wynik jednego przeliczenia porównania: para normatyw i klasa, wyniki obiektu albo
// komunikat pierwszego sprawdzenia (lub Oblicz), które odrzuciło dane.
struct tPrzeliczenieNormy {
    int Normatyw = 0;
    int Klasa = 0;
    bool Poprawne = false;
    double M1N = 0, TN = 0, MP = 0, TP = 0, Masa = 0;
    std::string Komunikat;
};
using tPorownanie = std::vector<tPrzeliczenieNormy>;

// 23 przeliczenia w kolejności porównania (PN-85 A…E, PN-66, 1956, 1952, 1945, 1926,
// DIN 1072). Na obiekcie Obliczany (obiekt okna) ustawiane są kolejno Normatyw i Klasa
// i liczone sprawdzenia i Oblicz; po powrocie zostaje z ostatnią parą (DIN 1072, kl. III).
tPorownanie PrzeliczNormy(tObiektMostowy& Obliczany);

// Wiersze porównania (UTF-8, bez końców wierszy). Naglowek daje wiersze opisu obiektu,
// Przeliczenia wiersze klas.
std::vector<std::string> WierszePorownania(const tObiektMostowy& Naglowek, const tPorownanie& Przeliczenia,
                                           const tInfoObiektu& Info);
// To samo z przeliczeniami wykonanymi na obiekcie Obliczany (PrzeliczNormy).
std::vector<std::string> WierszePorownania(const tObiektMostowy& Naglowek, tObiektMostowy& Obliczany,
                                           const tInfoObiektu& Info);

// Wiersze połączone podanym końcem wiersza (każdy wiersz z końcem).
std::string PolaczWiersze(const std::vector<std::string>& Wiersze, const char* Koniec);

// Zapisuje porównanie do pliku zapisem atomowym (stary plik zostaje przy każdym błędzie).
// Plik tymczasowy powstaje przed przeliczeniami; gdy nie da się go utworzyć ani zapisać:
// false i Komunikat "Błąd zapisu pliku.\r" + ścieżka. Przeliczenia (gdy podane) dostają
// wyniki zapisanych przeliczeń, np. dla wykresu.
bool ZapiszPorownanie(const tObiektMostowy& Naglowek, tObiektMostowy& Obliczany, const tInfoObiektu& Info,
                      const std::string& Sciezka, std::string& Komunikat, tPorownanie* Przeliczenia = nullptr);
