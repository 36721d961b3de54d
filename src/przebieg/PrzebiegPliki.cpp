// Pliki robocze, plik stanu i polecenie "Zapisz" okna głównego.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "common/Formatowanie.h"

#include "persistence/Katalogi.h"
#include "persistence/PlikRoboczy.h"
#include "persistence/StanOkna.h"
#include "system/Pliki.h"
#include "system/SciezkaUtf8.h"
#include "przebieg/OdmowaPliku.h"
#include "przebieg/Przebieg.h"
#include "przebieg/Przyklad.h"
#include "przebieg/SprawdzPola.h"

namespace {

const char* const TytulInfo = "INFO";
// Jak komunikat raportu: gdzie leży zapisany plik.
const std::string PierwszyZapis = "Dane o obiekcie zostały zapisane\rdo podkatalogu o nazwie JNI\r";
const char* const BladZapisu = "Błąd zapisu danych.\r";
const char* const TytulBledu = "Błąd";
const char* const TytulUwagi = "UWAGA";
const char* const NieczytelneWPliku = "Nieczytelne liczby w pliku %s:";
const char* const ZmienioneWPliku = "Wartości zmienione przy wczytaniu pliku %s:";
const char* const NieZapisano = "Dane nie zostały zapisane.\r";
const char* const StanOdlozony = "Pliku stanu nie dało się użyć: %s\rOdłożono go jako %s i zapisano nowy.";
const char* const ZapisacZmiany = "Zapisać zmiany w obiekcie %s?";
const char* const ZapisacZmianyBezJNI = "Zapisać zmiany w obiekcie?";
const char* const InnyObiekt = "Plik %s zawiera inne dane.\rZastąpić je danymi tego obiektu?";
const char* const BezWynikow =
    "Dane obiektu nie przechodzą sprawdzeń: plik %s zostanie zapisany bez wyników.\rZapisać mimo to?";

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
    // Pole ukryte dla przekroju nie należy do obiektu: zapisane tak, jak by je przyjęło, żeby
    // plik nie miał wartości, której wczytanie nie przyjmie (pola w użyciu sprawdza SprawdzPola).
    for (int i = 0; i < LiczbaParametrow; ++i) {
        const tPole pole = static_cast<tPole>(RxSE_A1 + i);
        d.Parametry[i] = PoleWidoczne(pole, d.Przekroj) ? w.Wartosc(pole) : WartoscUstawiana(pole, w.Wartosc(pole));
    }
    d.LiczbaDlugosci = WierszeWUzyciu(w);
    for (int i = 0; i < d.LiczbaDlugosci; ++i) d.Dlugosci[i] = w.Wartosc(PoleDlugosci(i + 1));
    return d;
}

}  // namespace

bool tGlownyPrzebieg::WczytajDane(const std::string& sciezka, std::string& blad,
                                  std::vector<tNieczytelnaLiczba>& nieczytelne)
{
    nieczytelne.clear();
    tPlikIni ini;
    if (!WczytajPlikRoboczy(sciezka, ini, blad)) return false;
    WczytajIni(ini, &nieczytelne);
    przyklad_ = false;
    ZapamietajPlik(sciezka);
    return true;
}

bool tGlownyPrzebieg::WczytajDane(const std::string& sciezka)
{
    std::string blad;
    std::vector<tNieczytelnaLiczba> nieczytelne;
    if (!WczytajDane(sciezka, blad, nieczytelne)) {
        widok_.PokazKomunikat(TytulBledu, blad, tIkona::Ostrzezenie);
        return false;
    }
    if (!nieczytelne.empty()) {
        const bool tylkoNieliczby = std::all_of(nieczytelne.begin(), nieczytelne.end(),
                                                [](const auto& n) { return n.Powod == tNieczytelnaLiczba{}.Powod; });
        std::string tekst = Format(tylkoNieliczby ? NieczytelneWPliku : ZmienioneWPliku, {sciezka});
        for (const auto& n : nieczytelne) tekst += "\r" + OpisNieczytelnej(n);
        widok_.PokazKomunikat(TytulUwagi, tekst, tIkona::Ostrzezenie);
    }
    return true;
}

void tGlownyPrzebieg::WczytajIni(const tPlikIni& ini, std::vector<tNieczytelnaLiczba>* nieczytelne)
{
    UstawDanePliku(ini, nieczytelne, false);
}

void tGlownyPrzebieg::UstawDanePliku(const tPlikIni& ini, std::vector<tNieczytelnaLiczba>* nieczytelne, bool wpisane)
{
    przeliczanie_ = false;
    const tDanePliku d = CzytajDanePliku(ini, nieczytelne);
    auto ustaw = [&](tPole pole, double v) { wpisane ? widok_.UstawWartoscWpisana(pole, v) : widok_.UstawWartosc(pole, v); };

    Wybierz(widok_, tLista::CBSchemat, d.Schemat, 0);
    ustaw(IlePrzesel, d.Przesla);
    Wybierz(widok_, tLista::CBNormatyw, d.Normatyw, 0);
    Wybierz(widok_, tLista::CBKlasa, d.Klasa, 0);
    Wybierz(widok_, tLista::CBPrzeslo, d.Przekroj, 0);

    info_ = d.Info;

    for (int i = 0; i < LiczbaParametrow; ++i) {
        const tPole pole = static_cast<tPole>(RxSE_A1 + i);
        ustaw(pole, pole == RxSE_N ? std::trunc(d.Parametry[i]) : d.Parametry[i]);
    }
    for (int i = 0; i < MaksWierszy; ++i) ustaw(PoleDlugosci(i + 1), d.Dlugosci[i]);

    // Lista klas mogła zostać przebudowana dla normatywu: klasa z pliku jeszcze raz.
    Wybierz(widok_, tLista::CBNormatyw, d.Normatyw, 0);
    RegulaListyKlas(widok_);
    Wybierz(widok_, tLista::CBKlasa, d.Klasa, 0);
    if (nieczytelne) DopiszZmienione(ini, d, widok_, *nieczytelne);

    UstawTytul();
    UstawWidocznosc(widok_);
    BudujPrzesla(widok_);
    if (tStanPol stan; StanPol(widok_, stan)) historia_.Poczatek(stan);
    przeliczanie_ = true;
    Przelicz();
}

bool tGlownyPrzebieg::ZapiszDane(const std::string& sciezka, std::string& blad)
{
    return ZapiszPlikDanych(sciezka, blad, false);
}

// Plik stanu dostaje jeszcze sekcję STAN (persistence/StanOkna.h).
bool tGlownyPrzebieg::ZapiszPlikDanych(const std::string& sciezka, std::string& blad, bool stan)
{
    tPlikIni ini;
    // Nie nadpisujemy pliku, którego nie da się przeczytać (jego klucze by przepadły).
    if (ini.Wczytaj(sciezka, blad) == tStanOdczytu::Blad) return false;
    ZapiszIni(ini);
    if (stan) ZapiszStanOkna(ini, {Zmieniony(), przyklad_, plik_});
    return ini.ZapiszPlik(sciezka, blad);
}

bool tGlownyPrzebieg::ZapiszDane(const std::string& sciezka)
{
    std::string blad;
    return ZapiszDane(sciezka, blad);
}

bool tGlownyPrzebieg::ZapiszIni(tPlikIni& ini)
{
    // Wynik liczony na osobnym obiekcie; obiekt okna i jego widok zostają nietknięte.
    auto obiekt = std::make_unique<tObiektMostowy>();
    PobierzDane(widok_, *obiekt);
    const bool poprawne = SprawdzIOblicz(*obiekt).Poprawne();  // bez CALC, gdy odrzucony
    const tWynikiPliku wyniki{obiekt->PodajM1N(), obiekt->PodajTN(), obiekt->PodajTP(), obiekt->PodajMase()};

    ZapiszDanePliku(ini, DaneZWidoku(widok_, info_), poprawne ? &wyniki : nullptr);
    return poprawne;
}

std::string tGlownyPrzebieg::ZapisDanych() const
{
    tPlikIni ini;
    ZapiszDanePliku(ini, DaneZWidoku(widok_, info_), nullptr);
    return ini.Zawartosc();
}

void tGlownyPrzebieg::ZapamietajPlik(const std::string& sciezka)
{
    plik_ = sciezka;
    zapisane_ = ZapisDanych();
    UstawTytul();
}

bool tGlownyPrzebieg::Zmieniony() const
{
    return zapisane_.empty() || ZapisDanych() != zapisane_ || !SprawdzPola(widok_).Pola.empty();
}

bool tGlownyPrzebieg::PorzucZmiany(const std::function<bool()>& zapisz)
{
    if (!Zmieniony()) return true;
    const std::string pytanie = info_.JNI.empty() ? ZapisacZmianyBezJNI : Format(ZapisacZmiany, {info_.JNI + "_" + info_.NrP});
    switch (widok_.Zapytaj(TytulUwagi, pytanie, true)) {
    case tOdpowiedz::Tak: return zapisz();
    case tOdpowiedz::Nie: return true;
    default: return false;
    }
}

// Plik, który już jest, zostaje zastąpiony bez pytania tylko plikiem tego samego obiektu
// (ostatnio wczytanym albo zapisanym) z danymi, które przechodzą sprawdzenia.
bool tGlownyPrzebieg::PotwierdzZapis(const std::string& sciezka)
{
    tPlikIni stary;
    std::string blad;
    if (stary.Wczytaj(sciezka, blad) != tStanOdczytu::Przeczytany) return true;  // brak albo odmowa zapisu niżej
    tPlikIni nowy = stary;
    const bool poprawne = ZapiszIni(nowy);
    if (sciezka != plik_ && nowy.Zawartosc() != stary.Zawartosc() &&
        widok_.Zapytaj(TytulUwagi, Format(InnyObiekt, {sciezka}), false) != tOdpowiedz::Tak)
        return false;
    return PotwierdzBezWynikow(sciezka, poprawne);
}

bool tGlownyPrzebieg::PotwierdzBezWynikow(const std::string& sciezka, bool poprawne)
{
    return poprawne || widok_.Zapytaj(TytulUwagi, Format(BezWynikow, {sciezka}), false) == tOdpowiedz::Tak;
}

std::string tGlownyPrzebieg::SciezkaZapisu(const tInfoObiektu& info)
{
    const tInfoObiektu i = Przyciete(info);
    return KatalogJNI() + "/" + i.JNI + "_" + i.NrP + ".PTV";
}

void tGlownyPrzebieg::UstawInfo(const tInfoObiektu& zOkna)
{
    const tInfoObiektu nowe = Przyciete(zOkna);
    if (nowe.JNI != info_.JNI || nowe.NrP != info_.NrP) przyklad_ = false;  // już nie identyfikacja przykładu
    info_ = nowe;
    UstawTytul();
}

bool tGlownyPrzebieg::Zapisz(const tInfoObiektu& zOkna)
{
    const tInfoObiektu poprzednie = info_;
    info_ = Przyciete(zOkna);
    const std::string nazwa = info_.JNI + "_" + info_.NrP;
    // Nazwa pliku nie może wyjść poza katalog JNI.
    const bool nazwaPoprawna = nazwa.find('/') == std::string::npos && nazwa.find('\0') == std::string::npos;
    const tBladPol bledne = SprawdzPola(widok_);
    if (!bledne.Pola.empty()) {
        widok_.PokazKomunikat(TytulInfo, NieZapisano + bledne.Wynik.Komunikat, tIkona::Ostrzezenie);
        return false;
    }
    const std::string sciezka = SciezkaZapisu(info_);
    if (nazwaPoprawna && !PotwierdzZapis(sciezka)) {
        info_ = poprzednie;  // odmowa zapisu zostawia obiekt, jaki był
        return false;
    }
    std::string blad;
    if (!nazwaPoprawna || !UtworzKatalog(KatalogJNI()) || !ZapiszDane(sciezka, blad)) {
        widok_.PokazKomunikat(TytulInfo, BladZapisu + blad, tIkona::Informacja);
        return false;
    }
    przyklad_ = false;
    ZapamietajPlik(sciezka);
    if (pierwszyZapis_) {
        widok_.PokazKomunikat(TytulInfo, PierwszyZapis + SciezkaZapisu(info_), tIkona::Informacja);
        pierwszyZapis_ = false;
    }
    return true;
}

bool tGlownyPrzebieg::ZapiszJako(const std::string& sciezka)
{
    const tBladPol bledne = SprawdzPola(widok_);
    if (!bledne.Pola.empty()) {
        widok_.PokazKomunikat(TytulInfo, NieZapisano + bledne.Wynik.Komunikat, tIkona::Ostrzezenie);
        return false;
    }
    tPlikIni ini;
    if (!PotwierdzBezWynikow(sciezka, ZapiszIni(ini))) return false;
    std::string blad;
    if (!ZapiszDane(sciezka, blad)) {
        widok_.PokazKomunikat(TytulInfo, BladZapisu + blad, tIkona::Informacja);
        return false;
    }
    przyklad_ = false;
    ZapamietajPlik(sciezka);
    return true;
}

std::string tGlownyPrzebieg::PlikDoZapisu() const
{
    if (plik_.empty()) return {};
    const std::filesystem::path katalog = SciezkaUtf8(plik_).lexically_normal().parent_path();
    return katalog == SciezkaUtf8(KatalogJNI()).lexically_normal() ? std::string() : plik_;
}

void tGlownyPrzebieg::Uruchom()
{
    UtworzKatalog(KatalogJNI());
    // Plik stanu: nieczytelny albo obcy daje wartości domyślne, bez komunikatu. Bez pliku stanu
    // (pierwsze uruchomienie) okno zaczyna obiektem przykładowym. Wartości stanu wracają tak,
    // jak je wpisano (także spoza zakresu pola, oznaczone).
    tPlikIni stan;
    std::string blad;
    const bool pierwsze = stan.Wczytaj(SciezkaStanu(), blad) == tStanOdczytu::Brak;
    const tStanOkna okno = CzytajStanOkna(stan);
    if (pierwsze) ZapiszDanePliku(stan, DanePrzykladu(), nullptr);
    UstawDanePliku(stan, nullptr, !pierwsze);
    UstawWidocznosc(widok_);
    BudujPrzesla(widok_);
    RegulaListyKlas(widok_);
    przeliczanie_ = true;
    Przelicz();
    przyklad_ = pierwsze || okno.Przyklad;
    ZapamietajPlik(okno.Plik);  // PT.INI nie jest plikiem obiektu
    if (okno.Zmieniony) {
        zapisane_.clear();
        UstawTytul();
    }
}

bool tGlownyPrzebieg::Zamknij()
{
    const std::string sciezka = SciezkaStanu();
    std::string odczyt, nowa, uwaga, zapis;
    // Plik stanu, którego nie da się czytać (za duży, katalog w jego miejscu), blokowałby każdy
    // zapis: odkładamy go pod nazwą z datą i piszemy nowy.
    if (tPlikIni stary; stary.Wczytaj(sciezka, odczyt) == tStanOdczytu::Blad) {
        if (!OdlozNaBok(sciezka, nowa, uwaga)) {
            widok_.PokazKomunikat(TytulInfo, BladZapisu + odczyt + "\r" + uwaga, tIkona::Ostrzezenie);
            return false;
        }
        uwaga = Format(StanOdlozony, {odczyt, nowa});
    }
    if (UtworzKatalog(KatalogDanych()) && ZapiszPlikDanych(sciezka, zapis, true)) {
        if (!uwaga.empty()) widok_.PokazKomunikat(TytulUwagi, uwaga, tIkona::Ostrzezenie);
        return true;
    }
    widok_.PokazKomunikat(TytulInfo, BladZapisu + (zapis.empty() ? sciezka : zapis), tIkona::Ostrzezenie);
    return false;
}
