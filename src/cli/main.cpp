// pontiva-cli: ocena obiektów mostowych z plików roboczych bez okna programu.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "cli/KomendaOblicz.h"
#include "cli/KomendyRaportow.h"
#include "cli/KomendyRejestru.h"
#include "cli/Wyjscie.h"
#include "system/System.h"

namespace {

const char* const Pomoc =
    "pontiva-cli – ocena nośności użytkowej obiektów mostowych z plików roboczych\n"
    "\n"
    "Użycie:\n"
    "  pontiva-cli oblicz [--format tekst|csv|json] [--separator ,|.] PLIK.PTV|KATALOG...\n"
    "      Wczytuje każdy plik roboczy tak jak polecenie \"Wczytaj\" i przelicza obiekt\n"
    "      jak okno programu. Katalog oznacza wszystkie pliki *.PTV w nim, według nazw.\n"
    "      tekst  – (domyślnie) pola wyników i obszar komunikatów okna dla każdego pliku\n"
    "      csv    – nagłówek i jeden wiersz na plik, pola rozdzielone \";\":\n"
    "               plik;JNI;NrP;normatyw;klasa;przekroj;schemat;M1N;TN;MP;TP;PTV;najgorszy;blad\n"
    "      json   – jeden obiekt JSON w wierszu na plik (JSON Lines), z wynikami elementów\n"
    "      Etap odmowy (\"etap\" w JSON): parametry, sumy, dlugosci, oblicz albo odczyt – plik\n"
    "      z wartością, której wczytanie nie przyjęło tak, jak ją zapisano (tekst, który nie jest\n"
    "      liczbą, liczba spoza zakresu pola albo listy, zaokrąglona przez pole); slad, raport\n"
    "      i normy odmawiają takiego pliku (kod 1, bez zapisu pliku).\n"
    "  pontiva-cli slad PLIK.PTV\n"
    "      Wypisuje ślad obliczeń przeliczenia obiektu z pliku.\n"
    "  pontiva-cli raport PLIK.PTV -o RAPORT.RTF [--data TEKST]\n"
    "      Zapisuje raport urzędowy nośności obiektu.\n"
    "  pontiva-cli normy PLIK.PTV [-o PLIK.TXT] [--wykres WYKRES.SVG]\n"
    "      Porównanie obiektu według wszystkich normatywów i klas.\n"
    "      --wykres zapisuje też wykres słupkowy nośności (SVG), ten sam co w oknie.\n"
    "  pontiva-cli sprawdz RAPORT.RTF\n"
    "      Mówi, czy kod kontrolny raportu urzędowego zgadza się z jego treścią. Kod wykrywa\n"
    "      przypadkową albo nieostrożną zmianę danych raportu; nie chroni przed celowym\n"
    "      podrobieniem: każdy, kto ma program, policzy kod dla zmienionej treści.\n"
    "  pontiva-cli rejestr KATALOG [-o ZESTAWIENIE.rtf|.csv] [--ponizej T] [--separator ,|.]\n"
    "      Rejestr obiektów: jeden wiersz na plik *.PTV katalogu (według nazw), oceniony jak\n"
    "      w oknie; plik nieczytelny albo odrzucony to wiersz z etapem i komunikatem. Bez -o\n"
    "      CSV na standardowe wyjście (UTF-8), z -o plik .csv (UTF-8 ze znacznikiem BOM dla\n"
    "      arkusza) albo .rtf \"Zestawienie nośności obiektów\". Pierwszy wiersz CSV:\n"
    "        plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;normatyw;klasa;przekroj;schemat;\n"
    "        przesla;najdluzsze;KATEGORIA;najgorszy;etap;komunikat\n"
    "      --ponizej T zostawia obiekty o KATEGORII (jak w oknie) poniżej T ton i wszystkie\n"
    "      odrzucone. Kod wyjścia: 0 zestawienie zapisane, 2 błędne użycie, brak katalogu\n"
    "      albo błąd zapisu.\n"
    "  pontiva-cli roznice STARY NOWY\n"
    "      Porównuje dwie oceny tych samych obiektów: wyjścia \"oblicz --format json\" albo\n"
    "      katalogi oceniane na miejscu (obiekt to nazwa pliku bez katalogu). Wiersz na obiekt:\n"
    "        zmieniony: PLIK; nośność STARA → NOWA; element rozstrzygający …; etap …; komunikat …\n"
    "          (tylko pola, które się zmieniły; \"–\" to brak: obiekt odrzucony)\n"
    "        tylko w starym: PLIK (nośność … t)    tylko w nowym: PLIK (odrzucony, etap …)\n"
    "      i na końcu: Różnice: zmienione N, tylko w starym N, tylko w nowym N, bez zmian N.\n"
    "      Kod wyjścia: 0 bez różnic, 1 są różnice, 2 błędne użycie albo wejście (komunikat\n"
    "      nazywa plik i wiersz).\n"
    "  pontiva-cli przejazd --pojazd POJAZD.PJZ [--sam] [--format tekst|csv|json]\n"
    "                       [--separator ,|.] [-o RAPORT.rtf|ZESTAWIENIE.csv] PLIK.PTV|KATALOG...\n"
    "      Czy pojazd nienormatywny (osie z pliku *.PJZ) może przejechać przez każdy obiekt: jego\n"
    "      dokładne efekty na rozpiętościach zastępczych elementów porównane z MP i TP. Pliki\n"
    "      i katalogi jak w oblicz, każdy oceniony jak w rejestrze. Domyślnie \"z ruchem\": obok\n"
    "      pojazdu obciążenie równomierne 5 kN/m; --sam: pojazd sam na obiekcie (q = 0).\n"
    "      tekst  – (domyślnie) pojazd, potem dla obiektu PRZEJAZD DOPUSZCZALNY albo\n"
    "               NIEDOPUSZCZALNY, wykorzystanie, element rozstrzygający i największa masa\n"
    "               pojazdu o tym układzie osi\n"
    "      csv    – jeden wiersz na obiekt:\n"
    "               plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda;KATEGORIA;wykorzystanie;\n"
    "               dopuszczalny;najgorszy;efekt;masa_dopuszczalna;etap;komunikat\n"
    "      json   – jeden obiekt JSON w wierszu na plik, z wynikami elementów\n"
    "      Z -o plik .rtf \"Ocena przejazdu pojazdu nienormatywnego\" albo .csv (UTF-8 z BOM).\n"
    "      Kod wyjścia: 0 przejazd dopuszczalny przez każdy obiekt, 1 przez któryś nie (albo\n"
    "      obiekt odrzucono), 2 błędne użycie, zły plik pojazdu albo błąd zapisu.\n"
    "  pontiva-cli --help\n"
    "      Ta pomoc.\n"
    "\n"
    "Opcje:\n"
    "  --separator ,|.   separator dziesiętny wypisywanych liczb; domyślnie ten z ustawień\n"
    "                    regionalnych użytkownika (LC_ALL, LC_NUMERIC, LANG), jak w oknie.\n"
    "  --                koniec opcji: dalsze słowa to pliki i katalogi.\n"
    "\n"
    "Kod wyjścia (oblicz, slad, raport, normy, sprawdz):\n"
    "  0  każdy plik oceniono\n"
    "  1  dane któregoś pliku odrzucono albo obliczenie się nie powiodło\n"
    "  2  błędne użycie, plik, którego nie ma, nie da się go odczytać albo nie jest plikiem\n"
    "     roboczym, katalog bez plików roboczych, nieudany zapis pliku wyjściowego (raport,\n"
    "     -o, --wykres; np. plik otwarty w innym programie, komunikat podaje przyczynę),\n"
    "     błąd zapisu na standardowe wyjście albo brak pamięci\n"
    "\n"
    "Wyniki są w UTF-8.\n";

const char* const BladWyjscia = "pontiva-cli: błąd zapisu na standardowe wyjście\n";
const char* const BladPamieci = "pontiva-cli: za mało pamięci, polecenie przerwane\n";
const char* const BladWewnetrzny = "pontiva-cli: błąd wewnętrzny programu, polecenie przerwane\n";

int Wykonaj(std::vector<std::string> argumenty)
{
    if (argumenty.empty()) {
        std::fputs(Pomoc, stderr);
        return KodUzycie;
    }
    const std::string polecenie = argumenty.front();
    argumenty.erase(argumenty.begin());
    if (polecenie == "--help" || polecenie == "-h" || polecenie == "pomoc") {
        std::fputs(Pomoc, stdout);
        return KodPoprawny;
    }
    for (const auto& a : argumenty) {
        if (a == "--") break;  // dalej same pliki
        if (a == "--help" || a == "-h") {
            std::fputs(Pomoc, stdout);
            return KodPoprawny;
        }
    }
    if (polecenie == "oblicz") return KomendaOblicz(argumenty);
    if (polecenie == "slad") return KomendaSlad(argumenty);
    if (polecenie == "raport") return KomendaRaport(argumenty);
    if (polecenie == "normy") return KomendaNormy(argumenty);
    if (polecenie == "sprawdz") return KomendaSprawdz(argumenty);
    if (polecenie == "rejestr") return KomendaRejestr(argumenty);
    if (polecenie == "roznice") return KomendaRoznice(argumenty);
    if (polecenie == "przejazd") return KomendaPrzejazd(argumenty);
    Pisz(stderr, "pontiva-cli: nieznane polecenie \"" + polecenie + "\"\n");
    std::fputs(Pomoc, stderr);
    return KodUzycie;
}

// Wyjątek nie może wyjść z programu (przerwanie z angielskim komunikatem i kodem 134).
int WykonajBezWyjatkow(int argc, char** argv)
{
    try {
        return Wykonaj(os::Argumenty(argc, argv));
    } catch (const std::bad_alloc&) {
        std::fputs(BladPamieci, stderr);
    } catch (...) {
        std::fputs(BladWewnetrzny, stderr);
    }
    return KodUzycie;
}

}  // namespace

int main(int argc, char** argv)
{
    os::PrzygotujWyjscie();
    int kod = WykonajBezWyjatkow(argc, argv);
    // Skrypt nie może pójść dalej z pustym albo uciętym wynikiem.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || tWyjscie::Blad()) {
        std::fputs(BladWyjscia, stderr);
        kod = KodUzycie;
    }
    if (std::fflush(stderr) != 0 || std::ferror(stderr)) kod = KodUzycie;
    return kod;
}
