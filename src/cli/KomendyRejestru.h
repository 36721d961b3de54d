#pragma once
// Polecenia rejestru obiektów pontiva-cli: zestawienie katalogu (rejestr), porównanie dwóch
// ocen (roznice) i przejazd pojazdu nienormatywnego (przejazd). Argumenty to słowa po nazwie polecenia; wynik to kod wyjścia programu.
#include <string>
#include <vector>

int KomendaRejestr(const std::vector<std::string>& argumenty);
int KomendaRoznice(const std::vector<std::string>& argumenty);
// Przejazd pojazdu nienormatywnego przez obiekty (pliki i katalogi jak w oblicz).
int KomendaPrzejazd(const std::vector<std::string>& argumenty);
