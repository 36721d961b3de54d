// Pliki robocze, plik stanu i polecenie "Zapisz" okna głównego.
#include <cmath>
#include <memory>

#include "persistence/Katalogi.h"
#include "persistence/PlikRoboczy.h"
#include "ui/Przebieg.h"

namespace {

const char* const TytulInfo = "INFO";
// Jak komunikat raportu: gdzie leży zapisany plik.
const std::string PierwszyZapis = "Dane o obiekcie zostały zapisane\rdo podkatalogu o nazwie JNI\r";
const char* const BladZapisu = "Błąd zapisu danych.\r";

std::string Przytnij(const std::string& s)
{
    const char* biale = " \t\r\n";
    size_t p = s.find_first_not_of(biale);
    if (p == std::string::npos) return "";
    return s.substr(p, s.find_last_not_of(biale) - p + 1);
}

tInfoObiektu Przyciete(const tInfoObiektu& i)
{
    return {Przytnij(i.JNI), Przytnij(i.NrP), Przytnij(i.Droga), Przytnij(i.Km), Przytnij(i.Najblizsza),
            Przytnij(i.Przeszkoda)};
}

// Pozycja spoza listy jest traktowana jak brak wartości: wybór domyślny.
void Wybierz(Widok& w, tLista lista, int pozycja, int domyslna)
{
    w.UstawWybor(lista, pozycja >= 0 && pozycja < w.LiczbaPozycjiListy(lista) ? pozycja : domyslna);
}

tDanePliku DaneZWidoku(const Widok& w, const tInfoObiektu& info)
{
    tDanePliku d;
    d.Info = info;
    d.Schemat = w.Wybor(tLista::CBSchemat);
    d.Przesla = static_cast<int>(std::trunc(w.Wartosc(IlePrzesel)));
    d.Normatyw = w.Wybor(tLista::CBNormatyw);
    d.Klasa = w.Wybor(tLista::CBKlasa);
    d.Przekroj = w.Wybor(tLista::CBPrzeslo);
    for (int i = 0; i < LiczbaParametrow; ++i) d.Parametry[i] = w.Wartosc(static_cast<tPole>(RxSE_A1 + i));
    d.LiczbaDlugosci = WierszeWUzyciu(w);
    for (int i = 0; i < d.LiczbaDlugosci; ++i) d.Dlugosci[i] = w.Wartosc(PoleDlugosci(i + 1));
    return d;
}

}  // namespace

void tGlownyPrzebieg::WczytajDane(const std::string& sciezka)
{
    tPlikIni ini;
    ini.Wczytaj(sciezka);  // plik nieczytelny to plik bez kluczy
    WczytajIni(ini);
}

void tGlownyPrzebieg::WczytajIni(const tPlikIni& ini)
{
    przeliczanie_ = false;
    const tDanePliku d = CzytajDanePliku(ini);

    Wybierz(widok_, tLista::CBSchemat, d.Schemat, 0);
    widok_.UstawWartosc(IlePrzesel, d.Przesla);
    Wybierz(widok_, tLista::CBNormatyw, d.Normatyw, 0);
    Wybierz(widok_, tLista::CBKlasa, d.Klasa, 0);
    Wybierz(widok_, tLista::CBPrzeslo, d.Przekroj, 0);

    info_ = d.Info;

    for (int i = 0; i < LiczbaParametrow; ++i) {
        const tPole pole = static_cast<tPole>(RxSE_A1 + i);
        widok_.UstawWartosc(pole, pole == RxSE_N ? std::trunc(d.Parametry[i]) : d.Parametry[i]);
    }
    for (int i = 0; i < MaksWierszy; ++i) widok_.UstawWartosc(PoleDlugosci(i + 1), d.Dlugosci[i]);

    // Lista klas mogła zostać przebudowana dla normatywu: klasa z pliku jeszcze raz.
    Wybierz(widok_, tLista::CBNormatyw, d.Normatyw, 0);
    RegulaListyKlas(widok_);
    Wybierz(widok_, tLista::CBKlasa, d.Klasa, 0);

    UstawTytul();
    UstawWidocznosc(widok_);
    BudujPrzesla(widok_);
    przeliczanie_ = true;
    Przelicz();
}

bool tGlownyPrzebieg::ZapiszDane(const std::string& sciezka)
{
    tPlikIni ini;
    if (!ini.Wczytaj(sciezka)) return false;  // nie nadpisujemy pliku, którego nie da się przeczytać
    ZapiszIni(ini);
    return ini.ZapiszPlik(sciezka);
}

void tGlownyPrzebieg::ZapiszIni(tPlikIni& ini)
{
    // Wynik liczony na osobnym obiekcie; obiekt okna i jego widok zostają nietknięte.
    auto obiekt = std::make_unique<tObiektMostowy>();
    PobierzDane(widok_, *obiekt);
    const bool poprawne = SprawdzIOblicz(*obiekt).Poprawne();
    const tWynikiPliku wyniki{obiekt->PodajM1N(), obiekt->PodajTN(), obiekt->PodajTP(), obiekt->PodajMase()};

    ZapiszDanePliku(ini, DaneZWidoku(widok_, info_), poprawne ? &wyniki : nullptr);
}

std::string tGlownyPrzebieg::SciezkaZapisu(const tInfoObiektu& info)
{
    const tInfoObiektu i = Przyciete(info);
    return KatalogJNI() + "/" + i.JNI + "_" + i.NrP + ".PTV";
}

void tGlownyPrzebieg::UstawInfo(const tInfoObiektu& zOkna)
{
    info_ = Przyciete(zOkna);
    UstawTytul();
}

bool tGlownyPrzebieg::Zapisz(const tInfoObiektu& zOkna)
{
    info_ = Przyciete(zOkna);
    const std::string nazwa = info_.JNI + "_" + info_.NrP;
    // Nazwa pliku nie może wyjść poza katalog JNI.
    const bool nazwaPoprawna = nazwa.find('/') == std::string::npos && nazwa.find('\0') == std::string::npos;
    if (!nazwaPoprawna || !UtworzKatalog(KatalogJNI()) || !ZapiszDane(SciezkaZapisu(info_))) {
        widok_.PokazKomunikat(TytulInfo, BladZapisu, tIkona::Informacja);
        return false;
    }
    UstawTytul();
    if (pierwszyZapis_) {
        widok_.PokazKomunikat(TytulInfo, PierwszyZapis + SciezkaZapisu(info_), tIkona::Informacja);
        pierwszyZapis_ = false;
    }
    return true;
}

void tGlownyPrzebieg::Uruchom()
{
    UtworzKatalog(KatalogJNI());
    WczytajDane(SciezkaStanu());
    UstawWidocznosc(widok_);
    BudujPrzesla(widok_);
    RegulaListyKlas(widok_);
    przeliczanie_ = true;
    Przelicz();
}

bool tGlownyPrzebieg::Zamknij()
{
    const std::string sciezka = SciezkaStanu();
    if (UtworzKatalog(KatalogDanych()) && ZapiszDane(sciezka)) return true;
    widok_.PokazKomunikat(TytulInfo, BladZapisu + sciezka, tIkona::Ostrzezenie);
    return false;
}
