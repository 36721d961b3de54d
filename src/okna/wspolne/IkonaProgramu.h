#pragma once
// Ikona programu: łukowy most nad wodą z ciężarówką na pomoście, rysowana w kodzie,
// by nie zależeć od plików graficznych.
#include <QIcon>
#include <QPixmap>

QPixmap RysunekIkony(int rozmiar);
// Ikona w rozmiarach 16..256 dla okien i paska zadań.
QIcon IkonaProgramu();
