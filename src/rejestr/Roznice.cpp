#include "rejestr/Roznice.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "common/Formatowanie.h"
#include "common/Json.h"
#include "common/Utf8.h"
#include "rejestr/Rejestr.h"
#include "system/Pliki.h"
#include "system/System.h"

namespace {

const char* const WzorBladWiersza = "%s, wiersz %d: %s";
const char* const WzorBladKatalogu = "nie można odczytać katalogu: %s";
const char* const KomPustyWiersz = "pusty wiersz";
const char* const KomNieObiekt = "wiersz nie jest obiektem JSON";
const char* const WzorBrakPola = "brak pola \"%s\" albo zły rodzaj jego wartości";
const char* const WzorPowtorzony = "plik %s już był w wierszu %d";
const char* const KomZlyNajgorszy = "\"najgorszy\" nie wskazuje elementu z \"elementy\"";
const char* const WzorZaDuzo = "więcej niż %d ocen obiektów w jednym wejściu";

const char* const WzorZmiany = "zmieniony: %s";
const char* const WzorPola = "; %s %s → %s";
const char* const WzorTylko = "tylko w %s: %s (%s)";
const char* const WzorOdrzucony = "odrzucony, etap %s";
const char* const WzorPodsumowania = "Różnice: zmienione %d, tylko w starym %d, tylko w nowym %d, bez zmian %d";
const char* const Brak = "–";

std::string NazwaPliku(const std::string& sciezka)
{
    const auto p = sciezka.find_last_of(os::SeparatoryKatalogow());
    return p == std::string::npos ? sciezka : sciezka.substr(p + 1);
}

// Pole wymaganego rodzaju (albo null, gdy zNull); nullptr, gdy go nie ma albo jest innego.
const tJson* Pole(const tJson& o, const char* nazwa, tJson::tTyp typ, bool zNull = false)
{
    const tJson* p = o.Pole(nazwa);
    return p && (p->Typ == typ || (zNull && p->Typ == tJson::tTyp::Null)) ? p : nullptr;
}

// Jeden wiersz wyjścia oblicz; false i opis usterki.
bool OcenaZJson(const tJson& o, std::string& plik, tOcenaObiektu& w, std::string& opis)
{
    using T = tJson::tTyp;
    if (o.Typ != T::Obiekt) return opis = KomNieObiekt, false;
    const tJson *p = Pole(o, "plik", T::Napis), *ok = Pole(o, "ok", T::Logiczna),
                *etap = Pole(o, "etap", T::Napis, true), *kom = Pole(o, "komunikat", T::Napis, true),
                *ptv = Pole(o, "PTV", T::Liczba, true), *naj = Pole(o, "najgorszy", T::Liczba),
                *el = Pole(o, "elementy", T::Tablica);
    const std::pair<const char*, const tJson*> wymagane[] = {{"plik", p},       {"ok", ok},   {"etap", etap},
                                                             {"komunikat", kom}, {"PTV", ptv}, {"najgorszy", naj},
                                                             {"elementy", el}};
    for (const auto& [nazwa, pole] : wymagane)
        if (!pole) return opis = Format(WzorBrakPola, {nazwa}), false;
    w.Ok = ok->Logiczna;
    if (w.Ok && ptv->Typ != T::Liczba) return opis = Format(WzorBrakPola, {"PTV"}), false;
    plik = NazwaPliku(p->Napis);
    w.Ptv = w.Ok ? ptv->Liczba : 0;
    w.Etap = etap->Napis;
    w.Komunikat = kom->Napis;
    const double n = naj->Liczba;
    if (w.Ok) {
        if (!(n >= 1 && n <= static_cast<double>(el->Elementy.size())) || n != std::floor(n))
            return opis = KomZlyNajgorszy, false;
        w.Najgorszy = static_cast<int>(n);
        const tJson* nazwa = Pole(el->Elementy[w.Najgorszy - 1], "nazwa", T::Napis);
        if (!nazwa) return opis = Format(WzorBrakPola, {"nazwa"}), false;
        w.Element = nazwa->Napis;
    }
    return true;
}

tStanOcen CzytajJsonLines(const std::string& sciezka, tOceny& oceny, std::string& komunikat)
{
    tCzytnikWierszy czytnik(NajdluzszyWierszOceny);
    if (!czytnik.Otworz(sciezka)) {
        komunikat = czytnik.Komunikat();
        return tStanOcen::Blad;
    }
    int nr = 0;
    std::string linia;
    for (;;) {
        const auto stan = czytnik.Nastepny(linia);
        if (stan == tCzytnikWierszy::tStan::Koniec) return nr == 0 ? tStanOcen::Puste : tStanOcen::Wczytane;
        if (stan == tCzytnikWierszy::tStan::Blad) {
            komunikat = czytnik.Komunikat();
            return tStanOcen::Blad;
        }
        ++nr;
        tJson o;
        std::string plik, opis;
        tOcenaObiektu w;
        w.Wiersz = nr;
        if (nr > NajwiecejOcen)
            opis = Format(WzorZaDuzo, {NajwiecejOcen});
        else if (linia.empty())
            opis = KomPustyWiersz;
        else if (CzytajJson(linia, o, opis) && OcenaZJson(o, plik, w, opis)) {
            auto [it, nowy] = oceny.emplace(std::move(plik), std::move(w));
            if (nowy) continue;
            opis = Format(WzorPowtorzony, {TekstWidoczny(it->first), it->second.Wiersz});
        }
        komunikat = Format(WzorBladWiersza, {sciezka, nr, opis});
        return tStanOcen::Blad;
    }
}

std::string Nosnosc(const tOcenaObiektu& w, const tOcenaObiektu& inna)
{
    if (!w.Ok) return Brak;
    // Dwa miejsca jak w raporcie; gdy to nie rozróżnia ocen, pełna liczba.
    const bool rozne = !inna.Ok || LiczbaStala(w.Ptv, 2) != LiczbaStala(inna.Ptv, 2);
    return (rozne ? LiczbaStala(w.Ptv, 2) : LiczbaOgolna(w.Ptv)) + " t";
}

std::string Cytat(const std::string& t) { return t.empty() ? Brak : "„" + TekstWidoczny(JedenWiersz(t)) + "”"; }

std::string Stan(const tOcenaObiektu& w)
{
    return w.Ok ? "nośność " + LiczbaStala(w.Ptv, 2) + " t" : Format(WzorOdrzucony, {Cytat(w.Etap)});
}

std::string Element(const tOcenaObiektu& w)
{
    return w.Najgorszy < 1 ? Brak : Format("nr %d „%s”", {w.Najgorszy, TekstWidoczny(w.Element)});
}

// Wiersz zmiany albo pusty tekst, gdy oceny są te same.
std::string Zmiana(const std::string& plik, const tOcenaObiektu& s, const tOcenaObiektu& n)
{
    std::string opis;
    auto pole = [&](const char* nazwa, const std::string& a, const std::string& b) {
        if (a != b) opis += Format(WzorPola, {nazwa, a, b});
    };
    if (s.Ok != n.Ok || (s.Ok && s.Ptv != n.Ptv)) opis += Format(WzorPola, {"nośność", Nosnosc(s, n), Nosnosc(n, s)});
    pole("element rozstrzygający", Element(s), Element(n));
    pole("etap", Cytat(s.Etap), Cytat(n.Etap));
    if (!TeSameKomunikaty(s.Komunikat, n.Komunikat))
        opis += Format(WzorPola, {"komunikat", Cytat(s.Komunikat), Cytat(n.Komunikat)});
    return opis.empty() ? opis : Format(WzorZmiany, {TekstWidoczny(plik)}) + opis;
}

bool Cyfra(char z) { return z >= '0' && z <= '9'; }

// Liczba od pozycji i: cyfry, a po "," albo "." z cyfrą za nim część ułamkowa.
double Liczba(std::string_view t, size_t& i)
{
    std::string s;
    while (i < t.size() && Cyfra(t[i])) s += t[i++];
    if (i + 1 < t.size() && (t[i] == ',' || t[i] == '.') && Cyfra(t[i + 1])) {
        s += '.';
        for (++i; i < t.size() && Cyfra(t[i]);) s += t[i++];
    }
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

}  // namespace

tStanOcen CzytajOceny(const std::string& sciezka, tOceny& oceny, std::string& komunikat)
{
    if (os::Opis(sciezka).Rodzaj != os::tRodzaj::Katalog) return CzytajJsonLines(sciezka, oceny, komunikat);
    std::vector<tWierszRejestru> wiersze;
    if (!OcenKatalog(sciezka, wiersze)) {
        komunikat = Format(WzorBladKatalogu, {sciezka});
        return tStanOcen::Blad;
    }
    for (const auto& r : wiersze) {
        tOcenaObiektu& w = oceny[r.Plik];
        w.Ok = r.Poprawny;
        w.Ptv = r.Poprawny ? r.Masa : 0;
        w.Najgorszy = r.Poprawny ? r.Najgorszy : -1;
        w.Element = r.NazwaNajgorszego;
        w.Etap = r.Etap;
        w.Komunikat = r.Komunikat;
    }
    return tStanOcen::Wczytane;
}

tRoznice Porownaj(const tOceny& Stare, const tOceny& Nowe)
{
    tRoznice r;
    auto s = Stare.begin();
    auto n = Nowe.begin();
    while (s != Stare.end() || n != Nowe.end()) {
        if (n == Nowe.end() || (s != Stare.end() && s->first < n->first)) {
            r.Wiersze.push_back(Format(WzorTylko, {"starym", TekstWidoczny(s->first), Stan(s->second)}));
            ++r.TylkoStare, ++s;
        } else if (s == Stare.end() || n->first < s->first) {
            r.Wiersze.push_back(Format(WzorTylko, {"nowym", TekstWidoczny(n->first), Stan(n->second)}));
            ++r.TylkoNowe, ++n;
        } else {
            std::string z = Zmiana(s->first, s->second, n->second);
            ++(z.empty() ? r.BezZmian : r.Zmienione);
            if (!z.empty()) r.Wiersze.push_back(std::move(z));
            ++s, ++n;
        }
    }
    return r;
}

std::string Podsumowanie(const tRoznice& r)
{
    return Format(WzorPodsumowania, {r.Zmienione, r.TylkoStare, r.TylkoNowe, r.BezZmian});
}

bool TeSameKomunikaty(std::string_view a, std::string_view b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (Cyfra(a[i]) && Cyfra(b[j])) {
            if (Liczba(a, i) != Liczba(b, j)) return false;
        } else if (a[i++] != b[j++]) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}
