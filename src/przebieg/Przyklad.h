#pragma once
// Obiekt, którym okno zaczyna przy pierwszym uruchomieniu (bez pliku stanu): belka swobodnie
// podparta z przykładów programu (przyklady/belka.PTV), wbudowana, by pierwszy ekran
// pokazywał wynik, a nie błąd pustego przekroju.
#include "persistence/PlikRoboczy.h"

tDanePliku DanePrzykladu();
