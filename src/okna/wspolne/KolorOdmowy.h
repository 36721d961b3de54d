#pragma once
// Barwa odmowy: powód odrzucenia danych w panelu "Elementy" i wiersze odrzucone w rejestrze.
#include <QColor>

inline const QColor KolorOdmowy(192, 0, 0);
