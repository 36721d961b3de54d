#include "przebieg/SprawdzPola.h"

#include <cmath>

#include "common/Formatowanie.h"
#include "przebieg/Przebieg.h"

namespace {

const char* const NieLiczba = "%s: to nie jest liczba";
const char* const PrzeselPozaEdytorem = "%s: dozwolone od %d do %d";

void Dodaj(tBladPol& b, tPole pole, tEtap etap, const std::string& komunikat)
{
    if (b.Pola.empty()) b.Wynik = {etap, komunikat};
    b.Pola.push_back(pole);
}

}  // namespace

tBladPol SprawdzPola(const Widok& w)
{
    tBladPol b;
    const int przekroj = w.Wybor(tLista::CBPrzeslo);
    for (int p = 0; p < LiczbaPolSzerokosci; ++p) {
        const tPole pole = static_cast<tPole>(p);
        if (PoleWidoczne(pole, przekroj) && !w.JestLiczba(pole))
            Dodaj(b, pole, tEtap::Parametry, Format(NieLiczba, {OpisPola(pole).Opis}));
    }
    const int schemat = w.Wybor(tLista::CBSchemat);
    if (PokazLiczbePrzesel(schemat)) {
        const char* nazwa = OpisWiersza(wLiczbaPrzesel).Podpis;
        const tOpisPola& o = OpisPola(IlePrzesel);
        const double n = std::trunc(w.Wartosc(IlePrzesel));
        if (!w.JestLiczba(IlePrzesel))
            Dodaj(b, IlePrzesel, tEtap::Dlugosci, Format(NieLiczba, {nazwa}));
        else if (n < o.Min || n > o.Max)
            Dodaj(b, IlePrzesel, tEtap::Dlugosci,
                  Format(PrzeselPozaEdytorem, {nazwa, static_cast<int>(o.Min), static_cast<int>(o.Max)}));
    }
    const std::vector<tWierszPrzesla> wiersze = WierszePrzesel(schemat, static_cast<int>(std::trunc(w.Wartosc(IlePrzesel))));
    for (int i = 1; i <= static_cast<int>(wiersze.size()); ++i)
        if (!w.JestLiczba(PoleDlugosci(i)))
            Dodaj(b, PoleDlugosci(i), tEtap::Dlugosci, Format(NieLiczba, {wiersze[i - 1].Podpis}));
    return b;
}
