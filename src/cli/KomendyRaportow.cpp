// Polecenia raportów pontiva-cli. Plik roboczy wczytuje przebieg okna do widoku w pamięci,
// tak jak robi to okno; raport i porównanie liczą potem to samo co polecenia okna.
#include "cli/KomendyRaportow.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>

#include "cli/Dzisiaj.h"
#include "cli/KomendaOblicz.h"
#include "cli/Wyjscie.h"
#include "common/Regionalne.h"
#include "reports/Porownanie.h"
#include "reports/Raport.h"
#include "reports/SprawdzRaport.h"
#include "reports/WykresSvg.h"
#include "system/Pliki.h"
#include "system/System.h"
#include "przebieg/OdmowaPliku.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"

namespace {

const char* const UzycieRaport = "Użycie: pontiva-cli raport PLIK.PTV -o RAPORT.RTF [--data TEKST] [--separator ,|.]";
const char* const UzycieNormy = "Użycie: pontiva-cli normy PLIK.PTV [-o PLIK.TXT] [--wykres WYKRES.SVG] [--separator ,|.]";
const char* const UzycieSprawdz = "Użycie: pontiva-cli sprawdz RAPORT.RTF";
const char* const KomWyjscieToWejscie = "Plik wyjściowy jest plikiem wejściowym: ";
const char* const KomRaportZapisany = "Raport zapisany: ";
const char* const KomKodZgodny = "Kod kontrolny zgodny z treścią raportu: ";
const char* const KomKodNiezgodny = "Kod kontrolny NIEZGODNY z treścią raportu.";
const char* const KomNieczytelny = "To nie jest czytelny raport urzędowy: ";

struct tArgumenty {
    std::string Plik;
    std::string Wyjscie;
    std::string Data;
    std::string Wykres;
    bool Poprawne = true;
};

// Komunikat okna na standardowe wyjście błędów: CR rozdziela wiersze.
void Blad(const std::string& tekst) { Pisz(stderr, tekst); }

tArgumenty Czytaj(const std::vector<std::string>& a, bool zWyjsciem, bool zData, bool zWykresem = false)
{
    tArgumenty w;
    bool koniecOpcji = false;  // po "--" każdy argument jest plikiem
    for (size_t i = 0; i < a.size(); ++i) {
        const bool maWartosc = i + 1 < a.size();
        if (koniecOpcji) {
            if (!w.Plik.empty()) w.Poprawne = false;
            w.Plik = a[i];
        } else if (a[i] == "--") {
            koniecOpcji = true;
        } else if (zWyjsciem && a[i] == "-o" && maWartosc) {
            w.Wyjscie = a[++i];
        } else if (zData && a[i] == "--data" && maWartosc) {
            w.Data = a[++i];
        } else if (zWykresem && a[i] == "--wykres" && maWartosc) {
            w.Wykres = a[++i];
        } else if (zWyjsciem && a[i] == "--separator" && maWartosc && a[i + 1].size() == 1 &&
                   (a[i + 1] == "," || a[i + 1] == ".")) {
            Regionalne().SeparatorDziesietny = a[++i][0];
        } else if (w.Plik.empty() && !a[i].empty() && a[i][0] != '-') {
            w.Plik = a[i];
        } else {
            w.Poprawne = false;
        }
    }
    if (w.Plik.empty()) w.Poprawne = false;
    return w;
}

// Okno w pamięci z wczytanym plikiem roboczym; nullptr, gdy pliku nie ma (kod KodUzycie) albo
// gdy wczytanie zmieniło jego wartości (kod KodOdrzucone): raport stoi na danych, jak je zapisano.
struct tOkno {
    tWidokPamieci Widok;
    tGlownyPrzebieg Przebieg{Widok};
};

std::unique_ptr<tOkno> Wczytaj(const std::string& plik, int& kod)
{
    auto okno = std::make_unique<tOkno>();
    std::string blad;
    std::vector<tNieczytelnaLiczba> nieczytelne;
    kod = KodUzycie;
    if (!okno->Przebieg.WczytajDane(plik, blad, nieczytelne)) {
        Blad(blad);
        return nullptr;
    }
    PokazNieczytelne(plik, nieczytelne);
    kod = KodOdrzucone;
    if (const std::string odmowa = OdmowaPliku(nieczytelne); !odmowa.empty()) {
        PokazOdmowe(odmowa);
        return nullptr;
    }
    return okno;
}

// Zapis wyniku na plik wejściowy zniszczyłby dane obiektu.
bool WyjscieToWejscie(const tArgumenty& a)
{
    for (const std::string& wyjscie : {a.Wyjscie, a.Wykres})
        if (!wyjscie.empty() && os::TenSamPlik(a.Plik, wyjscie)) {
            Blad(KomWyjscieToWejscie + wyjscie);
            return true;
        }
    return false;
}

}  // namespace

int KomendaRaport(const std::vector<std::string>& argumenty)
{
    Regionalne().SeparatorDziesietny = SeparatorUzytkownika();
    const tArgumenty a = Czytaj(argumenty, true, true);
    if (!a.Poprawne || a.Wyjscie.empty()) {
        Blad(UzycieRaport);
        return KodUzycie;
    }
    if (WyjscieToWejscie(a)) return KodUzycie;
    int kod = 0;
    auto okno = Wczytaj(a.Plik, kod);
    if (!okno) return kod;
    const auto wynik = RaportDoPliku(
        okno->Przebieg.Info(), [&](tObiektMostowy& o) { PobierzDane(okno->Widok, o); }, a.Wyjscie,
        a.Data.empty() ? Dzisiaj() : a.Data);
    if (!wynik.Zapisany) {
        Blad(std::string(TytulBleduRaportu) + ": " + wynik.Komunikat);
        // Odrzucone dane to 1; plik, którego nie udało się zapisać (np. otwarty w innym
        // programie), to 2 jak każdy inny błąd pliku: skrypt nie weźmie go za słaby most.
        return wynik.BladZapisu ? KodUzycie : KodOdrzucone;
    }
    Pisz(stdout, KomRaportZapisany + wynik.Plik);
    return 0;
}

int KomendaNormy(const std::vector<std::string>& argumenty)
{
    Regionalne().SeparatorDziesietny = SeparatorUzytkownika();
    const tArgumenty a = Czytaj(argumenty, true, false, true);
    if (!a.Poprawne) {
        Blad(UzycieNormy);
        return KodUzycie;
    }
    if (WyjscieToWejscie(a)) return KodUzycie;
    int kod = 0;
    auto okno = Wczytaj(a.Plik, kod);
    if (!okno) return kod;
    // Opis obiektu z osobnego obiektu wypełnionego z pól; przeliczenia na obiekcie okna.
    auto naglowek = std::make_unique<tObiektMostowy>();
    PobierzDane(okno->Widok, *naglowek);
    const tInfoObiektu info = okno->Przebieg.Info();
    tPorownanie przeliczenia;
    std::string komunikat;
    if (a.Wyjscie.empty()) {
        przeliczenia = PrzeliczNormy(okno->Przebieg.Obiekt());
        std::cout << PolaczWiersze(WierszePorownania(*naglowek, przeliczenia, info), "\n");
        if (!std::cout.good()) return KodUzycie;  // błąd zapisu na standardowe wyjście
    } else if (!ZapiszPorownanie(*naglowek, okno->Przebieg.Obiekt(), info, a.Wyjscie, komunikat, &przeliczenia)) {
        Blad(komunikat);
        return KodUzycie;  // błąd zapisu pliku
    }
    if (!a.Wykres.empty() &&
        !ZapiszWykresSvg(UkladWykresu(przeliczenia, naglowek->Normatyw, naglowek->Klasa, info), a.Wykres, komunikat)) {
        Blad(komunikat);
        return KodUzycie;
    }
    return 0;
}

int KomendaSprawdz(const std::vector<std::string>& argumenty)
{
    const tArgumenty a = Czytaj(argumenty, false, false);
    if (!a.Poprawne) {
        Blad(UzycieSprawdz);
        return KodUzycie;
    }
    std::string bajty, komunikat;
    if (CzytajPlik(a.Plik, LimitRaportu, bajty, komunikat) != tStanOdczytu::Przeczytany) {
        Blad(komunikat);
        return KodUzycie;
    }
    const auto w = SprawdzRaport(bajty);
    switch (w.Stan) {
    case tStanRaportu::Zgodny: std::cout << KomKodZgodny << w.KodWydrukowany << '\n'; return 0;
    case tStanRaportu::Niezgodny:
        // Bez kodu policzonego z treści: to byłby gotowy kod dla przerobionego raportu.
        std::cout << KomKodNiezgodny << '\n';
        return 1;
    case tStanRaportu::Nieczytelny: break;
    }
    Blad(KomNieczytelny + w.Opis);
    return KodUzycie;
}
