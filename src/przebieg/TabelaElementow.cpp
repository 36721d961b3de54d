#include "przebieg/TabelaElementow.h"

#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "core/Nazwy.h"
#include "core/ObiektMostowy.h"
#include "core/Przejazd.h"
#include "core/Przeliczenie.h"
#include "wspprzec/Pojazdy.h"

namespace {

const char* const Naglowki[LiczbaKolumnElementow + 1] = {
    "Nr", "Element", "Rodzaj", "L [m]", "LM [m]", "LT [m]", "M1N", "TN", "MP", "TP", "Masa [t]", "Decyduje", "Wykorzystanie",
};
const char* const DaneOdrzucone = "Dane odrzucone – ";
const char* const NieDotyczyTekst = "—";
const char* const Moment = "moment";
const char* const Sila = "siła";
const char* const WzorNajgorszego = "Decyduje element %d (%s): masa pojazdu %s t, %s";
const char* const WzorDlugosci = "Długość: %s m";
const char* const WzorMasy = "Masa pojazdu: %s t";

// Miejsca po przecinku: długości i masy jak w danych, efekty jak w polach wyników.
constexpr int MiejscaDlugosci = 2;
constexpr int MiejscaEfektow = 4;
constexpr int MiejscaMasy = 2;

std::string Liczba(double v, int miejsca) { return v == NieDotyczy ? NieDotyczyTekst : LiczbaStala(v, miejsca); }

// Nagłówek etapu bez końcowego " :", komunikat w jednym wierszu.
std::string Odmowa(const tWynikPrzeliczenia& wynik)
{
    std::string naglowek = NaglowekBledu(wynik.Etap);
    while (!naglowek.empty() && (naglowek.back() == ':' || naglowek.back() == ' ')) naglowek.pop_back();
    return DaneOdrzucone + naglowek + ": " + JedenWiersz(wynik.Komunikat);
}

}  // namespace

tTabelaElementow TabelaElementow(const tObiektMostowy& o, const tWynikPrzeliczenia& wynik)
{
    tTabelaElementow t;
    if (!wynik.Poprawne()) {
        t.Odmowa = Odmowa(wynik);
        return t;
    }
    t.Wiersze.reserve(o.LiczbaElementow);
    for (int i = 1; i <= o.LiczbaElementow; ++i) {
        const tElement& e = o.Elementy[i];
        const tMasyPojazdu masy = MasyPojazdu(e.MPojazdy, e.TPojazdy, e.MP, e.TP);
        t.Wiersze.push_back({i, e.Nazwa, e.Rodzaj, e.Dlugosc, e.LM, e.LT, e.M1N, e.TN, e.MP, e.TP,
                             e.MasaGraniczna, masy.DecydujeSila(), {}});
        if (i == o.NajgorszyElement()) t.Najgorszy = i - 1;
    }
    return t;
}

void DodajPrzejazd(tTabelaElementow& t, const tOcenaPrzejazdu& o)
{
    t.ZPrzejazdem = true;
    for (size_t i = 0; i < t.Wiersze.size() && i < o.Elementy.size(); ++i) t.Wiersze[i].Wykorzystanie = o.Elementy[i].Wykorzystanie;
}

int LiczbaKolumn(const tTabelaElementow& t) { return LiczbaKolumnElementow + (t.ZPrzejazdem ? 1 : 0); }

std::string NaglowekKolumny(int kolumna) { return Naglowki[kolumna]; }

bool KolumnaLiczbowa(int kolumna)
{
    return kolumna == kNr || (kolumna >= kDlugosc && kolumna <= kMasa) || kolumna == kWykorzystanie;
}

std::string TekstKomorki(const tTabelaElementow& t, int wiersz, int kolumna)
{
    const tWierszElementu& w = t.Wiersze[wiersz];
    switch (kolumna) {
    case kNr: return (wiersz == t.Najgorszy ? std::string(ZnakNajgorszego) + " " : "") + std::to_string(w.Numer);
    case kElement: return w.Nazwa;
    case kRodzaj: return NazwaRodzaju(w.Rodzaj);
    case kDlugosc: return Liczba(w.Dlugosc, MiejscaDlugosci);
    case kLM: return Liczba(w.LM, MiejscaDlugosci);
    case kLT: return Liczba(w.LT, MiejscaDlugosci);
    case kM1N: return Liczba(w.M1N, MiejscaEfektow);
    case kTN: return Liczba(w.TN, MiejscaEfektow);
    case kMP: return Liczba(w.MP, MiejscaEfektow);
    case kTP: return Liczba(w.TP, MiejscaEfektow);
    case kMasa: return Liczba(w.Masa, MiejscaMasy);
    case kDecyduje: return w.DecydujeSila ? Sila : Moment;
    case kWykorzystanie: return t.ZPrzejazdem ? TekstWykorzystania(w.Wykorzystanie) : "";
    default: return "";
    }
}

std::string WierszStanu(const tTabelaElementow& t)
{
    if (!t.Odmowa.empty() || t.Najgorszy < 0) return t.Odmowa;
    const tWierszElementu& w = t.Wiersze[t.Najgorszy];
    return Format(WzorNajgorszego, {w.Numer, w.Nazwa, TekstKomorki(t, t.Najgorszy, kMasa),
                                    TekstKomorki(t, t.Najgorszy, kDecyduje)});
}

std::string OpisWierszaElementu(const tTabelaElementow& t, int wiersz)
{
    std::string opis;
    for (int k = 0; k < LiczbaKolumn(t); ++k) {
        if (k) opis += '\n';
        opis += NaglowekKolumny(k) + ": " + TekstKomorki(t, wiersz, k);
    }
    return opis;
}

std::string OpisElementuSzkicu(const tObiektMostowy& o, int element, const tTabelaElementow& t)
{
    const tElement& e = o.Elementy[element];
    std::string opis = e.Nazwa + '\n' + Format(WzorDlugosci, {LiczbaStala(e.Dlugosc, MiejscaDlugosci)});
    // Wiersz i + 1 to element i; bez udanego przeliczenia nie ma masy do pokazania.
    if (element >= 1 && element <= static_cast<int>(t.Wiersze.size()) && t.Wiersze[element - 1].Nazwa == e.Nazwa)
        opis += '\n' + Format(WzorMasy, {LiczbaStala(t.Wiersze[element - 1].Masa, MiejscaMasy)});
    return opis;
}
