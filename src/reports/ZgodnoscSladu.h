#pragma once
// Zgodność śladu obliczeń raportu z jego treścią objętą kodem kontrolnym. Ślad nie wchodzi do
// tekstu kontrolnego, ale jego wiersze muszą się zgadzać z tabelami i nośnością: nagłówek
// z przekrojem i schematem, liczba elementów i długości z rozpiętościami, wyniki każdego
// elementu z wierszami jego stron i pojazdu, wariant najgorszy z wynikami elementów,
// NOŚNOŚĆ z punktem 5. Pozostałych wierszy (pośrednich wartości modeli) nie da się
// sprawdzić bez przeliczenia obiektu.
#include <string>

#include "reports/Raport.h"

// Opis pierwszej niezgodności ("element 2: [MASA POJAZDU] = …, a w wariancie …"); pusty,
// gdy ślad zgadza się z treścią raportu.
std::string NiezgodnoscSladu(const tTrescRaportu& Tresc);
