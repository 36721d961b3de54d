// Polecenia raportów pontiva-cli. Plik roboczy wczytuje przebieg okna do widoku w pamięci,
// tak jak robi to okno; raport i porównanie liczą potem to samo co polecenia okna.
#include "cli/KomendyRaportow.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>

#include "cli/ArgumentyPolecenia.h"
#include "cli/Dzisiaj.h"
#include "cli/KomendaOblicz.h"
#include "cli/Wyjscie.h"
#include "common/Formatowanie.h"
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
const char* const UzycieSprawdz = "Użycie: pontiva-cli sprawdz RAPORT.RTF [--plik PLIK.PTV [--data TEKST]]";
const char* const KomRaportZapisany = "Raport zapisany: ";
const char* const KomKodZgodny =
    "Kod kontrolny zgodny z treścią objętą kodem (JNI, numer pierwszego przęsła, dane wyjściowe, parametry "
    "przekroju, nośność): ";
const char* const KomPozaKodem =
    "Ślad obliczeń, data, numer drogi, kilometraż, najbliższa miejscowość i nazwa przeszkody nie są nim objęte; "
    "ślad zgadza się z tabelami i nośnością raportu (długości, wyniki elementów, element rozstrzygający, nośność). "
    "Cały raport sprawdza przeliczenie: pontiva-cli sprawdz RAPORT.RTF --plik PLIK.PTV";
const char* const KomKodNiezgodny = "Kod kontrolny NIEZGODNY z treścią raportu.";
const char* const KomSladNiezgodny = "Ślad obliczeń NIEZGODNY z treścią raportu: ";
const char* const KomNieczytelny = "To nie jest czytelny raport urzędowy: ";
const char* const WzorPrzeliczenieZgodne =
    "Raport zgodny z przeliczeniem pliku roboczego %s: cały dokument bajt w bajt %s (końce wierszy nie są "
    "treścią); kod kontrolny %s";
const char* const PozaData = "poza datą";
const char* const WzorZData = "z datą %s";
const char* const WzorPrzeliczenieNiezgodne =
    "Raport NIEZGODNY z przeliczeniem pliku roboczego %s: pierwsza różnica w wierszu %d dokumentu\r"
    "  w raporcie:      %s\r  po przeliczeniu: %s";
const char* const KoniecPliku = "(koniec pliku)";

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
        if (const std::string odmowa = OdmowaWyjsciaNaWejscie(wyjscie, {a.Plik}); !wyjscie.empty() && !odmowa.empty()) {
            Blad(odmowa);
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

namespace {

// Raport przeliczony z pliku roboczego i porównany z podanym (bez daty, gdy jej nie podano).
int SprawdzPrzeliczeniem(const std::string& bajty, const tWynikSprawdzeniaRaportu& w, const std::string& plik,
                         const std::string* data)
{
    // Liczby jak w sprawdzanym raporcie: separator to wygląd, nie treść.
    Regionalne().SeparatorDziesietny = w.Separator ? w.Separator : SeparatorUzytkownika();
    int kod = 0;
    auto okno = Wczytaj(plik, kod);
    if (!okno) return KodUzycie;  // odmowa pliku roboczego: nie ma z czym porównać
    const auto wynik = PodgladRaportu(
        okno->Przebieg.Info(), [&](tObiektMostowy& o) { PobierzDane(okno->Widok, o); }, data ? *data : w.Data);
    if (!wynik.Gotowy) {
        Blad(std::string(TytulBleduRaportu) + ": " + wynik.Komunikat);
        return KodUzycie;
    }
    const tRoznicaDokumentow r = PorownajDokumenty(bajty, DokumentRaportu(wynik.Tresc));
    if (r.Rowne) {
        const std::string zakres = data ? Format(WzorZData, {*data}) : PozaData;
        Pisz(stdout, Format(WzorPrzeliczenieZgodne, {plik, zakres, w.KodWydrukowany}));
        return 0;
    }
    Pisz(stdout, Format(WzorPrzeliczenieNiezgodne, {plik, static_cast<long long>(r.Wiersz),
                                                    r.KoniecRaportu ? KoniecPliku : r.WRaporcie,
                                                    r.KoniecPrzeliczonego ? KoniecPliku : r.WPrzeliczonym}));
    return 1;
}

}  // namespace

int KomendaSprawdz(const std::vector<std::string>& argumenty)
{
    tArgumentyPolecenia a;
    if (!RozbierzArgumenty(argumenty, {"--plik", "--data"}, a) || a.Pozycyjne.size() != 1 ||
        (a.Opcje.count("--data") && !a.Opcje.count("--plik"))) {
        Blad(UzycieSprawdz);
        return KodUzycie;
    }
    std::string bajty, komunikat;
    if (CzytajPlik(a.Pozycyjne.front(), LimitRaportu, bajty, komunikat) != tStanOdczytu::Przeczytany) {
        Blad(komunikat);
        return KodUzycie;
    }
    const auto w = SprawdzRaport(bajty);
    if (w.Stan == tStanRaportu::Nieczytelny) {
        Blad(KomNieczytelny + w.Opis);
        return KodUzycie;
    }
    if (a.Opcje.count("--plik"))
        return SprawdzPrzeliczeniem(bajty, w, a.Opcje["--plik"], a.Opcje.count("--data") ? &a.Opcje["--data"] : nullptr);
    if (w.Stan == tStanRaportu::Zgodny) {
        Pisz(stdout, KomKodZgodny + w.KodWydrukowany + "\r" + KomPozaKodem);
        return 0;
    }
    // Bez kodu policzonego z treści: to byłby gotowy kod dla przerobionego raportu.
    Pisz(stdout, w.Opis.empty() ? KomKodNiezgodny : KomSladNiezgodny + w.Opis);
    return 1;
}
