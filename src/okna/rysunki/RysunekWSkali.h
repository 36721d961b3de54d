#pragma once
// Rysowanie przekroju poprzecznego w skali (geometria z ui/PrzekrojWSkali): jedna skala
// w obu kierunkach dobrana do prostokąta, łańcuchy wymiarów z wartościami w metrach,
// przy niezgodnych sumach obie sumy i różnica na czerwono.
#include <QRectF>

#include "przebieg/PrzekrojWSkali.h"

class QPainter;

void RysujPrzekrojWSkali(QPainter& malarz, const tPrzekrojWSkali& przekroj, const QRectF& cel);
