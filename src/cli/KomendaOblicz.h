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

// Pliki do oceny z argumentu: plik wprost albo każdy *.PTV katalogu w kolejności nazw. Czy plik
// da się przeczytać i czy jest plikiem roboczym, mówi dopiero jego wczytanie. false po komunikacie
// (nie ma pliku ani katalogu, katalog bez plików roboczych).
bool ZbierzPliki(const std::string& arg, std::vector<std::string>& pliki);

// Ustawia separator dziesiętny z "--separator" (",", ".") albo ze środowiska, gdy pusty;
// false dla innej wartości.
bool UstawSeparator(const std::string& wartosc);
