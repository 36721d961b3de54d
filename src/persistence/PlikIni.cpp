#include "persistence/PlikIni.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "common/Cp1250.h"

namespace {

constexpr std::string_view BomUtf8 = "\xEF\xBB\xBF";
constexpr std::uint32_t FlagaNaglowka = 0x80000000u;

bool Bialy(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Przytnij(std::string_view s)
{
    while (!s.empty() && Bialy(s.front())) s.remove_prefix(1);
    while (!s.empty() && Bialy(s.back())) s.remove_suffix(1);
    return s;
}

char Mala(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Mala(a[i]) != Mala(b[i])) return false;
    return true;
}

// Wartość bez otaczającej pary cudzysłowów, jak ją oddaje odczyt profilu.
std::string_view BezCudzyslowow(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string BezKoncowLinii(std::string_view s)
{
    std::string w(s);
    for (char& c : w)
        if (c == '\r' || c == '\n') c = ' ';
    return w;
}

// Nazwa sekcji z wiersza "[nazwa]"; false, gdy to nie nagłówek.
bool NazwaSekcji(std::string_view linia, std::string_view& nazwa)
{
    const std::string_view t = Przytnij(linia);
    if (t.empty() || t.front() != '[') return false;
    const size_t z = t.find(']');
    if (z == std::string_view::npos) return false;
    nazwa = Przytnij(t.substr(1, z - 1));
    return true;
}

// Klucz i wartość wiersza "klucz=wartość"; false dla wiersza bez "=" albo komentarza ";".
bool KluczIWartosc(std::string_view linia, std::string_view& klucz, std::string_view& wartosc)
{
    const std::string_view t = Przytnij(linia);
    const size_t r = t.find('=');
    if (r == std::string_view::npos || t.front() == ';') return false;
    klucz = Przytnij(t.substr(0, r));
    wartosc = BezCudzyslowow(Przytnij(t.substr(r + 1)));
    return !klucz.empty();
}

}  // namespace

std::string_view tPlikIni::Tekst(tWiersz w) const
{
    return std::string_view(tekst_).substr(w.Poczatek, w.Dlugosc & ~FlagaNaglowka);
}

bool tPlikIni::Naglowek(tWiersz w) { return (w.Dlugosc & FlagaNaglowka) != 0; }

tPlikIni::tWiersz tPlikIni::Dodaj(std::string_view tekst, bool naglowek)
{
    tWiersz w{static_cast<std::uint32_t>(tekst_.size()), static_cast<std::uint32_t>(tekst.size())};
    if (naglowek) w.Dlugosc |= FlagaNaglowka;
    tekst_.append(tekst);
    return w;
}

tStanOdczytu tPlikIni::Wczytaj(const std::string& sciezka, std::string& komunikat)
{
    UstawZawartosc({});
    std::string bajty;
    const tStanOdczytu stan = CzytajPlik(sciezka, LimitPlikuRoboczego, bajty, komunikat);
    if (stan == tStanOdczytu::Przeczytany) UstawZawartosc(bajty);
    return stan;
}

bool tPlikIni::Wczytaj(const std::string& sciezka)
{
    std::string komunikat;
    return Wczytaj(sciezka, komunikat) != tStanOdczytu::Blad;
}

void tPlikIni::UstawZawartosc(std::string_view bajty)
{
    ostatniaWazna_ = false;
    tekst_.clear();
    wiersze_.clear();
    std::string przekodowane;
    if (bajty.substr(0, BomUtf8.size()) == BomUtf8) {
        przekodowane = Utf8DoCp1250(bajty.substr(BomUtf8.size()));
        bajty = przekodowane;
    }
    // Pozycje wierszy są 31-bitowe; czytnik i tak przyjmuje najwyżej LimitPlikuRoboczego.
    if (bajty.size() >= FlagaNaglowka / 2) bajty = {};
    tekst_.reserve(bajty.size());
    wiersze_.reserve(static_cast<size_t>(std::count(bajty.begin(), bajty.end(), '\n')) + 1);
    size_t poczatek = 0;
    while (poczatek < bajty.size()) {
        // Wiersz kończy CR LF, samo LF albo samo CR.
        size_t koniec = bajty.find_first_of("\r\n", poczatek);
        if (koniec == std::string_view::npos) koniec = bajty.size();
        const std::string_view linia = bajty.substr(poczatek, koniec - poczatek);
        poczatek = koniec + (bajty.substr(koniec, 2) == "\r\n" ? 2 : 1);
        std::string_view nazwa;
        wiersze_.push_back(Dodaj(linia, NazwaSekcji(linia, nazwa)));
    }
}

size_t tPlikIni::KoniecSekcji(size_t od) const
{
    while (od < wiersze_.size() && !Naglowek(wiersze_[od])) ++od;
    return od;
}

bool tPlikIni::ZnajdzSekcje(std::string_view nazwa, tZakres& zakres) const
{
    if (ostatniaWazna_ && ostatniaNazwa_ == nazwa) {
        zakres = ostatniZakres_;
        return true;
    }
    for (size_t i = 0; i < wiersze_.size(); ++i) {
        std::string_view n;
        if (Naglowek(wiersze_[i]) && NazwaSekcji(Tekst(wiersze_[i]), n) && RowneBezWielkosci(n, nazwa)) {
            zakres = {i + 1, KoniecSekcji(i + 1)};
            ostatniaNazwa_ = nazwa;
            ostatniZakres_ = zakres;
            ostatniaWazna_ = true;
            return true;
        }
    }
    return false;
}

long tPlikIni::ZnajdzKlucz(const tZakres& zakres, std::string_view klucz) const
{
    for (size_t i = zakres.Od; i < zakres.Do; ++i) {
        // Szybka odmowa: klucz zaczyna się od pierwszego niebiałego znaku wiersza.
        const std::string_view t = Tekst(wiersze_[i]);
        size_t p = 0;
        while (p < t.size() && Bialy(t[p])) ++p;
        if (t.size() - p < klucz.size() || !RowneBezWielkosci(t.substr(p, klucz.size()), klucz)) continue;
        std::string_view k, w;
        if (KluczIWartosc(t, k, w) && RowneBezWielkosci(k, klucz)) return static_cast<long>(i);
    }
    return -1;
}

bool tPlikIni::MaSekcje(std::string_view sekcja) const
{
    tZakres z;
    return ZnajdzSekcje(sekcja, z);
}

void tPlikIni::DlaWpisow(std::string_view sekcja,
                         const std::function<void(std::string_view, std::string_view, int)>& f) const
{
    int kopia = -1;
    bool wSekcji = false;
    for (const tWiersz w : wiersze_) {
        std::string_view n, k, v;
        if (Naglowek(w)) {
            wSekcji = NazwaSekcji(Tekst(w), n) && RowneBezWielkosci(n, sekcja);
            kopia += wSekcji;
        } else if (wSekcji && KluczIWartosc(Tekst(w), k, v)) {
            f(k, v, kopia);
        }
    }
}

std::string tPlikIni::CzytajTekst(std::string_view sekcja, std::string_view klucz, std::string_view domyslny) const
{
    tZakres z;
    const long i = ZnajdzSekcje(sekcja, z) ? ZnajdzKlucz(z, klucz) : -1;
    std::string_view k, w;
    if (i < 0 || !KluczIWartosc(Tekst(wiersze_[static_cast<size_t>(i)]), k, w)) return std::string(domyslny);
    return Cp1250DoUtf8(w);
}

int tPlikIni::CzytajCalkowita(std::string_view sekcja, std::string_view klucz, int domyslna) const
{
    tZakres z;
    const long i = ZnajdzSekcje(sekcja, z) ? ZnajdzKlucz(z, klucz) : -1;
    std::string_view k, t;
    if (i < 0 || !KluczIWartosc(Tekst(wiersze_[static_cast<size_t>(i)]), k, t)) return domyslna;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    int wynik = 0;
    auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), wynik);
    if (t.empty() || blad != std::errc() || koniec != t.data() + t.size()) return domyslna;
    return wynik;
}

void tPlikIni::Zapisz(std::string_view sekcja, std::string_view klucz, std::string_view wartosc)
{
    const std::string k = Utf8DoCp1250(klucz);
    const std::string linia = k + "=" + BezKoncowLinii(Utf8DoCp1250(wartosc));
    tZakres z;
    if (!ZnajdzSekcje(sekcja, z)) {
        const tWiersz naglowek = Dodaj("[" + Utf8DoCp1250(sekcja) + "]", true);
        wiersze_.push_back(naglowek);
        wiersze_.push_back(Dodaj(linia, false));
        return;
    }
    if (const long i = ZnajdzKlucz(z, k); i >= 0) {
        wiersze_[static_cast<size_t>(i)] = Dodaj(linia, false);
        return;
    }
    // Nowy klucz za ostatnim niepustym wierszem sekcji, przed pustymi odstępami.
    size_t gdzie = z.Do;
    while (gdzie > z.Od && Przytnij(Tekst(wiersze_[gdzie - 1])).empty()) --gdzie;
    const tWiersz nowy = Dodaj(linia, false);
    ostatniaWazna_ = false;  // wstawienie przesuwa wiersze
    wiersze_.insert(wiersze_.begin() + static_cast<long>(gdzie), nowy);
}

void tPlikIni::ZapiszCalkowita(std::string_view sekcja, std::string_view klucz, int wartosc)
{
    Zapisz(sekcja, klucz, std::to_string(wartosc));
}

void tPlikIni::UsunSekcje(std::string_view sekcja)
{
    ostatniaWazna_ = false;
    size_t j = 0;
    bool usuwana = false;
    for (const tWiersz w : wiersze_) {
        std::string_view n;
        if (Naglowek(w)) usuwana = NazwaSekcji(Tekst(w), n) && RowneBezWielkosci(n, sekcja);
        if (!usuwana) wiersze_[j++] = w;
    }
    wiersze_.resize(j);
}

void tPlikIni::UsunNiewidoczne(std::string_view sekcja)
{
    ostatniaWazna_ = false;
    size_t j = 0;
    int kopia = -1;
    bool wSekcji = false;
    std::unordered_set<std::string> klucze;  // małymi literami
    for (const tWiersz w : wiersze_) {
        std::string_view n, k, v;
        if (Naglowek(w)) {
            wSekcji = NazwaSekcji(Tekst(w), n) && RowneBezWielkosci(n, sekcja);
            kopia += wSekcji;
        }
        bool widoczny = !wSekcji || (kopia == 0 && (Naglowek(w) || !KluczIWartosc(Tekst(w), k, v)));
        if (wSekcji && kopia == 0 && !widoczny) {
            std::string male(k);
            for (char& c : male) c = Mala(c);
            widoczny = klucze.insert(std::move(male)).second;
        }
        if (widoczny) wiersze_[j++] = w;
    }
    wiersze_.resize(j);
}

std::string tPlikIni::Zawartosc() const
{
    std::string wynik;
    wynik.reserve(tekst_.size() + 2 * wiersze_.size());
    for (const tWiersz w : wiersze_) wynik.append(Tekst(w)).append("\r\n");
    return wynik;
}

bool tPlikIni::ZapiszPlik(const std::string& sciezka, std::string& komunikat) const
{
    return ::ZapiszPlik(sciezka, Zawartosc(), komunikat);
}
