#pragma once
// Zbiory rodzajów przekroju (0..6), dla których raporty drukują dany wiersz.
#include <initializer_list>

constexpr unsigned ZbiorPrzekrojow(std::initializer_list<int> przekroje)
{
    unsigned maska = 0;
    for (int p : przekroje) maska |= 1u << p;
    return maska;
}

constexpr bool NalezyDoZbioru(unsigned zbior, int przekroj)
{
    return przekroj >= 0 && przekroj < 7 && (zbior & (1u << przekroj)) != 0;
}
