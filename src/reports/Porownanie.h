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

// Wiersze porównania (UTF-8, bez końców wierszy). Naglowek daje wiersze opisu obiektu;
// na obiekcie Obliczany (obiekt okna) ustawiane są kolejno Normatyw i Klasa i liczone
// sprawdzenia i Oblicz. Po powrocie Obliczany zostaje z ostatnią parą (DIN 1072, kl. III).
std::vector<std::string> WierszePorownania(const tObiektMostowy& Naglowek, tObiektMostowy& Obliczany,
                                           const tInfoObiektu& Info);

// Wiersze połączone podanym końcem wiersza (każdy wiersz z końcem).
std::string PolaczWiersze(const std::vector<std::string>& Wiersze, const char* Koniec);

// Zapisuje porównanie do pliku zapisem atomowym (stary plik zostaje przy każdym błędzie).
// Plik tymczasowy powstaje przed przeliczeniami; gdy nie da się go utworzyć ani zapisać:
// false i Komunikat "Błąd zapisu pliku.\r" + ścieżka.
bool ZapiszPorownanie(const tObiektMostowy& Naglowek, tObiektMostowy& Obliczany, const tInfoObiektu& Info,
                      const std::string& Sciezka, std::string& Komunikat);
