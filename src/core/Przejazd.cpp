#include "core/Przejazd.h"

#include <algorithm>
#include <cmath>

#include "common/Formatowanie.h"

tOcenaPrzejazdu OcenPrzejazd(const tObiektMostowy& obiekt, const tPojazd& pojazd, double q)
{
    const tPociag pociag(pojazd);
    tOcenaPrzejazdu o;
    o.MasaPojazdu = pojazd.Masa();
    bool bezNosnosci = false;
    for (int i = 1; i <= obiekt.LiczbaElementow; ++i) {
        const tElement& e = obiekt.Elementy[i];
        tPrzejazdElementu p{i, e.Nazwa, e.LM, e.LT, e.MP, e.TP, EfektyPojazdu(pociag, e.LM, e.LT, q), {}};
        p.Wykorzystanie = WykorzystanieElementu(p.Efekty, e.MP, e.TP);
        const tWykorzystanie& w = p.Wykorzystanie;
        o.Lambda = std::min(o.Lambda, w.Lambda);
        // Element bez nośności ma wykorzystanie nieskończone: rozstrzyga pierwszy taki.
        if (!bezNosnosci && w.Efekt != 0 && (!w.Nosnosc || o.Najgorszy < 0 || w.U > o.U)) {
            o.Najgorszy = i;
            o.Efekt = w.Efekt;
            o.U = w.U;
            bezNosnosci = !w.Nosnosc;
        }
        o.Elementy.push_back(p);
    }
    o.Nosnosc = o.Najgorszy > 0 && !bezNosnosci;
    if (!o.Nosnosc) o.U = 0;
    return o;
}

const char* const TekstBrakNosnosci = "brak nośności";

namespace {

const char* const TekstDopuszczalny = "PRZEJAZD DOPUSZCZALNY";
const char* const TekstNiedopuszczalny = "PRZEJAZD NIEDOPUSZCZALNY";
const char* const TekstBrak = "–";
const char* const WzorZRuchem = "z ruchem: pojazd i obciążenie równomierne q = %s kN/m na całej długości przęseł";
const char* const TekstSam = "pojazd sam na obiekcie: bez obciążenia równomiernego (q = 0)";
// Margines szumu zaokrągleń przy zaokrąglaniu w górę i w dół do setnych.
constexpr double Szum = 1e-9;

std::string Setne(double v) { return LiczbaStala(v / 100, 2); }

}  // namespace

const char* TekstWerdyktu(bool dopuszczalny) { return dopuszczalny ? TekstDopuszczalny : TekstNiedopuszczalny; }

std::string TekstWykorzystania(const tWykorzystanie& w)
{
    if (!w.Nosnosc) return TekstBrakNosnosci;
    return w.Efekt ? Setne(std::ceil(w.U * 100 - Szum)) : TekstBrak;
}

std::string TekstWykorzystania(const tOcenaPrzejazdu& o)
{
    if (!o.Nosnosc) return o.Najgorszy > 0 ? TekstBrakNosnosci : TekstBrak;
    return Setne(std::ceil(o.U * 100 - Szum));
}

std::string TekstMasy(double masa) { return masa == BezOgraniczenia ? TekstBrak : Setne(std::floor(masa * 100 + Szum)); }

std::string OpisObciazenia(double q) { return q > 0 ? Format(WzorZRuchem, {LiczbaOgolna(q)}) : TekstSam; }
