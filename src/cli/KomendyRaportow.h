#pragma once
// Polecenia raportów pontiva-cli: raport urzędowy, porównanie norm, sprawdzenie raportu.
// Argumenty to słowa po nazwie polecenia; wynik to kod wyjścia programu.
#include <string>
#include <vector>

int KomendaRaport(const std::vector<std::string>& argumenty);
int KomendaNormy(const std::vector<std::string>& argumenty);
int KomendaSprawdz(const std::vector<std::string>& argumenty);
