#include "przebieg/SprawdzPola.h"

#include <cmath>

#include "common/Formatowanie.h"
#include "przebieg/Przebieg.h"

namespace {

const char* const NieLiczba = "%s: to nie jest liczba";
const char* const PozaZakresem = "%s: dozwolone od %s do %s";

void Dodaj(tBladPol& b, tPole pole, tEtap etap, const std::string& komunikat)
{
    if (b.Pola.empty()) b.Wynik = {etap, komunikat};
    b.Pola.push_back(pole);
}

// Tekst, który nie jest liczbą, albo liczba spoza zakresu pola (wpisana, nieprzycięta).
void SprawdzPole(tBladPol& b, const Widok& w, tPole pole, tEtap etap, const std::string& nazwa, double wartosc)
{
    const tOpisPola& o = OpisPola(pole);
    if (!w.JestLiczba(pole))
        Dodaj(b, pole, etap, Format(NieLiczba, {nazwa}));
    else if (wartosc < o.Min || wartosc > o.Max)
        Dodaj(b, pole, etap, Format(PozaZakresem, {nazwa, LiczbaOgolna(o.Min), LiczbaOgolna(o.Max)}));
}

}  // namespace

tBladPol SprawdzPola(const Widok& w)
{
    tBladPol b;
    const int przekroj = w.Wybor(tLista::CBPrzeslo);
    for (int p = 0; p < LiczbaPolSzerokosci; ++p) {
        const tPole pole = static_cast<tPole>(p);
        if (PoleWidoczne(pole, przekroj)) SprawdzPole(b, w, pole, tEtap::Parametry, OpisPola(pole).Opis, w.Wartosc(pole));
    }
    const int schemat = w.Wybor(tLista::CBSchemat);
    const double n = std::trunc(w.Wartosc(IlePrzesel));
    if (PokazLiczbePrzesel(schemat)) SprawdzPole(b, w, IlePrzesel, tEtap::Dlugosci, OpisWiersza(wLiczbaPrzesel).Podpis, n);
    const std::vector<tWierszPrzesla> wiersze = WierszePrzesel(schemat, static_cast<int>(n));
    for (int i = 1; i <= static_cast<int>(wiersze.size()); ++i)
        SprawdzPole(b, w, PoleDlugosci(i), tEtap::Dlugosci, wiersze[i - 1].Podpis, w.Wartosc(PoleDlugosci(i)));
    return b;
}
