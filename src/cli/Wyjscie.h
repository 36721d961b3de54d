#pragma once
// Zapis wyników w formatach wyjścia pontiva-cli: JSON Lines i CSV. Wyjście w UTF-8.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Csv.h"   // DopiszKomorkeCsv
#include "common/Json.h"  // DopiszJsonNapis, DopiszJsonLiczbe
#include "persistence/PlikRoboczy.h"

// Separator dziesiętny bez --separator: z ustawień regionalnych systemu, a gdy system
// zostawia je środowisku, ze zmiennych LC_ALL, LC_NUMERIC, LANG.
char SeparatorUzytkownika();

// Tekst dla człowieka: CR, LF i CR LF jako "\n", w wierszach błędny UTF-8 jako U+FFFD i znaki
// sterujące jako "?" (TekstWidoczny), więc tekst z pliku nie steruje terminalem.
std::string Wiersze(std::string_view tekst);
// Wiersze(tekst) i "\n" do pliku (standardowe wyjście albo wyjście błędów).
void Pisz(std::FILE* plik, std::string_view tekst);

// Odmowa wczytania pliku na standardowe wyjście błędów.
void PokazOdmowe(const std::string& komunikat);
// Jeden wiersz ostrzeżenia na standardowe wyjście błędów na każdą nieczytelną liczbę pliku.
void PokazNieczytelne(const std::string& plik, const std::vector<tNieczytelnaLiczba>& nieczytelne);

// Standardowe wyjście pisane całymi rekordami (wiersz CSV, obiekt JSON, wiersz śladu): każdy
// rekord idzie jednym wywołaniem zapisu, więc przerwany program zostawia tylko całe rekordy
// (rekord do 4 KiB na potoku jest zapisem niepodzielnym). Po błędzie zapisu nic więcej nie pisze.
class tWyjscie {
public:
    tWyjscie() = default;
    ~tWyjscie() { Oproznij(); }
    tWyjscie(const tWyjscie&) = delete;
    tWyjscie& operator=(const tWyjscie&) = delete;
    std::string& Bufor() { return bufor_; }
    void Dopisz(std::string_view s) { bufor_ += s; }
    // Koniec rekordu: zapisuje bufor.
    void Zapisano() { Oproznij(); }
    void Oproznij();
    // Czy któryś zapis standardowego wyjścia się nie powiódł.
    static bool Blad() { return blad_; }

private:
    std::string bufor_;
    static inline bool blad_ = false;
};
