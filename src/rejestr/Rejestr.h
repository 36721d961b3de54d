#pragma once
// Rejestr obiektów: jeden wiersz na plik roboczy *.PTV katalogu (według nazw), oceniony tą
// samą drogą co polecenie "Wczytaj" okna i pontiva-cli oblicz (przebieg na widoku w pamięci).
// Plik nieczytelny albo odrzucony to wiersz z etapem i komunikatem, nigdy przerwany przegląd.
#include <memory>
#include <string>
#include <vector>

#include "core/InfoObiektu.h"

struct tWierszRejestru {
    std::string Plik;     // nazwa pliku w katalogu
    std::string Sciezka;  // ścieżka do wczytania (katalog/nazwa)
    tInfoObiektu Info;
    // Teksty list okna; puste dla pliku nieczytelnego.
    std::string Normatyw, Klasa, Przekroj, Schemat;
    int Przesla = 0;         // liczba przęseł edytora rozpiętości
    double Najdluzsze = 0;   // najdłuższa rozpiętość przęsła [m]
    bool Wczytany = false;   // plik przeczytany jako plik roboczy
    bool Poprawny = false;   // sprawdzenia przeszły i Oblicz się udało
    double Masa = 0;         // masa pojazdu granicznego obiektu [t]
    double Kategoria = 0;    // KATEGORIA tak, jak ją pokazuje okno (masa zaokrąglona do t)
    std::string KategoriaTekst;  // ta sama liczba jako tekst okna, bez " [T]" ("24")
    int Najgorszy = -1;          // numer elementu rozstrzygającego (1..), -1 bez wyniku
    std::string NazwaNajgorszego;
    std::string Etap;       // etap odmowy (EtapOdczytu "odczyt": plik nieczytelny albo wartości zmienione przy wczytaniu, "parametry", "sumy", "dlugosci", "oblicz"); pusty przy wyniku
    std::string Komunikat;  // komunikat odmowy (z CR zachowanym); pusty przy wyniku
};

// KATEGORIA tak, jak ją pokazuje okno ("%0.0f": połówki od zera, 24,5 t to 25).
double KategoriaOkna(double masa);

class tGlownyPrzebieg;
class tObiektMostowy;
class tWidokPamieci;

// Ocenia kolejne pliki jednym przebiegiem w pamięci (jak kolejne "Wczytaj" w oknie).
class tOceniacz {
public:
    tOceniacz();
    ~tOceniacz();
    // Wiersz dla pliku: wczytanie, przeliczenie, odczyt wyników. Plik podmieniony w trakcie
    // odczytu (inny rozmiar albo treść przy drugim odczycie) jest czytany jeszcze raz.
    tWierszRejestru Ocen(const std::string& sciezka, const std::string& nazwa);
    // Obiekt przeliczony ostatnim Ocen (ważny do następnego; jego wyniki tylko przy Poprawny).
    const tObiektMostowy& Obiekt() const;

private:
    std::unique_ptr<tWidokPamieci> widok_;
    std::unique_ptr<tGlownyPrzebieg> przebieg_;
};

// Nazwy plików roboczych katalogu (rozszerzenie .PTV bez względu na wielkość liter, każdy
// rodzaj wpisu) w kolejności bajtów nazw; false, gdy katalogu nie da się przeczytać.
bool PlikiRobocze(const std::string& katalog, std::vector<std::string>& nazwy);
// Ścieżka pliku z katalogu i nazwy (bez podwójnego separatora).
std::string SciezkaWKatalogu(const std::string& katalog, const std::string& nazwa);
bool RozszerzeniePtv(const std::string& nazwa);

// Cały katalog; false, gdy katalogu nie da się przeczytać (wiersze puste).
bool OcenKatalog(const std::string& katalog, std::vector<tWierszRejestru>& wiersze);
