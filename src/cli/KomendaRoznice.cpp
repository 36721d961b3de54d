// pontiva-cli roznice: porównanie dwóch ocen tych samych obiektów (wyjść "oblicz --format json"
// albo katalogów ocenionych na miejscu): nośność, element rozstrzygający, etap i komunikat.
#include <cmath>
#include <cstdio>
#include <map>

#include "cli/ArgumentyPolecenia.h"
#include "cli/CzytnikJson.h"
#include "cli/KomendaOblicz.h"
#include "cli/KomendyRejestru.h"
#include "common/Formatowanie.h"
#include "common/Utf8.h"
#include "rejestr/Rejestr.h"
#include "system/Pliki.h"
#include "system/System.h"

namespace {

const char* const UzycieRoznice = "Użycie: pontiva-cli roznice STARY NOWY [--separator ,|.]\n";
const char* const BladSeparatora = "pontiva-cli: separator dziesiętny to \",\" albo \".\", nie \"%s\"\n";
const char* const BladKatalogu = "pontiva-cli: nie można odczytać katalogu: %s\n";
const char* const BladWiersza = "pontiva-cli: %s, wiersz %d: %s\n";
const char* const BladOdczytu = "pontiva-cli: %s\n";
const char* const KomPustyWiersz = "pusty wiersz";
const char* const KomNieObiekt = "wiersz nie jest obiektem JSON";
const char* const WzorBrakPola = "brak pola \"%s\" albo zły rodzaj jego wartości";
const char* const WzorPowtorzony = "plik %s już był w wierszu %d";
const char* const KomZlyNajgorszy = "\"najgorszy\" nie wskazuje elementu z \"elementy\"";

const char* const WzorZmiany = "zmieniony: %s";
const char* const WzorPola = "; %s %s → %s";
const char* const WzorTylko = "tylko w %s: %s (%s)\n";
const char* const WzorOdrzucony = "odrzucony, etap %s";
const char* const WzorPodsumowania = "Różnice: zmienione %d, tylko w starym %d, tylko w nowym %d, bez zmian %d\n";
const char* const Brak = "–";
constexpr int KodRoznica = 1;

// Ocena jednego obiektu; klucz porównania to nazwa pliku bez katalogu.
struct tOcena {
    bool Ok = false;
    double Ptv = 0;
    int Najgorszy = -1;
    std::string Element, Etap, Komunikat;
    int Wiersz = 0;  // wiersz JSON Lines (0 dla katalogu)
};
using tOceny = std::map<std::string, tOcena>;

std::string NazwaPliku(const std::string& sciezka)
{
    const auto p = sciezka.find_last_of(os::SeparatoryKatalogow());
    return p == std::string::npos ? sciezka : sciezka.substr(p + 1);
}

void BladWierszaJson(const std::string& plik, int wiersz, const std::string& opis)
{
    std::fputs(Format(BladWiersza, {TekstWidoczny(plik), wiersz, opis}).c_str(), stderr);
}

// Pole wymaganego rodzaju (albo null, gdy zNull); nullptr, gdy go nie ma albo jest innego.
const tJson* Pole(const tJson& o, const char* nazwa, tJson::tTyp typ, bool zNull = false)
{
    const tJson* p = o.Pole(nazwa);
    return p && (p->Typ == typ || (zNull && p->Typ == tJson::tTyp::Null)) ? p : nullptr;
}

// Jeden wiersz wyjścia oblicz; false i opis usterki.
bool OcenaZJson(const tJson& o, std::string& plik, tOcena& w, std::string& opis)
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

bool CzytajJsonLines(const std::string& sciezka, tOceny& oceny)
{
    std::string bajty, blad;
    if (CzytajPlik(sciezka, LimitRaportu, bajty, blad) != tStanOdczytu::Przeczytany) {
        std::fputs(Format(BladOdczytu, {TekstWidoczny(blad)}).c_str(), stderr);
        return false;
    }
    int nr = 0;
    for (size_t poczatek = 0; poczatek < bajty.size();) {
        ++nr;
        size_t koniec = bajty.find('\n', poczatek);
        if (koniec == std::string::npos) koniec = bajty.size();
        std::string_view linia(bajty.data() + poczatek, koniec - poczatek);
        poczatek = koniec + 1;
        if (!linia.empty() && linia.back() == '\r') linia.remove_suffix(1);
        tJson o;
        std::string plik, opis;
        tOcena w;
        w.Wiersz = nr;
        if (linia.empty())
            opis = KomPustyWiersz;
        else if (CzytajJson(linia, o, opis) && OcenaZJson(o, plik, w, opis)) {
            auto [it, nowy] = oceny.emplace(plik, w);
            if (nowy) continue;
            opis = Format(WzorPowtorzony, {TekstWidoczny(plik), it->second.Wiersz});
        }
        BladWierszaJson(sciezka, nr, opis);
        return false;
    }
    return true;
}

bool Czytaj(const std::string& sciezka, tOceny& oceny)
{
    if (os::Opis(sciezka).Rodzaj != os::tRodzaj::Katalog) return CzytajJsonLines(sciezka, oceny);
    std::vector<tWierszRejestru> wiersze;
    if (!OcenKatalog(sciezka, wiersze)) {
        std::fputs(Format(BladKatalogu, {TekstWidoczny(sciezka)}).c_str(), stderr);
        return false;
    }
    for (const auto& r : wiersze) {
        tOcena& w = oceny[r.Plik];
        w.Ok = r.Poprawny;
        w.Ptv = r.Poprawny ? r.Masa : 0;
        w.Najgorszy = r.Poprawny ? r.Najgorszy : -1;
        w.Element = r.NazwaNajgorszego;
        w.Etap = r.Etap;
        w.Komunikat = r.Komunikat;
    }
    return true;
}

std::string Nosnosc(const tOcena& w, const tOcena& inna)
{
    if (!w.Ok) return Brak;
    // Dwa miejsca jak w raporcie; gdy to nie rozróżnia ocen, pełna liczba.
    const bool rozne = !inna.Ok || LiczbaStala(w.Ptv, 2) != LiczbaStala(inna.Ptv, 2);
    return (rozne ? LiczbaStala(w.Ptv, 2) : LiczbaOgolna(w.Ptv)) + " t";
}

std::string Cytat(const std::string& t) { return t.empty() ? Brak : "„" + TekstWidoczny(JedenWiersz(t)) + "”"; }

std::string Stan(const tOcena& w)
{
    return w.Ok ? "nośność " + LiczbaStala(w.Ptv, 2) + " t" : Format(WzorOdrzucony, {Cytat(w.Etap)});
}

std::string Element(const tOcena& w)
{
    return w.Najgorszy < 1 ? Brak : Format("nr %d „%s”", {w.Najgorszy, TekstWidoczny(w.Element)});
}

// Wiersz zmiany albo pusty tekst, gdy oceny są te same.
std::string Zmiana(const std::string& plik, const tOcena& s, const tOcena& n)
{
    std::string opis;
    auto pole = [&](const char* nazwa, const std::string& a, const std::string& b) {
        if (a != b) opis += Format(WzorPola, {nazwa, a, b});
    };
    if (s.Ok != n.Ok || (s.Ok && s.Ptv != n.Ptv)) opis += Format(WzorPola, {"nośność", Nosnosc(s, n), Nosnosc(n, s)});
    pole("element rozstrzygający", Element(s), Element(n));
    pole("etap", Cytat(s.Etap), Cytat(n.Etap));
    if (s.Komunikat != n.Komunikat) opis += Format(WzorPola, {"komunikat", Cytat(s.Komunikat), Cytat(n.Komunikat)});
    return opis.empty() ? opis : Format(WzorZmiany, {TekstWidoczny(plik)}) + opis + "\n";
}

}  // namespace

int KomendaRoznice(const std::vector<std::string>& argumenty)
{
    tArgumentyPolecenia a;
    if (!RozbierzArgumenty(argumenty, {"--separator"}, a) || a.Pozycyjne.size() != 2) {
        std::fputs(UzycieRoznice, stderr);
        return KodUzycie;
    }
    const std::string separator = a.Opcje.count("--separator") ? a.Opcje["--separator"] : "";
    if (!UstawSeparator(separator)) {
        std::fputs(Format(BladSeparatora, {separator}).c_str(), stderr);
        return KodUzycie;
    }
    tOceny stare, nowe;
    if (!Czytaj(a.Pozycyjne[0], stare) || !Czytaj(a.Pozycyjne[1], nowe)) return KodUzycie;

    std::string wyjscie;
    int zmienione = 0, tylkoStare = 0, tylkoNowe = 0, bezZmian = 0;
    auto s = stare.begin();
    auto n = nowe.begin();
    while (s != stare.end() || n != nowe.end()) {
        if (n == nowe.end() || (s != stare.end() && s->first < n->first)) {
            wyjscie += Format(WzorTylko, {"starym", TekstWidoczny(s->first), Stan(s->second)});
            ++tylkoStare, ++s;
        } else if (s == stare.end() || n->first < s->first) {
            wyjscie += Format(WzorTylko, {"nowym", TekstWidoczny(n->first), Stan(n->second)});
            ++tylkoNowe, ++n;
        } else {
            const std::string z = Zmiana(s->first, s->second, n->second);
            wyjscie += z;
            ++(z.empty() ? bezZmian : zmienione);
            ++s, ++n;
        }
    }
    wyjscie += Format(WzorPodsumowania, {zmienione, tylkoStare, tylkoNowe, bezZmian});
    std::fwrite(wyjscie.data(), 1, wyjscie.size(), stdout);
    return zmienione + tylkoStare + tylkoNowe ? KodRoznica : KodPoprawny;
}
