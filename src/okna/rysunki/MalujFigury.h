#pragma once
// Malowanie rysunku wyliczonego bez Qt (common/Figury.h) czarną linią na QPainter; jednostki
// rysunku to piksele, napisy czcionką malarza.
class QPainter;
struct tFigury;

void MalujFigury(QPainter& p, const tFigury& figury);
