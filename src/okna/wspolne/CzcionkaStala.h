#pragma once
// Czcionka stałej szerokości znaków tekstów programu (ślad, zestawienia, raport): Courier New,
// a gdy jej nie ma, najbliższa czcionka systemu o stałej szerokości.
#include <QFont>

QFont CzcionkaStala(qreal punkty);
