// pontiva-cli rejestr: zestawienie katalogu plików roboczych, to samo co w oknie rejestru.
#include <charconv>
#include <cmath>

#include "cli/ArgumentyPolecenia.h"
#include "cli/Dzisiaj.h"
#include "cli/KomendaOblicz.h"
#include "cli/KomendyRejestru.h"
#include "cli/Wyjscie.h"
#include "common/Formatowanie.h"
#include "rejestr/Zestawienie.h"

namespace {

const char* const UzycieRejestr =
    "Użycie: pontiva-cli rejestr KATALOG [-o ZESTAWIENIE.rtf|.csv] [--ponizej T] [--separator ,|.]";
const char* const BladPonizej = "pontiva-cli: --ponizej wymaga nieujemnej liczby ton, nie \"%s\"";
const char* const BladFormatu = "pontiva-cli: format zestawienia wynika z rozszerzenia .csv albo .rtf: %s";
const char* const BladKatalogu = "pontiva-cli: nie można odczytać katalogu: %s";
const char* const BladZapisu = "pontiva-cli: %s";
const char* const WzorZapisano = "Zestawienie zapisane: %s (obiektów: %d)";

// Ścieżki i teksty użytkownika czyści Pisz, jak w każdym poleceniu.
void Blad(const char* wzor, const std::string& arg) { Pisz(stderr, Format(wzor, {arg})); }

// Liczba ton z kropką albo przecinkiem.
bool CzytajTony(std::string tekst, double& t)
{
    for (char& z : tekst)
        if (z == ',') z = '.';
    const char* koniec = tekst.data() + tekst.size();
    auto [p, blad] = std::from_chars(tekst.data(), koniec, t);
    return !tekst.empty() && blad == std::errc() && p == koniec && std::isfinite(t) && t >= 0;
}

}  // namespace

int KomendaRejestr(const std::vector<std::string>& argumenty)
{
    tArgumentyPolecenia a;
    if (!RozbierzArgumenty(argumenty, {"-o", "--ponizej", "--separator"}, a) || a.Pozycyjne.size() != 1) {
        Pisz(stderr, UzycieRejestr);
        return KodUzycie;
    }
    const std::string& katalog = a.Pozycyjne.front();
    if (!SeparatorZOpcji(a)) return KodUzycie;
    const std::string wyjscie = a.Opcje.count("-o") ? a.Opcje["-o"] : "";
    if (a.Opcje.count("-o") && FormatZestawienia(wyjscie) == tFormatZestawienia::Nieznany) {
        Blad(BladFormatu, wyjscie);
        return KodUzycie;
    }
    tFiltrRejestru filtr;
    if (a.Opcje.count("--ponizej")) {
        filtr.ZPonizej = true;
        if (!CzytajTony(a.Opcje["--ponizej"], filtr.Ponizej)) {
            Blad(BladPonizej, a.Opcje["--ponizej"]);
            return KodUzycie;
        }
    }

    std::vector<tWierszRejestru> wiersze;
    if (!OcenKatalog(katalog, wiersze)) {
        Blad(BladKatalogu, katalog);
        return KodUzycie;
    }
    std::vector<const tWierszRejestru*> pokazane;
    for (const auto& w : wiersze)
        if (filtr.Przyjmuje(w)) pokazane.push_back(&w);

    if (wyjscie.empty()) {
        // Wiersz na zapis, jak w oblicz: przerwane polecenie nie zostawia połowy wiersza.
        tWyjscie csv;  // błąd zapisu wykrywa main
        csv.Dopisz(std::string(NaglowekZestawienia) + "\n");
        csv.Zapisano();
        for (const auto* w : pokazane) {
            DopiszWierszZestawieniaCsv(csv.Bufor(), *w);
            csv.Zapisano();
        }
        return KodPoprawny;
    }
    std::string blad;
    if (!ZapiszZestawienie(wyjscie, pokazane, katalog, Dzisiaj(), filtr, blad)) {
        Blad(BladZapisu, blad);
        return KodUzycie;
    }
    Pisz(stdout, Format(WzorZapisano, {wyjscie, static_cast<int>(pokazane.size())}));
    return KodPoprawny;
}
