#pragma once
// Pytanie Tak / Nie (i Anuluj) w oknie komunikatu z polskimi napisami przycisków także bez
// tłumaczenia Qt w systemie; domyślna i Esc to odpowiedź bezpieczna (Anuluj albo Nie).
#include <string>

#include "przebieg/Widok.h"

class QWidget;

tOdpowiedz Zapytaj(QWidget* rodzic, const std::string& tytul, const std::string& tekst, bool zAnuluj);
