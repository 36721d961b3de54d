#pragma once
// Polecenia pomocnicze (nieopisane w pomocy): przykładowe pliki robocze katalogu
// przyklady/ i pliki do pomiaru wydajności, zapisane przez ZapiszDane programu.
#include <string>
#include <vector>

// _przyklady KATALOG
int KomendaPrzyklady(const std::vector<std::string>& argumenty);
// _generuj KATALOG LICZBA
int KomendaGeneruj(const std::vector<std::string>& argumenty);
