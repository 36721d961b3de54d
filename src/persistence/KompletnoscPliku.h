#pragma once
// Wpisy pliku roboczego, do których odczyt coś dopowiada, choć są liczbami: pusta wartość
// albo brak klucza, który zapis programu zawsze pisze (OBIEKT, PP, PD L1…Lk dla schematu
// i liczby przęseł), klucz albo sekcja podane drugi raz (odczyt bierze pierwsze, późniejsza
// poprawka przepada) i wiersze PD spoza schematu. Plik zapisany przez program nie ma żadnego.
// INFO jest opcjonalna (zapis pomija ją przy pustym JNI), jej teksty mogą być puste.
#include <vector>

#include "persistence/PlikRoboczy.h"

// Dopisuje takie wpisy do listy nieczytelnych (styl OpisNieczytelnej); d to dane przeczytane
// z tego pliku.
void DopiszNiekompletne(const tPlikIni& ini, const tDanePliku& d, std::vector<tNieczytelnaLiczba>& lista);
