#pragma once
// Zapis wyników w formatach wyjścia pontiva-cli: JSON Lines i CSV. Wyjście w UTF-8.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Csv.h"  // DopiszKomorkeCsv
#include "persistence/PlikRoboczy.h"

// Napis JSON w cudzysłowach; znaki sterujące jako sekwencje ucieczki, błędne bajty
// UTF-8 (np. w nazwie pliku) jako U+FFFD.
void DopiszJsonNapis(std::string& cel, std::string_view napis);
// Liczba JSON w najkrótszej dokładnej postaci; null dla 1e20 i wartości nieskończonych.
void DopiszJsonLiczbe(std::string& cel, double wartosc);
// Separator dziesiętny bez --separator: z ustawień regionalnych systemu, a gdy system
// zostawia je środowisku, ze zmiennych LC_ALL, LC_NUMERIC, LANG.
char SeparatorUzytkownika();

// Odmowa wczytania pliku na standardowe wyjście błędów.
void PokazOdmowe(const std::string& komunikat);
// Jeden wiersz ostrzeżenia na standardowe wyjście błędów na każdą nieczytelną liczbę pliku.
void PokazNieczytelne(const std::string& plik, const std::vector<tNieczytelnaLiczba>& nieczytelne);

// Bufor wyjścia opróżniany blokami.
class tWyjscie {
public:
    explicit tWyjscie(std::FILE* plik) : plik_(plik) {}
    ~tWyjscie() { Oproznij(); }
    std::string& Bufor() { return bufor_; }
    void Dopisz(std::string_view s) { bufor_ += s; }
    void Oproznij();
    // Oproznia, gdy bufor jest duży.
    void Zapisano()
    {
        if (bufor_.size() > (1u << 16)) Oproznij();
    }

private:
    std::FILE* plik_;
    std::string bufor_;
};
