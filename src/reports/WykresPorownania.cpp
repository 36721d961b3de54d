#include "reports/WykresPorownania.h"

#include <algorithm>

#include "common/Formatowanie.h"
#include "common/Slad.h"
#include "core/Nazwy.h"

namespace {

const char* const Tytul = "Nośność użytkowa według normatywów i klas";
const char* const EtykietyInfo[] = {"obiekt ", "przęsło ", "droga ", "km ", "", ""};
const char* const LegendaWlasny = "normatyw i klasa obiektu: %s, klasa %s";
const char* const LegendaInne = "pozostałe normatywy i klasy";
const char* const LegendaOdrzucone = "odrzucone (n): przyczyna w przypisie (n)";
const char* const Odrzucone = "odrzucone (%d)";
const char* const OpisKlasy = "%s, klasa %s: ";
const char* const OpisWyniku = "%s t\nM1N %s   MP %s";
const char* const OpisScinania = "\nTN %s   TP %s";
const char* const NaglowekPrzypisow = "Przyczyny odrzucenia:";
const char* const Przypis = "(%d) %s";
const char* const Dotyczy = "dotyczy: ";
const char* const DotyczyWszystkich = "dotyczy: wszystkich normatywów i klas";
const char* const KlasaNormatywu = "%s, klasa %s";
const char* const KlasyNormatywu = "%s, klasy %s";
const char* const SeparatorKlas = ", ";
const char* const SeparatorNormatywow = "; ";
const char* const JednostkaOsi = "[t]";

const char* const BarwaWlasna = "#e0802a";
const char* const BarwaInna = "#4f7fb8";
const char* const KonturInny = "#2f4f78";
const char* const BarwaOdrzucenia = "#b00000";
const char* const BarwaSiatki = "#d0d0d0";
const char* const Czarny = "#000000";

// Masy pojazdów umownych: podziałka osi nośności.
const double Podzialka[] = {0, 10, 16, 24, 32, 42};

constexpr double Szerokosc = 1040;
constexpr double Lewo = 60, Prawo = Szerokosc - 20;
constexpr double Gora = 96, Dol = 396;
constexpr double OdstepGrup = 0.6;   // przerwa między grupami w szerokościach miejsca słupka
constexpr double SzerokoscSlupka = 0.74;
constexpr double WierszPrzypisu = 16;
constexpr double WciecieDotyczy = 24;
constexpr size_t ZnakowWWierszu = 130;  // napis 11 px w polu wykresu (960 px)

std::string OpisInfo(const tInfoObiektu& info)
{
    const std::string* pola[] = {&info.JNI, &info.NrP, &info.Droga, &info.Km, &info.Najblizsza, &info.Przeszkoda};
    std::string w;
    for (int i = 0; i < 6; ++i) {
        if (pola[i]->empty()) continue;
        if (!w.empty()) w += ", ";
        w += EtykietyInfo[i] + *pola[i];
    }
    return w;
}

std::string OpisSlupka(const tPrzeliczenieNormy& p)
{
    std::string o = Format(OpisKlasy, {NazwaNormatywu(p.Normatyw), NazwaKlasy(p.Normatyw, p.Klasa)});
    if (!p.Poprawne) return o + JedenWiersz(p.Komunikat);
    o += Format(OpisWyniku, {LiczbaStala(p.Masa, 2), LiczbaStala(p.M1N, 4), LiczbaStala(p.MP, 4)});
    if (p.TN != NieDotyczy) o += Format(OpisScinania, {LiczbaStala(p.TN, 4), LiczbaStala(p.TP, 4)});
    return o;
}

double YMasy(double masa) { return Dol - std::clamp(masa, 0.0, MasaOsiWykresu) / MasaOsiWykresu * (Dol - Gora); }

void Prostokat(tWykresPorownania& w, double x1, double y1, double x2, double y2, const char* wypelnienie,
               const char* kontur, double grubosc, bool przerywany = false, const std::string& opis = "")
{
    w.Figury.push_back({false, x1, y1, x2, y2, wypelnienie, kontur, grubosc, przerywany, opis});
}

void Odcinek(tWykresPorownania& w, double x1, double y1, double x2, double y2, const char* barwa, double grubosc)
{
    w.Figury.push_back({true, x1, y1, x2, y2, "", barwa, grubosc, false, ""});
}

void Napis(tWykresPorownania& w, double x, double y, const std::string& tekst, double rozmiar,
           tWyrownanie wyrownanie = tWyrownanie::Lewo, bool pogrubiony = false, const char* kolor = Czarny)
{
    w.Napisy.push_back({x, y, tekst, rozmiar, pogrubiony, wyrownanie, false, kolor, ""});
}

void Naglowek(tWykresPorownania& w, int normatyw, int klasa, const tInfoObiektu& info, bool odrzucone)
{
    Napis(w, Lewo, 28, Tytul, 16, tWyrownanie::Lewo, true);
    Napis(w, Lewo, 48, OpisInfo(info), 12);
    const double y = 72;
    Prostokat(w, Lewo, y - 10, Lewo + 12, y + 2, BarwaWlasna, Czarny, 2);
    Napis(w, Lewo + 18, y, Format(LegendaWlasny, {NazwaNormatywu(normatyw), NazwaKlasy(normatyw, klasa)}), 11);
    Prostokat(w, Lewo + 400, y - 10, Lewo + 412, y + 2, BarwaInna, KonturInny, 1);
    Napis(w, Lewo + 418, y, LegendaInne, 11);
    if (odrzucone) Napis(w, Lewo + 610, y, LegendaOdrzucone, 11, tWyrownanie::Lewo, false, BarwaOdrzucenia);
}

void Os(tWykresPorownania& w)
{
    for (double masa : Podzialka) {
        const double y = YMasy(masa);
        if (masa > 0) Odcinek(w, Lewo, y, Prawo, y, BarwaSiatki, 1);
        Odcinek(w, Lewo - 4, y, Lewo, y, Czarny, 1);
        Napis(w, Lewo - 7, y + 4, LiczbaStala(masa, 0), 11, tWyrownanie::Prawo);
    }
    Napis(w, Lewo - 7, Gora - 10, JednostkaOsi, 11, tWyrownanie::Prawo);
}

// Numer przypisu przyczyny; ta sama przyczyna dostaje ten sam numer.
int NumerPrzypisu(tWykresPorownania& w, const std::string& przyczyna)
{
    auto it = std::find(w.Przypisy.begin(), w.Przypisy.end(), przyczyna);
    if (it != w.Przypisy.end()) return static_cast<int>(it - w.Przypisy.begin()) + 1;
    w.Przypisy.push_back(przyczyna);
    return static_cast<int>(w.Przypisy.size());
}

void Slupek(tWykresPorownania& w, const tSlupek& s)
{
    const double xs = (s.x1 + s.x2) / 2;
    const char* barwa = s.Wlasny ? BarwaWlasna : BarwaInna;
    if (s.Odrzucony) {
        if (s.Wlasny) Prostokat(w, s.x1, Gora, s.x2, Dol, "", BarwaWlasna, 2, true);
        Prostokat(w, s.x1, Gora, s.x2, Dol, "", "", 0, false, s.Opis);
        w.Napisy.push_back(
            {xs + 4, Dol - 6, Format(Odrzucone, {s.Przypis}), 10, false, tWyrownanie::Lewo, true, BarwaOdrzucenia, s.Opis});
    } else {
        Prostokat(w, s.x1, s.yGora, s.x2, s.yPodstawa, barwa, s.Wlasny ? Czarny : KonturInny, s.Wlasny ? 2 : 1, false,
                  s.Opis);
        Napis(w, xs, s.yGora - 4, LiczbaStala(s.Masa, 2), 10, tWyrownanie::Srodek, s.Wlasny);
    }
    Napis(w, xs, Dol + 16, NazwaKlasy(s.Normatyw, s.Klasa), 11, tWyrownanie::Srodek, s.Wlasny);
}

// Wiersze "dotyczy: …" przypisu: normatywy i klasy, których przeliczenie odrzucono z tą
// przyczyną (klasy jednego normatywu razem), dzielone między normatywami na wiersze wykresu.
std::vector<std::string> WierszeDotyczy(const tPorownanie& przeliczenia, const tWykresPorownania& w, int przypis)
{
    std::vector<std::string> grupy;
    size_t odrzucone = 0;
    for (size_t i = 0; i < w.Slupki.size();) {
        const int normatyw = w.Slupki[i].Normatyw;
        std::vector<std::string> klasy;
        for (; i < w.Slupki.size() && w.Slupki[i].Normatyw == normatyw; ++i)
            if (w.Slupki[i].Przypis == przypis) klasy.push_back(NazwaKlasy(normatyw, w.Slupki[i].Klasa));
        if (klasy.empty()) continue;
        odrzucone += klasy.size();
        std::string lista;
        for (const std::string& k : klasy) lista += (lista.empty() ? "" : SeparatorKlas) + k;
        grupy.push_back(Format(klasy.size() == 1 ? KlasaNormatywu : KlasyNormatywu, {NazwaNormatywu(normatyw), lista}));
    }
    if (odrzucone == przeliczenia.size()) return {DotyczyWszystkich};
    std::vector<std::string> wiersze = {Dotyczy};
    for (size_t g = 0; g < grupy.size(); ++g) {
        if (g > 0 && wiersze.back().size() + grupy[g].size() > ZnakowWWierszu) {
            wiersze.back() += SeparatorNormatywow;
            wiersze.emplace_back();
        } else if (g > 0) {
            wiersze.back() += SeparatorNormatywow;
        }
        wiersze.back() += grupy[g];
    }
    return wiersze;
}

}  // namespace

tWykresPorownania UkladWykresu(const tPorownanie& Przeliczenia, int Normatyw, int Klasa, const tInfoObiektu& Info)
{
    tWykresPorownania w;
    w.Szerokosc = Szerokosc;
    w.Lewo = Lewo, w.Gora = Gora, w.Prawo = Prawo, w.Dol = Dol;
    Naglowek(w, Normatyw, Klasa, Info, std::any_of(Przeliczenia.begin(), Przeliczenia.end(), [](const auto& p) {
                 return !p.Poprawne;
             }));
    Os(w);

    int grupy = 0;
    for (size_t i = 0; i < Przeliczenia.size(); ++i)
        if (i == 0 || Przeliczenia[i].Normatyw != Przeliczenia[i - 1].Normatyw) ++grupy;
    const double miejsc = static_cast<double>(Przeliczenia.size()) + OdstepGrup * grupy;
    const double miejsce = (Prawo - Lewo) / std::max(1.0, miejsc);

    double x = Lewo + OdstepGrup / 2 * miejsce;
    double poczatekGrupy = x;
    for (size_t i = 0; i < Przeliczenia.size(); ++i) {
        const tPrzeliczenieNormy& p = Przeliczenia[i];
        tSlupek s;
        s.Normatyw = p.Normatyw, s.Klasa = p.Klasa;
        s.Odrzucony = !p.Poprawne;
        s.Wlasny = p.Normatyw == Normatyw && p.Klasa == Klasa;
        s.Masa = p.Poprawne ? p.Masa : 0;
        s.x1 = x + (1 - SzerokoscSlupka) / 2 * miejsce;
        s.x2 = s.x1 + SzerokoscSlupka * miejsce;
        s.yPodstawa = Dol;
        s.yGora = p.Poprawne ? YMasy(p.Masa) : Dol;
        if (s.Odrzucony) s.Przypis = NumerPrzypisu(w, JedenWiersz(p.Komunikat));
        s.Opis = OpisSlupka(p);
        Slupek(w, s);
        w.Slupki.push_back(s);
        x += miejsce;
        // Koniec grupy normatywu: nazwa pod klasami i kreska oddzielająca grupy.
        if (i + 1 == Przeliczenia.size() || Przeliczenia[i + 1].Normatyw != p.Normatyw) {
            Napis(w, (poczatekGrupy + x) / 2, Dol + 34, NazwaNormatywu(p.Normatyw), 11, tWyrownanie::Srodek,
                  p.Normatyw == Normatyw);
            x += OdstepGrup * miejsce;
            if (i + 1 < Przeliczenia.size()) Odcinek(w, x - OdstepGrup / 2 * miejsce, Dol, x - OdstepGrup / 2 * miejsce, Dol + 40, BarwaSiatki, 1);
            poczatekGrupy = x;
        }
    }
    Odcinek(w, Lewo, Gora, Lewo, Dol, Czarny, 1);
    Odcinek(w, Lewo, Dol, Prawo, Dol, Czarny, 1);

    double y = Dol + 64;
    if (!w.Przypisy.empty()) {
        Napis(w, Lewo, y, NaglowekPrzypisow, 11, tWyrownanie::Lewo, true);
        for (size_t i = 0; i < w.Przypisy.size(); ++i) {
            y += WierszPrzypisu;
            Napis(w, Lewo, y, Format(Przypis, {static_cast<int>(i + 1), w.Przypisy[i]}), 11);
            for (const std::string& d : WierszeDotyczy(Przeliczenia, w, static_cast<int>(i + 1))) {
                y += WierszPrzypisu;
                Napis(w, Lewo + WciecieDotyczy, y, d, 11);
            }
        }
    }
    w.Wysokosc = y + 14;
    return w;
}
