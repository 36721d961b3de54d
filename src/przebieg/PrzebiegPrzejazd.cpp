// Przejazd pojazdu nienormatywnego w oknie głównym: wybrany pojazd oceniany na obiekcie okna
// przy każdym przeliczeniu, jak wszystko inne. Obiekt odrzucony nigdy nie dostaje przejazdu.
#include "common/Formatowanie.h"
#include "przebieg/Przebieg.h"

namespace {
const char* const WzorWiersza = "%s (U: %s) – %s, %s";
const char* const WzorOdrzucony = "%s (dane odrzucone) – %s, %s";
const char* const ZRuchem = "z ruchem";
const char* const Sam = "sam na obiekcie";
const char* const WzorPojazdu = "Pojazd: %s";
const char* const WzorObciazenia = "Obciążenie: %s";
const char* const WzorElementu = "Element rozstrzygający: %d %s, efekt %s";
const char* const WzorMasy = "Największa masa pojazdu o tym układzie osi: %s t";
const char* const BezOceny = "Obiekt bez oceny: dane odrzucone (powód w polu uwag)";
}  // namespace

tWynikPrzejazdu WynikPrzejazdu(const tWybranyPojazd& w, const tOcenaPrzejazdu* o)
{
    const tPojazd& p = w.Pojazd;
    const char* przypadek = w.Q > 0 ? ZRuchem : Sam;
    tWynikPrzejazdu wynik;
    wynik.Dopuszczalny = o && o->Dopuszczalny();
    const char* werdykt = TekstWerdyktu(wynik.Dopuszczalny);
    wynik.Tekst = o ? Format(WzorWiersza, {werdykt, TekstWykorzystania(*o), p.Nazwa, przypadek})
                    : Format(WzorOdrzucony, {werdykt, p.Nazwa, przypadek});
    wynik.Dymek = Format(WzorPojazdu, {p.Nazwa}) + '\n' + OpisPojazdu(p) + '\n' +
                  Format(WzorObciazenia, {OpisObciazenia(w.Q)}) + '\n';
    if (!o) {
        wynik.Dymek += BezOceny;
        return wynik;
    }
    if (o->Najgorszy > 0) {
        const tPrzejazdElementu& e = o->Elementy[o->Najgorszy - 1];
        wynik.Dymek += Format(WzorElementu, {e.Nr, e.Nazwa, std::string(1, o->Efekt)}) + '\n';
    }
    wynik.Dymek += Format(WzorMasy, {TekstMasy(o->MasaDopuszczalna())});
    return wynik;
}

void tGlownyPrzebieg::UstawPojazd(const std::optional<tWybranyPojazd>& pojazd)
{
    pojazd_ = pojazd;
    PrzeliczDane();
}

void tGlownyPrzebieg::OcenPrzejazdNaEkranie()
{
    if (!pojazd_) return widok_.UstawPrzejazd({});
    if (!ostatni_.Poprawne()) return widok_.UstawPrzejazd(WynikPrzejazdu(*pojazd_, nullptr));
    const tOcenaPrzejazdu ocena = OcenPrzejazd(obiekt_, pojazd_->Pojazd, pojazd_->Q);
    DodajPrzejazd(tabela_, ocena);
    widok_.UstawPrzejazd(WynikPrzejazdu(*pojazd_, &ocena));
}
