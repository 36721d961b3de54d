#pragma once
// Przejazd pojazdu nienormatywnego przez obiekty z plików roboczych: każdy plik oceniony jak
// w rejestrze (ten sam przebieg i te same odmowy co pontiva-cli oblicz), a obiekt przeliczony
// oceną przejazdu. Zestawienie CSV i raport RTF "Ocena przejazdu pojazdu nienormatywnego".
#include <string>
#include <vector>

#include "core/Przejazd.h"
#include "rejestr/Rejestr.h"

struct tWierszPrzejazdu {
    tWierszRejestru Obiekt;  // identyfikacja, KATEGORIA, etap i komunikat odmowy
    tOcenaPrzejazdu Ocena;   // tylko przy Obiekt.Poprawny
    // Obiekt odrzucony albo nieprzeliczony nigdy nie jest dopuszczony.
    bool Dopuszczalny() const { return Obiekt.Poprawny && Ocena.Dopuszczalny(); }
};

tWierszPrzejazdu OcenPrzejazdPliku(tOceniacz& oceniacz, const std::string& sciezka, const std::string& nazwa,
                                   const tPojazd& pojazd, double q);

// Pierwszy wiersz CSV (bez końca wiersza).
extern const char* const NaglowekPrzejazdu;
// CSV: nagłówek i wiersze (UTF-8 bez znacznika BOM, wiersze kończy LF).
std::string PrzejazdCsv(const std::vector<const tWierszPrzejazdu*>& wiersze);
// Raport RTF: data, pojazd (tabela osi, masa, długość, rysunek), przypadek obciążenia, wiersz
// na obiekt, podsumowanie i założenia metody.
std::string RaportPrzejazdu(const std::vector<const tWierszPrzejazdu*>& wiersze, const tPojazd& pojazd, double q,
                            const std::string& data);
// Zapis atomowy; format z rozszerzenia (.csv z BOM albo .rtf). false i komunikat przy błędzie.
bool ZapiszOcenePrzejazdu(const std::string& sciezka, const std::vector<const tWierszPrzejazdu*>& wiersze,
                          const tPojazd& pojazd, double q, const std::string& data, std::string& blad);
// "Przejazd dopuszczalny przez N z M obiektów".
std::string PodsumowaniePrzejazdu(const std::vector<const tWierszPrzejazdu*>& wiersze);
