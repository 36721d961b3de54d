#pragma once
// Wykres porównania norm jako rysunek SVG 1.1 (UTF-8): te same figury i napisy, które
// rysuje okno. Teksty (także identyfikacja obiektu wpisana przez użytkownika) są
// zamieniane na odwołania do znaków XML.
#include <string>

#include "reports/WykresPorownania.h"

std::string WykresSvg(const tWykresPorownania& Wykres);

// Zapisuje wykres do pliku SVG (zastępując go); przy błędzie false i Komunikat
// "Błąd zapisu pliku.\r" + ścieżka.
bool ZapiszWykresSvg(const tWykresPorownania& Wykres, const std::string& Sciezka, std::string& Komunikat);
