#pragma once
// Plik roboczy *.PTV (i plik stanu PT.INI): sekcje INFO, OBIEKT, PP, PD, CALC.
// Tu jest tylko format; kolejność ustawiania pól okna przy wczytaniu zna przebieg.
#include <array>
#include <string>
#include <vector>

#include "core/InfoObiektu.h"
#include "core/UkladElementow.h"
#include "persistence/PlikIni.h"

constexpr int LiczbaParametrow = 14;  // A1 A2 B BB C1 C2 E1 E2 K1 K2 P G G2 N
constexpr int LiczbaKluczyInfo = 6, LiczbaKluczyObiektu = 5;
// Klucze sekcji INFO (JNI NRP Dro Km Najblizsza Przeszkoda) i OBIEKT (SCHEM PRZES NORMA KLASA
// RODZA) w kolejności zapisu.
extern const char* const KluczeInfo[LiczbaKluczyInfo];
extern const char* const KluczeObiektu[LiczbaKluczyObiektu];

// Stan pól okna zapisywany w pliku.
struct tDanePliku {
    tInfoObiektu Info;
    int Schemat = 0;
    int Przesla = 1;
    int Normatyw = 0;
    int Klasa = 0;
    int Przekroj = 0;
    std::array<double, LiczbaParametrow> Parametry{};  // kolejność kluczy sekcji PP
    std::array<double, MaksWierszy> Dlugosci{};        // L1 … L91
    int LiczbaDlugosci = 0;                            // k: ile kluczy L zapisać
};

// Wynik zapisywany w sekcji CALC.
struct tWynikiPliku {
    double M1N = 0, TN = 0, TP = 0, PTV = 0;
};

// Wartość zapisana w pliku, której wczytanie nie przyjęło tak, jak ją zapisano: tekst, który
// nie jest liczbą (czytnik), liczba, którą wczytujący zmienił, albo wpis, do którego odczyt
// coś dopowiada (pusty, brakujący, powtórzony; persistence/KompletnoscPliku.h). Powod: dlaczego.
struct tNieczytelnaLiczba {
    std::string Sekcja, Klucz, Tekst;  // Klucz pusty: cała sekcja
    std::string Przyjeto;              // wartość przyjęta, jak ją pokazuje pole; pusta: wpis pominięty
    std::string Powod = "to nie liczba";
    bool BrakKlucza = false;  // klucza nie ma w pliku: opis bez tekstu
};
// Jeden wiersz ostrzeżenia: sekcja, klucz, tekst, powód i przyjęta wartość.
std::string OpisNieczytelnej(const tNieczytelnaLiczba& n);
// Miejsce wpisu w kolejności odczytu pliku (INFO, OBIEKT, PP, PD; sekcja przed swoimi kluczami).
int KolejnoscWpisu(const tNieczytelnaLiczba& n);

// Klucze pliku w kolejności odczytu: OBIEKT (SCHEM PRZES NORMA KLASA RODZA), PP w kolejności
// tDanePliku::Parametry, PD: L1 … L91.
const char* KluczParametru(int i);
std::string KluczDlugosci(int wiersz);

// Czyta dane z pliku INI: brakujące i nieliczbowe wartości dają wartości domyślne
// (OBIEKT: 0, 1 dla PRZES; PP i PD: 0; INFO: pusty tekst), a nieliczbowe i wpisy, do których
// odczyt coś dopowiada (KompletnoscPliku), trafiają do listy nieczytelnych, gdy jest podana.
// Zakresy sprawdza wczytujący.
tDanePliku CzytajDanePliku(const tPlikIni& ini, std::vector<tNieczytelnaLiczba>* nieczytelne = nullptr);

// Plik roboczy z dysku do polecenia "Wczytaj": false i komunikat z nazwą pliku, gdy pliku
// nie da się przeczytać albo nie ma w nim żadnej sekcji pliku roboczego.
bool WczytajPlikRoboczy(const std::string& sciezka, tPlikIni& ini, std::string& komunikat);

// Zmienia plik w pamięci jak zapis okna: INFO tylko przy niepustym JNI, OBIEKT,
// PP i PD od nowa, CALC usunięta i zapisana tylko, gdy wyniki są podane. Powtórzenia INFO
// i OBIEKT, których odczyt nie widzi, znikają: plik programu jest zawsze kompletny.
void ZapiszDanePliku(tPlikIni& ini, const tDanePliku& dane, const tWynikiPliku* wyniki);
