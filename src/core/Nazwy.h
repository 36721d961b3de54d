#pragma once
// Nazwy wyliczeń wyświetlane użytkownikowi i drukowane w raportach.
#include <string>
#include <vector>

std::string NazwaPrzekroju(int przekroj);
std::string NazwaSchematu(int schemat);
// Nazwa normatywu w raportach ("Normatyw-1926r.", "PN-85/S-10030", ...).
std::string NazwaNormatywu(int normatyw);
// Nazwa normatywu na liście okna ("Normatyw - 1926", "DIN-1072 (1931)", ...).
std::string NazwaNormatywuNaLiscie(int normatyw);
std::string NazwaRodzaju(int rodzaj);
// Krótka nazwa klasy: litera A–E dla PN-85/S-10030, inaczej cyfra rzymska I–V.
std::string NazwaKlasy(int normatyw, int klasa);
// Pozycje listy klas danego normatywu ("Klasa I", ..., "Klasa \"A\"", ...).
std::vector<std::string> KlasyNormatywu(int normatyw);
