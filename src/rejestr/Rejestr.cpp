#include "rejestr/Rejestr.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "common/Formatowanie.h"
#include "przebieg/OdmowaPliku.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"
#include "system/Pliki.h"
#include "system/System.h"

namespace {

const char* const WzorKategoriiRejestru = "%0.0f";
constexpr int PowtorzeniaOdczytu = 3;
const char* const KomPlikZmienny = "Plik zmieniał się w trakcie każdego odczytu (zapisuje go inny program): ";

std::string TekstListy(const tWidokPamieci& w, tLista lista)
{
    const auto& l = w.Listy[static_cast<int>(lista)];
    return l.Wybor >= 0 && l.Wybor < static_cast<int>(l.Pozycje.size()) ? l.Pozycje[l.Wybor] : std::string();
}

// Bajty pliku do porównania dwóch odczytów; pusty tekst, gdy pliku nie da się przeczytać.
std::string Bajty(const std::string& sciezka)
{
    std::string bajty;
    os::tBlad blad;
    if (os::CzytajZwykly(sciezka, LimitPlikuRoboczego, bajty, blad) != os::tOdczyt::Przeczytany) bajty.clear();
    return bajty;
}

}  // namespace

double KategoriaOkna(double masa)
{
    // Liczba odczytana z tekstu okna: std::nearbyint zaokrągliłby połówki do parzystej.
    const std::string tekst = Format(WzorKategoriiRejestru, {masa});
    double kategoria = masa;
    std::from_chars(tekst.data(), tekst.data() + tekst.size(), kategoria);
    return kategoria;
}

bool RozszerzeniePtv(const std::string& nazwa)
{
    if (nazwa.size() < 4) return false;
    std::string r = nazwa.substr(nazwa.size() - 4);
    std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return r == ".PTV";
}

std::string SciezkaWKatalogu(const std::string& katalog, const std::string& nazwa)
{
    const bool zSeparatorem =
        !katalog.empty() && os::SeparatoryKatalogow().find(katalog.back()) != std::string_view::npos;
    return katalog.empty() || zSeparatorem ? katalog + nazwa : katalog + "/" + nazwa;
}

bool PlikiRobocze(const std::string& katalog, std::vector<std::string>& nazwy)
{
    nazwy.clear();
    if (os::Opis(katalog).Rodzaj != os::tRodzaj::Katalog) return false;
    for (auto& n : os::NazwyWKatalogu(katalog))
        if (RozszerzeniePtv(n)) nazwy.push_back(std::move(n));
    std::sort(nazwy.begin(), nazwy.end());
    return true;
}

tOceniacz::tOceniacz() : widok_(std::make_unique<tWidokPamieci>()), przebieg_(std::make_unique<tGlownyPrzebieg>(*widok_)) {}
tOceniacz::~tOceniacz() = default;

const tObiektMostowy& tOceniacz::Obiekt() const { return przebieg_->Obiekt(); }

tWierszRejestru tOceniacz::Ocen(const std::string& sciezka, const std::string& nazwa)
{
    tWierszRejestru w;
    w.Plik = nazwa;
    w.Sciezka = sciezka;
    std::string blad;
    std::vector<tNieczytelnaLiczba> nieczytelne;
    bool wczytany = false, staly = false;
    // Bajty po jednym odczycie są bajtami "przed" następnego.
    std::string przed = Bajty(sciezka);
    for (int proba = 0; proba < PowtorzeniaOdczytu && !staly; ++proba) {
        wczytany = przebieg_->WczytajDane(sciezka, blad, nieczytelne);
        std::string po = Bajty(sciezka);
        staly = po == przed;
        przed = std::move(po);
    }
    if (!staly) {
        // Plik ciągle podmieniany: lepiej odmowa niż wiersz z pomieszanych danych.
        wczytany = false;
        blad = KomPlikZmienny + sciezka;
    }
    if (!wczytany) {
        w.Etap = EtapOdczytu;
        w.Komunikat = blad;
        return w;
    }
    const tWidokPamieci& v = *widok_;
    const tGlownyPrzebieg& p = *przebieg_;
    w.Wczytany = true;
    w.Info = p.Info();
    w.Normatyw = TekstListy(v, tLista::CBNormatyw);
    w.Klasa = TekstListy(v, tLista::CBKlasa);
    w.Przekroj = TekstListy(v, tLista::CBPrzeslo);
    w.Schemat = TekstListy(v, tLista::CBSchemat);
    for (size_t r = 0; r < v.WierszePrzesel.size(); ++r) {
        if (v.WierszePrzesel[r].Podpis.rfind("Rozpiętość", 0) != 0) continue;
        ++w.Przesla;
        w.Najdluzsze = std::max(w.Najdluzsze, v.Wartosc(PoleDlugosci(static_cast<int>(r) + 1)));
    }
    // Wartości, które wczytanie zmieniło: odmowa jak w pontiva-cli oblicz, bez wyników.
    if (const std::string odmowa = OdmowaPliku(nieczytelne); !odmowa.empty()) {
        w.Etap = EtapOdczytu;
        w.Komunikat = odmowa;
        return w;
    }
    const tWynikPrzeliczenia& wynik = p.OstatniWynik();
    if (!wynik.Poprawne()) {
        w.Etap = NazwaEtapu(wynik.Etap);
        w.Komunikat = wynik.Komunikat;
        return w;
    }
    const tObiektMostowy& ob = p.Obiekt();
    w.Poprawny = true;
    w.Masa = ob.PodajMase();
    w.KategoriaTekst = Format(WzorKategoriiRejestru, {w.Masa});
    w.Kategoria = KategoriaOkna(w.Masa);
    w.Najgorszy = ob.NajgorszyElement();
    if (w.Najgorszy >= 1 && w.Najgorszy <= ob.LiczbaElementow) w.NazwaNajgorszego = ob.Elementy[w.Najgorszy].Nazwa;
    return w;
}

bool OcenKatalog(const std::string& katalog, std::vector<tWierszRejestru>& wiersze)
{
    wiersze.clear();
    std::vector<std::string> nazwy;
    if (!PlikiRobocze(katalog, nazwy)) return false;
    tOceniacz oceniacz;
    wiersze.reserve(nazwy.size());
    for (const auto& n : nazwy) wiersze.push_back(oceniacz.Ocen(SciezkaWKatalogu(katalog, n), n));
    return true;
}
