// pontiva-cli roznice: porównanie dwóch ocen tych samych obiektów (wyjść "oblicz --format json"
// albo katalogów ocenionych na miejscu): nośność, element rozstrzygający, etap i komunikat.
#include "cli/ArgumentyPolecenia.h"
#include "cli/KomendaOblicz.h"
#include "cli/KomendyRejestru.h"
#include "cli/Wyjscie.h"
#include "common/Formatowanie.h"
#include "rejestr/Roznice.h"

namespace {

const char* const UzycieRoznice = "Użycie: pontiva-cli roznice STARY NOWY [--separator ,|.]";
const char* const Przedrostek = "pontiva-cli: ";
const char* const WzorPuste =
    "pontiva-cli: ostrzeżenie: w %s nie ma żadnej oceny (pusty plik: czy zapisujące go polecenie oblicz się "
    "powiodło?); obiekty drugiej oceny są tylko w niej";
constexpr int KodRoznica = 1;

}  // namespace

int KomendaRoznice(const std::vector<std::string>& argumenty)
{
    tArgumentyPolecenia a;
    if (!RozbierzArgumenty(argumenty, {"--separator"}, a) || a.Pozycyjne.size() != 2) {
        Pisz(stderr, UzycieRoznice);
        return KodUzycie;
    }
    if (!SeparatorZOpcji(a)) return KodUzycie;
    tOceny oceny[2];
    for (int i = 0; i < 2; ++i) {
        std::string komunikat;
        const tStanOcen stan = CzytajOceny(a.Pozycyjne[i], oceny[i], komunikat);
        if (stan == tStanOcen::Blad) {
            Pisz(stderr, Przedrostek + komunikat);
            return KodUzycie;
        }
        // Pusta ocena to zwykle nieudane oblicz: bez ostrzeżenia wszystko wyglądałoby na nowe.
        if (stan == tStanOcen::Puste) Pisz(stderr, Format(WzorPuste, {a.Pozycyjne[i]}));
    }
    const tRoznice r = Porownaj(oceny[0], oceny[1]);
    tWyjscie wyjscie;  // wiersz na zapis: przerwane polecenie nie zostawia połowy wiersza
    for (const auto& w : r.Wiersze) {
        wyjscie.Dopisz(w + "\n");
        wyjscie.Zapisano();
    }
    wyjscie.Dopisz(Podsumowanie(r) + "\n");
    return r.Zmienione + r.TylkoStare + r.TylkoNowe ? KodRoznica : KodPoprawny;
}
