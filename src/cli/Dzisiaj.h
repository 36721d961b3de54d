#pragma once
// Dzisiejsza data w krótkim formacie ustawień regionalnych (raport, zestawienie rejestru).
#include <string>

std::string Dzisiaj();
