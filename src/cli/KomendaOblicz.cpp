#include "cli/KomendaOblicz.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/Wyjscie.h"
#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "common/Slad.h"
#include "przebieg/OdmowaPliku.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"
#include "rejestr/Rejestr.h"
#include "system/SciezkaUtf8.h"
#include "system/System.h"

namespace fs = std::filesystem;

namespace {

const char* const NaglowekCsv = "plik;JNI;NrP;normatyw;klasa;przekroj;schemat;M1N;TN;MP;TP;PTV;najgorszy;blad\n";
const char* const BladBrakPliku = "pontiva-cli: nie można odczytać pliku ani katalogu: %s\n";
const char* const BladFormatu = "pontiva-cli: nieznany format \"%s\" (tekst, csv albo json)\n";
const char* const BladSeparatora = "pontiva-cli: separator dziesiętny to \",\" albo \".\", nie \"%s\"\n";
const char* const BladOpcji = "pontiva-cli: nieznana opcja \"%s\"\n";
const char* const BladBrakWartosci = "pontiva-cli: opcja %s wymaga wartości\n";
const char* const BladBrakPlikow = "pontiva-cli: podaj plik roboczy .PTV albo katalog\n";
const char* const BladJedenPlik = "pontiva-cli: polecenie slad przyjmuje dokładnie jeden plik roboczy\n";
const char* const BladPustyKatalog = "pontiva-cli: w katalogu nie ma plików roboczych *.PTV: %s\n";

enum class tFormat { Tekst, Csv, Json };

// Komunikat z argumentem użytkownika (nazwa pliku może mieć dowolne bajty).
void Blad(const char* wzor, const std::string& arg)
{
    std::string t = Format(wzor, {arg});
    if (!t.empty() && t.back() == '\n') t.pop_back();
    Pisz(stderr, t);
}

// Plik roboczy wczytany do przebiegu; przy odmowie komunikat, przy nieczytelnych i zmienionych
// wartościach ostrzeżenia na standardowe wyjście błędów (po wyjściu wypisanym dotąd), a w odmowa
// komunikat OdmowaPliku.
bool WczytajPlik(tGlownyPrzebieg& przebieg, const std::string& plik, tWyjscie& wyjscie, std::string* odmowa = nullptr)
{
    std::string blad;
    std::vector<tNieczytelnaLiczba> nieczytelne;
    const bool wczytany = przebieg.WczytajDane(plik, blad, nieczytelne);
    if (!wczytany || !nieczytelne.empty()) {
        wyjscie.Oproznij();
        std::fflush(stdout);
    }
    if (!wczytany) PokazOdmowe(blad);
    PokazNieczytelne(plik, nieczytelne);
    if (odmowa) *odmowa = OdmowaPliku(nieczytelne);
    return wczytany;
}

// Ocena pliku w wynikach: wynik przeliczenia okna albo odmowa pliku zmienionego przy wczytaniu.
struct tOcena {
    bool Ok = false;
    const char* Etap = nullptr;
    std::string Komunikat;
    std::vector<std::string> Linie;  // obszar komunikatów
};

tOcena Ocena(const tGlownyPrzebieg& p, const tWidokPamieci& w, const std::string& odmowa)
{
    if (!odmowa.empty()) return {false, EtapOdczytu, odmowa, {NaglowekOdczytu, odmowa}};
    const tWynikPrzeliczenia& wynik = p.OstatniWynik();
    return {wynik.Poprawne(), NazwaEtapu(wynik.Etap), wynik.Komunikat, w.Komunikaty};
}

std::string BezCR(const std::string& s)
{
    std::string w;
    for (char c : s) {
        if (c == '\r') c = ' ';
        if (c == ' ' && !w.empty() && w.back() == ' ') continue;
        w += c;
    }
    return w;
}

void DopiszLiczbeCsv(std::string& cel, double v)
{
    if (v != NieDotyczy) cel += LiczbaOgolna(v);
}

void WierszTekst(std::string& o, const std::string& plik, const tWidokPamieci& w, const tOcena& ocena)
{
    const tTekstyWynikow wyniki = ocena.Etap == EtapOdczytu ? tTekstyWynikow{} : w.Wyniki;
    o += "Plik: " + Wiersze(plik) + "\n";
    o += "M1N:" + wyniki.M1N + "\n";
    o += "TN:" + wyniki.TN + "\n";
    o += "MP:" + wyniki.MP + "\n";
    o += "TP:" + wyniki.TP + "\n";
    o += "KATEGORIA:" + wyniki.Kategoria + "\n";
    for (const auto& l : ocena.Linie) o += Wiersze(l) + "\n";
    o += "\n";
}

void WierszCsv(std::string& o, const std::string& plik, const tGlownyPrzebieg& p, const tWidokPamieci& w,
               const tOcena& ocena)
{
    const tObiektMostowy& ob = p.Obiekt();
    const bool ok = ocena.Ok;
    DopiszKomorkeCsv(o, plik);
    o += ';';
    DopiszKomorkeCsv(o, p.Info().JNI);
    o += ';';
    DopiszKomorkeCsv(o, p.Info().NrP);
    for (tLista l : {tLista::CBNormatyw, tLista::CBKlasa, tLista::CBPrzeslo, tLista::CBSchemat})
        o += ';' + std::to_string(w.Wybor(l));
    for (double v : {ob.PodajM1N(), ob.PodajTN(), ob.PodajMP(), ob.PodajTP(), ob.PodajMase()}) {
        o += ';';
        if (ok) DopiszLiczbeCsv(o, v);
    }
    o += ';' + std::to_string(ok ? ob.NajgorszyElement() : -1) + ';';
    if (!ok) DopiszKomorkeCsv(o, BezCR(ocena.Komunikat));
    o += '\n';
}

void Klucz(std::string& o, const char* nazwa)
{
    o += '"';
    o += nazwa;
    o += "\":";
}

void WierszJson(std::string& o, const std::string& plik, const tGlownyPrzebieg& p, const tWidokPamieci& w,
                const tOcena& ocena)
{
    const tObiektMostowy& ob = p.Obiekt();
    const bool ok = ocena.Ok;
    auto liczba = [&](const char* nazwa, double v, bool jest) {
        o += ',';
        Klucz(o, nazwa);
        if (jest)
            DopiszJsonLiczbe(o, v);
        else
            o += "null";
    };
    o += '{';
    Klucz(o, "plik");
    DopiszJsonNapis(o, plik);
    o += ',';
    Klucz(o, "JNI");
    DopiszJsonNapis(o, p.Info().JNI);
    o += ',';
    Klucz(o, "NrP");
    DopiszJsonNapis(o, p.Info().NrP);
    const std::pair<const char*, tLista> listy[] = {{"normatyw", tLista::CBNormatyw},
                                                    {"klasa", tLista::CBKlasa},
                                                    {"przekroj", tLista::CBPrzeslo},
                                                    {"schemat", tLista::CBSchemat}};
    for (const auto& [nazwa, lista] : listy) {
        o += ',';
        Klucz(o, nazwa);
        o += std::to_string(w.Wybor(lista));
    }
    o += ',';
    Klucz(o, "ok");
    o += ok ? "true" : "false";
    o += ',';
    Klucz(o, "etap");
    if (ok)
        o += "null";
    else
        DopiszJsonNapis(o, ocena.Etap);
    o += ',';
    Klucz(o, "komunikat");
    if (ok)
        o += "null";
    else
        DopiszJsonNapis(o, ocena.Komunikat);
    liczba("M1N", ob.PodajM1N(), ok);
    liczba("TN", ob.PodajTN(), ok);
    liczba("MP", ob.PodajMP(), ok);
    liczba("TP", ob.PodajTP(), ok);
    liczba("PTV", ob.PodajMase(), ok);
    o += ',';
    Klucz(o, "najgorszy");
    o += std::to_string(ok ? ob.NajgorszyElement() : -1);
    o += ',';
    Klucz(o, "elementy");
    o += '[';
    for (int i = 1; ocena.Etap != EtapOdczytu && i <= ob.LiczbaElementow; ++i) {
        const tElement& e = ob.Elementy[i];
        if (i > 1) o += ',';
        o += '{';
        Klucz(o, "nazwa");
        DopiszJsonNapis(o, e.Nazwa);
        o += ',';
        Klucz(o, "rodzaj");
        o += std::to_string(static_cast<int>(e.Rodzaj));
        liczba("dlugosc", e.Dlugosc, true);
        liczba("LM", e.LM, ok);
        liczba("LT", e.LT, ok);
        liczba("M1N", e.M1N, ok);
        liczba("TN", e.TN, ok);
        liczba("MP", e.MP, ok);
        liczba("TP", e.TP, ok);
        liczba("masa", e.MasaGraniczna, ok);
        o += '}';
    }
    o += "]}\n";
}

struct tOpcje {
    tFormat Format = tFormat::Tekst;
    std::string Separator;
    std::vector<std::string> Sciezki;
};

// Rozbiór argumentów; false po komunikacie o błędzie użycia.
bool CzytajOpcje(const std::vector<std::string>& argumenty, tOpcje& o)
{
    bool koniecOpcji = false;
    for (size_t i = 0; i < argumenty.size(); ++i) {
        std::string a = argumenty[i];
        if (koniecOpcji || a.empty() || a[0] != '-' || a == "-") {
            o.Sciezki.push_back(a);
            continue;
        }
        if (a == "--") {
            koniecOpcji = true;
            continue;
        }
        std::string wartosc;
        bool maWartosc = false;
        if (auto r = a.find('='); r != std::string::npos) {
            wartosc = a.substr(r + 1);
            a = a.substr(0, r);
            maWartosc = true;
        }
        if (a != "--format" && a != "--separator") {
            Blad(BladOpcji, argumenty[i]);
            return false;
        }
        if (!maWartosc) {
            if (i + 1 >= argumenty.size()) {
                Blad(BladBrakWartosci, a);
                return false;
            }
            wartosc = argumenty[++i];
        }
        if (a == "--format") {
            if (wartosc == "tekst")
                o.Format = tFormat::Tekst;
            else if (wartosc == "csv")
                o.Format = tFormat::Csv;
            else if (wartosc == "json")
                o.Format = tFormat::Json;
            else {
                Blad(BladFormatu, wartosc);
                return false;
            }
        } else {
            if (wartosc != "," && wartosc != ".") {
                Blad(BladSeparatora, wartosc);
                return false;
            }
            o.Separator = wartosc;
        }
    }
    return true;
}

}  // namespace

bool ZbierzPliki(const std::string& arg, std::vector<std::string>& pliki)
{
    std::error_code blad;
    if (fs::is_directory(SciezkaUtf8(arg), blad)) {
        std::vector<std::string> nazwy;
        fs::directory_iterator it(SciezkaUtf8(arg), blad);
        if (blad) {
            Blad(BladBrakPliku, arg);
            return false;
        }
        for (const auto& wpis : it) {
            const std::string nazwa = Utf8(wpis.path().filename());
            if (RozszerzeniePtv(nazwa) && wpis.is_regular_file(blad)) nazwy.push_back(nazwa);
        }
        std::sort(nazwy.begin(), nazwy.end());
        for (const auto& n : nazwy) pliki.push_back(SciezkaWKatalogu(arg, n));
        if (nazwy.empty()) Blad(BladPustyKatalog, arg);
        return !nazwy.empty();
    }
    if (!fs::exists(SciezkaUtf8(arg), blad)) {
        Blad(BladBrakPliku, arg);
        return false;
    }
    pliki.push_back(arg);
    return true;
}

bool UstawSeparator(const std::string& wartosc)
{
    if (wartosc.empty()) {
        Regionalne().SeparatorDziesietny = SeparatorUzytkownika();
        return true;
    }
    if (wartosc != "," && wartosc != ".") return false;
    Regionalne().SeparatorDziesietny = wartosc[0];
    return true;
}

int KomendaOblicz(const std::vector<std::string>& argumenty)
{
    tOpcje opcje;
    if (!CzytajOpcje(argumenty, opcje)) return KodUzycie;
    UstawSeparator(opcje.Separator);
    if (opcje.Sciezki.empty()) {
        std::fputs(BladBrakPlikow, stderr);
        return KodUzycie;
    }

    // Jedno okno w pamięci dla wszystkich plików, jak kolejne "Wczytaj" w oknie.
    auto widok = std::make_unique<tWidokPamieci>();
    auto przebieg = std::make_unique<tGlownyPrzebieg>(*widok);
    tWyjscie wyjscie;
    if (opcje.Format == tFormat::Csv) wyjscie.Dopisz(NaglowekCsv);

    int kod = KodPoprawny;
    for (const auto& arg : opcje.Sciezki) {
        std::vector<std::string> pliki;
        wyjscie.Oproznij();
        std::fflush(stdout);
        if (!ZbierzPliki(arg, pliki)) {
            kod = KodUzycie;
            continue;
        }
        for (const auto& plik : pliki) {
            std::string odmowa;
            if (!WczytajPlik(*przebieg, plik, wyjscie, &odmowa)) {
                kod = KodUzycie;
                continue;
            }
            const tOcena ocena = Ocena(*przebieg, *widok, odmowa);
            if (!ocena.Ok && kod == KodPoprawny) kod = KodOdrzucone;
            switch (opcje.Format) {
            case tFormat::Tekst: WierszTekst(wyjscie.Bufor(), plik, *widok, ocena); break;
            case tFormat::Csv: WierszCsv(wyjscie.Bufor(), plik, *przebieg, *widok, ocena); break;
            case tFormat::Json: WierszJson(wyjscie.Bufor(), plik, *przebieg, *widok, ocena); break;
            }
            wyjscie.Zapisano();
        }
    }
    return kod;
}

int KomendaSlad(const std::vector<std::string>& argumenty)
{
    tOpcje opcje;
    if (!CzytajOpcje(argumenty, opcje)) return KodUzycie;
    UstawSeparator(opcje.Separator);
    if (opcje.Sciezki.size() != 1) {
        std::fputs(BladJedenPlik, stderr);
        return KodUzycie;
    }
    const std::string& plik = opcje.Sciezki.front();
    auto widok = std::make_unique<tWidokPamieci>();
    auto przebieg = std::make_unique<tGlownyPrzebieg>(*widok);
    std::error_code brak;
    if (!fs::exists(SciezkaUtf8(plik), brak)) {
        Blad(BladBrakPliku, plik);
        return KodUzycie;
    }
    {
        tWyjscie wyjscie;
        std::string odmowa;
        if (!WczytajPlik(*przebieg, plik, wyjscie, &odmowa)) return KodUzycie;
        // Plik zmieniony przy wczytaniu nie ma śladu, jak nie ma go obiekt odrzucony.
        if (!odmowa.empty()) {
            Pisz(stderr, std::string(NaglowekOdczytu) + "\n" + odmowa);
            return KodOdrzucone;
        }
    }
    const tWynikPrzeliczenia& wynik = przebieg->OstatniWynik();
    {
        tWyjscie wyjscie;
        // Ślad jest tylko wtedy, gdy sprawdzenia przeszły i Oblicz ruszyło.
        if (wynik.Poprawne() || wynik.Etap == tEtap::Oblicz) {
            const tSlad& slad = Slad();
            for (size_t i = 0; i < slad.Rozmiar(); ++i) {
                wyjscie.Dopisz(Wiersze(slad.Linia(i)));
                wyjscie.Dopisz("\n");
                wyjscie.Zapisano();
            }
        }
    }
    if (wynik.Poprawne()) return KodPoprawny;
    std::fflush(stdout);
    for (const auto& l : LinieKomunikatow(wynik)) Pisz(stderr, l);
    return KodOdrzucone;
}
