#pragma once
// Wszystkie wywołania systemu operacyjnego programu: pliki, katalogi, ścieżka programu,
// katalog domowy. Jeden plik na system (SystemPosix.cpp, SystemWindows.cpp); reszta programu
// woła tylko to. Ścieżki i teksty są w UTF-8.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// Przyczyna niepowodzenia wywołania, tyle, ile potrzeba do komunikatu.
// Zajety: plik otwarty w innym programie; NiedozwolonaNazwa: nazwy nie da się użyć w systemie.
// ZaDuzyPlik: plik przekroczyłby największą wielkość, na jaką system pozwala (limit procesu).
enum class tBlad { Brak, NieMa, BrakMiejsca, BrakUprawnien, ZaDlugaNazwa, Zajety, NiedozwolonaNazwa, ZaDuzyPlik, Inny };

enum class tOdczyt { Przeczytany, NieMa, NieZwykly, ZaDuzy, Blad };

// Czyta zwykły plik, najwyżej limit bajtów. Otwarcie nie czeka (kolejka FIFO bez piszącego
// nie blokuje), a rodzaj pliku jest sprawdzany na otwartym deskryptorze.
tOdczyt CzytajZwykly(const std::string& sciezka, std::size_t limit, std::string& bajty, tBlad& blad);

// Plik albo potok do czytania po kawałku (wejście, które może nie mieścić się w pamięci):
// zwykły plik, potok (także <(polecenie)) albo kolejka FIFO, na której piszącego otwarcie
// czeka. -1 i stan (NieMa, NieZwykly dla innego rodzaju, Blad z przyczyną) przy odmowie.
int OtworzStrumien(const std::string& sciezka, tOdczyt& stan, tBlad& blad);
// Liczba przeczytanych bajtów (najwyżej rozmiar), 0 na końcu, -1 i przyczyna przy błędzie.
long long CzytajKawalek(int plik, char* bufor, std::size_t rozmiar, tBlad& blad);

enum class tRodzaj { NieMa, Zwykly, Katalog, Inny };
struct tOpis {
    tRodzaj Rodzaj = tRodzaj::NieMa;
    bool TylkoDoOdczytu = false;  // bez praw zapisu w trybie albo niedostępny do zapisu
    unsigned Tryb = 0;            // prawa dostępu (bity 07777)
};
// Opis pliku za dowiązaniami symbolicznymi.
tOpis Opis(const std::string& sciezka);
// true i cel dowiązania (tekst dowiązania), gdy sciezka jest dowiązaniem symbolicznym.
bool Dowiazanie(const std::string& sciezka, std::string& cel);
bool TenSamPlik(const std::string& a, const std::string& b);

// Plik tymczasowy z wzoru kończącego się na "XXXXXX" (wzór dostaje nazwę); -1 przy błędzie.
int UtworzTymczasowy(std::string& wzor, tBlad& blad);
bool Pisz(int plik, std::string_view bajty, tBlad& blad);
// Deskryptor standardowego wyjścia dla Pisz (zapis z pominięciem bufora biblioteki C).
constexpr int StandardoweWyjscie = 1;
bool Synchronizuj(int plik, tBlad& blad);
bool Zamknij(int plik, tBlad& blad);
bool UstawTryb(int plik, unsigned tryb);
// Prawa nowego zwykłego pliku (0666 bez maski procesu).
unsigned TrybNowegoPliku();
bool ZmienNazwe(const std::string& z, const std::string& na, tBlad& blad);
// fsync katalogu po zmianie nazwy; tam, gdzie system tego nie umie, bez skutku.
void SynchronizujKatalog(const std::string& katalog);
void Usun(const std::string& sciezka);
// Usuwa plik tymczasowy przerwanego zapisu; plik, który inny zapis ma jeszcze otwarty
// (zablokowany przy tworzeniu), zostaje, a tam, gdzie utworzenie i blokada to dwa kroki,
// także plik młodszy niż WiekPorzuconego sekund.
void UsunPorzucony(const std::string& sciezka);
constexpr long WiekPorzuconego = 60;
std::vector<std::string> NazwyWKatalogu(const std::string& katalog);
bool KatalogZapisywalny(const std::string& katalog);

// Pełna ścieżka pliku wykonywalnego programu; pusta, gdy system jej nie zna.
std::string SciezkaProgramu();
// Katalog domowy: HOME, a bez niej z bazy użytkowników; pusty, gdy nie da się ustalić.
std::string KatalogDomowy();
// Katalog danych programu tego użytkownika (na Linuksie według XDG); pusty, gdy nieznany.
std::string KatalogDanychUzytkownika();
// Separator dziesiętny z ustawień regionalnych systemu; '\0', gdy system zostawia to
// zmiennym środowiska (LC_ALL, LC_NUMERIC, LANG).
char SeparatorDziesietnyUzytkownika();

// Czas lokalny strefy użytkownika.
std::tm CzasLokalny(std::time_t t);

// Znaki rozdzielające katalogi w ścieżce.
std::string_view SeparatoryKatalogow();

// Argumenty wiersza poleceń (bez nazwy programu) w UTF-8.
std::vector<std::string> Argumenty(int argc, char** argv);
// Standardowe wyjście i wyjście błędów: bajty UTF-8 bez zamiany "\n".
void PrzygotujWyjscie();
// Zapis ponad limit wielkości pliku procesu (ulimit -f) to błąd zapisu (ZaDuzyPlik) z komunikatem,
// nie śmierć procesu od sygnału: zapis atomowy usuwa wtedy swój plik tymczasowy.
void BledyZapisuBezSygnalow();

}  // namespace os
