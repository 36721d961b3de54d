#pragma once
// Stałe miejsca plików: katalog programu (plik pomocy) i katalog danych (JNI, Raporty, Pojazdy,
// PT.INI, PTU.TXT). Katalogiem danych jest katalog programu, gdy można w nim pisać,
// inaczej katalog danych użytkownika ($XDG_DATA_HOME/pontiva, ~/.local/share/pontiva, gdzie
// katalog domowy bez HOME pochodzi z bazy użytkowników; nigdy katalog wspólny jak /tmp).
// Zmienna środowiska PONTIVA_DANE go wskazuje wprost.
#include <string>

// Katalog pliku wykonywalnego, bez końcowego separatora.
std::string KatalogProgramu();
std::string KatalogDanych();
// Katalog danych użytkownika; pusty, gdy nie da się ustalić katalogu domowego.
std::string KatalogDanychUzytkownika();
// Dla testów i CLI: pusty tekst przywraca wybór domyślny.
void UstawKatalogDanych(const std::string& katalog);

std::string KatalogJNI();        // katalog danych + "/JNI"
std::string KatalogRaportow();   // katalog danych + "/Raporty"
std::string KatalogPojazdow();   // katalog danych + "/Pojazdy" (pliki *.PJZ okna pojazdu)
std::string SciezkaStanu();      // katalog danych + "/PT.INI"
std::string SciezkaPorownania(); // katalog danych + "/PTU.TXT"
std::string SciezkaPomocy();     // katalog programu + "/Help/PONTIVA.HLP"

// Tworzy katalog wraz z brakującymi nadrzędnymi; true, gdy istnieje po wywołaniu.
bool UtworzKatalog(const std::string& katalog);
