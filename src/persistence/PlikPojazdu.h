#pragma once
// Plik pojazdu nienormatywnego *.PJZ: tekst INI w Windows-1250 z CR LF, sekcja POJAZD z kluczami
// NAZWA (nieobowiązkowa), OSIE, P1 … Pn (naciski osi [t]) i S1 … Sn−1 (rozstawy [m]). Liczby
// z "," albo ".". Odczyt niczego nie zgaduje ani nie przycina: brak klucza, tekst, który nie jest
// liczbą, i wartość spoza zakresu odrzucają plik z nazwą klucza.
#include <string>

#include "persistence/PlikIni.h"
#include "wspprzec/PojazdNienormatywny.h"

constexpr double MaksNaciskOsi = 100;  // [t], nacisk większy od 0
constexpr double MinRozstawOsi = 0.3;  // [m]
constexpr double MaksRozstawOsi = 50;  // [m]

// Pojazd z sekcji POJAZD; bez NAZWA nazwą jest nazwaDomyslna. false i komunikat z kluczem
// ("[POJAZD] P2 = "12t": to nie jest liczba").
bool CzytajPojazd(const tPlikIni& ini, const std::string& nazwaDomyslna, tPojazd& pojazd, std::string& komunikat);
// Plik z dysku; nazwa domyślna to nazwa pliku bez katalogu i rozszerzenia. Komunikat nazywa plik.
bool WczytajPojazd(const std::string& sciezka, tPojazd& pojazd, std::string& komunikat);
// Zapis atomowy (stary plik zostaje przy błędzie); liczby z separatorem regionalnym jak w pliku roboczym.
bool ZapiszPojazd(const std::string& sciezka, const tPojazd& pojazd, std::string& komunikat);
