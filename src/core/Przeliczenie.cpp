#include "core/Przeliczenie.h"

tWynikPrzeliczenia SprawdzIOblicz(tObiektMostowy& obiekt)
{
    tWynikPrzeliczenia w;
    if (!obiekt.SprawdzParametry(w.Komunikat))
        w.Etap = tEtap::Parametry;
    else if (!obiekt.SprawdzSumy(w.Komunikat))
        w.Etap = tEtap::Sumy;
    else if (!obiekt.SprawdzDlugosci(w.Komunikat))
        w.Etap = tEtap::Dlugosci;
    else if (!obiekt.Oblicz(w.Komunikat))
        w.Etap = tEtap::Oblicz;
    else
        w.Komunikat.clear();
    return w;
}
