#pragma once
// Polecenia rejestru obiektów pontiva-cli: zestawienie katalogu (rejestr) i porównanie dwóch
// ocen (roznice). Argumenty to słowa po nazwie polecenia; wynik to kod wyjścia programu.
#include <string>
#include <vector>

int KomendaRejestr(const std::vector<std::string>& argumenty);
int KomendaRoznice(const std::vector<std::string>& argumenty);
