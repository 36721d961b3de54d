#pragma once
// Różnice dwóch ocen tych samych obiektów (polecenie roznice): ocena z wyjścia "oblicz --format
// json" (plik albo potok czytany wiersz po wierszu: w pamięci są tylko oceny, nie całe wejście)
// albo katalog oceniony na miejscu; wiersz na obiekt, którego nośność, element rozstrzygający,
// etap albo komunikat się zmienił. Obiekt to nazwa pliku bez katalogu.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct tOcenaObiektu {
    bool Ok = false;
    double Ptv = 0;
    int Najgorszy = -1;
    std::string Element, Etap, Komunikat;
    int Wiersz = 0;  // wiersz JSON Lines (0 dla katalogu)
};
using tOceny = std::map<std::string, tOcenaObiektu>;

// Granice jednej oceny JSON Lines: wiersz "oblicz" dla 99 elementów ma kilkadziesiąt KiB.
constexpr std::size_t NajdluzszyWierszOceny = std::size_t{1} << 20;
constexpr int NajwiecejOcen = 1000000;

enum class tStanOcen { Wczytane, Puste, Blad };
// Ocena z katalogu albo z JSON Lines. Puste: plik bez ani jednego wiersza (np. po oblicz, które
// się nie powiodło). Blad: komunikat nazywa plik i wiersz.
tStanOcen CzytajOceny(const std::string& sciezka, tOceny& oceny, std::string& komunikat);

struct tRoznice {
    std::vector<std::string> Wiersze;  // "zmieniony: …", "tylko w starym: …", "tylko w nowym: …"
    int Zmienione = 0, TylkoStare = 0, TylkoNowe = 0, BezZmian = 0;
};
tRoznice Porownaj(const tOceny& Stare, const tOceny& Nowe);
// "Różnice: zmienione N, tylko w starym N, tylko w nowym N, bez zmian N".
std::string Podsumowanie(const tRoznice& r);

// Te same komunikaty, także gdy dwie oceny pisały liczby z innym separatorem dziesiętnym:
// liczby porównane jako liczby ("(0,00)" to "(0.00)"), reszta znak po znaku.
bool TeSameKomunikaty(std::string_view a, std::string_view b);
