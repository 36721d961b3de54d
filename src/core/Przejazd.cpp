#include "core/Przejazd.h"

#include <algorithm>
#include <cmath>

#include "common/Formatowanie.h"

std::vector<tNosnoscElementu> NosnosciElementow(const tObiektMostowy& obiekt)
{
    std::vector<tNosnoscElementu> n;
    for (int i = 1; i <= obiekt.LiczbaElementow; ++i) {
        const tElement& e = obiekt.Elementy[i];
        n.push_back({i, e.Nazwa, e.LM, e.LT, e.MP, e.TP});
    }
    return n;
}

tOcenaPrzejazdu OcenPrzejazd(const tObiektMostowy& obiekt, const tPojazd& pojazd, double q)
{
    return OcenPrzejazd(NosnosciElementow(obiekt), pojazd, q);
}

tOcenaPrzejazdu OcenPrzejazd(const std::vector<tNosnoscElementu>& elementy, const tPojazd& pojazd, double q)
{
    const tPociag pociag(pojazd);
    tOcenaPrzejazdu o;
    o.MasaPojazdu = pojazd.Masa();
    bool bezNosnosci = false;
    for (const tNosnoscElementu& e : elementy) {
        const int i = e.Nr;
        tPrzejazdElementu p{e, EfektyPojazdu(pociag, e.LM, e.LT, q), {}};
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
const char* const WzorOpisuPojazdu = "Masa całkowita: %s t; liczba osi: %d; rozstaw skrajnych osi: %s m";
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

std::string OpisPojazdu(const tPojazd& p)
{
    return Format(WzorOpisuPojazdu, {LiczbaOgolna(p.Masa()), static_cast<int>(p.Naciski.size()), LiczbaOgolna(p.Dlugosc())});
}

std::string OpisObciazenia(double q) { return q > 0 ? Format(WzorZRuchem, {LiczbaOgolna(q)}) : TekstSam; }
