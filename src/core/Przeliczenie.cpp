#include "core/Przeliczenie.h"

namespace {

const char* const NaglowekParametrow = "BŁĄD PRZEKROJU POPRZECZNEGO";
const char* const NaglowekSum = "BŁĄD WYMIARÓW PRZEKROJU POPRZECZNEGO";
const char* const NaglowekDlugosci = "BŁĄD PRZEKROJU PODŁUŻNEGO";
const char* const NaglowekObliczen = "BŁĄD OBLICZEŃ :";

}  // namespace

tWynikPrzeliczenia SprawdzIOblicz(tObiektMostowy& obiekt)
{
    tWynikPrzeliczenia w;
    // Przęsła schematu przed trzema sprawdzeniami: błąd przekroju podłużnego jak długości.
    if (!obiekt.SprawdzPrzesla(w.Komunikat))
        w.Etap = tEtap::Dlugosci;
    else if (!obiekt.SprawdzParametry(w.Komunikat))
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

const char* NaglowekBledu(tEtap etap)
{
    switch (etap) {
    case tEtap::Parametry: return NaglowekParametrow;
    case tEtap::Sumy: return NaglowekSum;
    case tEtap::Dlugosci: return NaglowekDlugosci;
    case tEtap::Oblicz: return NaglowekObliczen;
    case tEtap::Brak: break;
    }
    return "";
}

const char* NazwaEtapu(tEtap etap)
{
    switch (etap) {
    case tEtap::Parametry: return "parametry";
    case tEtap::Sumy: return "sumy";
    case tEtap::Dlugosci: return "dlugosci";
    case tEtap::Oblicz: return "oblicz";
    case tEtap::Brak: break;
    }
    return "";
}
