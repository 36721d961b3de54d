#pragma once
// Widok pojazdu nienormatywnego z boku: nadwozie, koła w osiach w skali poziomej, strzałki
// z naciskami osi [t] nad osiami i łańcuch rozstawów [m] pod kołami. Wspólny dla okna pojazdu
// i raportu oceny przejazdu; bez Qt.
#include <functional>
#include <string>

#include "common/Figury.h"
#include "wspprzec/PojazdNienormatywny.h"

// Szerokość napisu w jednostkach rysunku.
using tMiaraNapisu = std::function<double(const std::string&)>;

// Rysunek o podanej szerokości; wysokość wynika z wysokości tekstu. Napisy, które nie mieszczą
// się obok siebie, idą na przemian w dwóch wierszach, a gdy i tak się nakładają, zostają pominięte
// (naciski i rozstawy podaje też tabela osi). Pojazd bez osi daje pusty rysunek.
tFigury RysunekPojazdu(const tPojazd& pojazd, double szerokosc, double wysokoscTekstu, const tMiaraNapisu& miara);
