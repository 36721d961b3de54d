#pragma once
// Polecenia "oblicz" i "slad" pontiva-cli: plik roboczy wczytany jak poleceniem
// "Wczytaj" i przeliczony jak w oknie (ten sam przebieg na widoku w pamięci).
#include <string>
#include <vector>

int KomendaOblicz(const std::vector<std::string>& argumenty);
int KomendaSlad(const std::vector<std::string>& argumenty);

// Kody wyjścia.
constexpr int KodPoprawny = 0;
constexpr int KodOdrzucone = 1;
constexpr int KodUzycie = 2;

// Ustawia separator dziesiętny z "--separator" (",", ".") albo ze środowiska, gdy pusty;
// false dla innej wartości.
bool UstawSeparator(const std::string& wartosc);
