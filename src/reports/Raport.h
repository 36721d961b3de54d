#pragma once
// Raport urzędowy: dokument RTF z danymi obiektu, wynikiem, śladem obliczeń i kodem
// kontrolnym MD5 (MAC) liczonym z danych wejściowych i nośności. Oraz polecenie "Raport"
// bez zestawu narzędzi okienkowych: wypełnienie obiektu dostarcza wywołujący.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/InfoObiektu.h"
#include "core/ObiektMostowy.h"

// Wiersz tabeli sekcji 2 lub 3: szerokości kolumn w cm i teksty komórek, każde z ";".
struct tWierszTabeli {
    std::string Szerokosci;
    std::string Komorki;
};

// Wiersze sekcji 2 (dane wyjściowe) i 3 (wymiary przekroju) w kolejności zapisu.
std::vector<tWierszTabeli> WierszeDanychWyjsciowych(const tObiektMostowy& Obiekt);
std::vector<tWierszTabeli> WierszeWymiarow(const tObiektMostowy& Obiekt);

// Tekst kontrolny: JNI, numer pierwszego przęsła, liczba elementów, teksty komórek
// wierszy tabel i nośność; wszystko w postaci niezamienionej (bez znaków RTF).
std::string TekstKontrolny(std::string_view JNI, std::string_view NrP, int LiczbaElementow,
                           const std::vector<std::string>& KomorkiWierszy, std::string_view Nosnosc);
// MD5 bajtów Windows-1250 tekstu kontrolnego, 32 cyfry szesnastkowe.
std::string KodKontrolny(std::string_view TekstKontrolny);
// Nośność tak, jak stoi w raporcie i w tekście kontrolnym ("0.00", separator regionalny).
std::string TekstNosnosci(const tObiektMostowy& Obiekt);

// Cała treść raportu: z niej zapis pisze dokument, a sprawdzenie odtwarza go bajt po bajcie.
// Teksty identyfikacji i data są już oczyszczone (TekstWidoczny), tabele i ślad jak w programie.
struct tTrescRaportu {
    std::string Identyfikacja[6];  // JNI, NrP, droga, kilometraż, miejscowość, przeszkoda
    std::string Data;
    std::vector<tWierszTabeli> Dane, Wymiary;
    std::string Nosnosc;
    std::vector<std::string> Slad;
    std::string Kod;
};
// Etykiety sekcji 1 w kolejności Identyfikacja.
extern const char* const EtykietyLokalizacji[6];
extern const char* const SzerokosciPozycji;
extern const char* const SzerokosciWymiaru;
// Dokument raportu w pamięci (bajty Windows-1250), w bieżącym układzie albo sprzed jawnego \ql.
std::string DokumentRaportu(const tTrescRaportu& Tresc, bool BezJawnegoQl = false);

// Zapisuje raport dla policzonego obiektu; Dzis to dzisiejsza data w krótkim formacie.
// false, gdy pliku nie udało się utworzyć (komunikat pokazał moduł RTF) albo zapisać.
bool UtworzRaport(const tObiektMostowy& Obiekt, const std::string& JNI, const std::string& NrP,
                  const std::string& Droga, const std::string& Km, const std::string& Najblizsza,
                  const std::string& Przeszkoda, const std::string& FileName, const std::string& Dzis);

// Tytuł okien komunikatów polecenia "Raport".
extern const char* const TytulBleduRaportu;

// Wynik polecenia "Raport": gdy Zapisany, Plik to ścieżka raportu do pokazania;
// inaczej Komunikat to tekst okna komunikatu (tytuł TytulBleduRaportu).
struct tWynikRaportu {
    bool Zapisany = false;
    bool BladZapisu = false;  // dane przeszły sprawdzenia, ale pliku nie udało się zapisać
    bool Anulowany = false;   // użytkownik nie chciał zastąpić raportu o tej nazwie
    std::string Plik;
    std::string Komunikat;
};


// Raport JNI@NrP.RTF już jest i ma inną treść: zastąpić go, zachować oba (nowy pod nazwą
// Obok, JNI@NrP_2.RTF albo następną wolną) albo nie pisać raportu.
enum class tIstniejacyRaport { Zastap, ZachowajOba, Anuluj };
using tPytanieORaport = std::function<tIstniejacyRaport(const std::string& Plik, const std::string& Obok)>;

// Polecenie "Raport", kroki 1–7: sprawdzenie JNI, numer przęsła ("1", gdy nie jest
// liczbą; zmiana zostaje w Info), katalog raportów, nazwa pliku, własny obiekt wypełniony
// przez Wypelnij, sprawdzenia i Oblicz, zapis raportu. Z Pytanie raport o tej nazwie
// z inną treścią nie jest zastępowany bez pytania, a z tą samą treścią nie jest pisany na nowo.
tWynikRaportu PolecenieRaport(tInfoObiektu& Info, const std::function<void(tObiektMostowy&)>& Wypelnij,
                              const std::string& KatalogRaportow, const std::string& Dzis,
                              const tPytanieORaport& Pytanie = {});
// To samo z nazwą pliku podaną wprost (wiersz poleceń): te same odmowy i komunikaty,
// bez katalogu raportów.
tWynikRaportu RaportDoPliku(tInfoObiektu& Info, const std::function<void(tObiektMostowy&)>& Wypelnij,
                            const std::string& Plik, const std::string& Dzis);
