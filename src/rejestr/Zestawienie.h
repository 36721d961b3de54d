#pragma once
// Zestawienie rejestru: filtr wierszy, podsumowanie według kategorii i zapis pokazanych
// wierszy jako CSV i jako RTF "Zestawienie nośności obiektów" (okno i pontiva-cli rejestr).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rejestr/Rejestr.h"

struct tFiltrRejestru {
    std::string Tekst;          // fragment dowolnego tekstu identyfikacji (pusty: każdy)
    bool ZPonizej = false;      // czy działa "nośność poniżej"
    double Ponizej = 0;         // [t]: zostają obiekty z KATEGORIA < Ponizej i wszystkie odrzucone
    bool Przyjmuje(const tWierszRejestru& w) const;
    // Opis do zestawienia ("bez filtra", "tekst „DW791”, nośność poniżej 24 t").
    std::string Opis() const;
};

// Kategorie podsumowania: 42, 32, 24, 16, 10, poniżej 10 t, odrzucone.
constexpr int LiczbaKategoriiRejestru = 7;
extern const std::array<const char*, LiczbaKategoriiRejestru> NazwyKategoriiRejestru;
// Indeks kategorii wiersza (największa z 42, 32, 24, 16, 10 nie większa od KATEGORIA;
// 5 poniżej 10 t; 6 odrzucony).
int KategoriaRejestru(const tWierszRejestru& w);
std::array<int, LiczbaKategoriiRejestru> Podsumowanie(const std::vector<const tWierszRejestru*>& wiersze);

// Pierwszy wiersz CSV zestawienia (bez końca wiersza).
extern const char* const NaglowekZestawienia;
// Znacznik BOM na początku pliku CSV (UTF-8); standardowe wyjście dostaje CSV bez niego.
extern const char* const ZnacznikUtf8;
// CSV: nagłówek i wiersze w podanej kolejności (UTF-8 bez znacznika, wiersze kończy LF).
std::string ZestawienieCsv(const std::vector<const tWierszRejestru*>& wiersze);
// RTF zestawienia: katalog, data, opis filtra, jeden wiersz tabeli na obiekt.
std::string ZestawienieRtf(const std::vector<const tWierszRejestru*>& wiersze, const std::string& katalog,
                           const std::string& data, const tFiltrRejestru& filtr);
// Części wierszy wspólne z zestawieniem przejazdu pojazdu.
// Komunikat odmowy w jednym wierszu, bez znaków sterujących i błędnego UTF-8.
std::string KomunikatWiersza(const tWierszRejestru& w);
// ";" i komórka tekstu widocznego (DopiszKomorkeCsv).
void KomorkaCsv(std::string& o, std::string_view tekst);
// Komórki plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda (bez ";" na końcu).
void IdentyfikacjaCsv(std::string& o, const tWierszRejestru& w);
// Tekst komórki tabeli RTF: widoczny, w jednym wierszu, bez ";" (rozdziela komórki), dosłowny w RTF.
std::string KomorkaRtf(std::string_view tekst);

enum class tFormatZestawienia { Nieznany, Csv, Rtf };
// Format z rozszerzenia pliku (.csv, .rtf bez względu na wielkość liter).
tFormatZestawienia FormatZestawienia(const std::string& sciezka);
// Zapis zestawienia zapisem atomowym; format z rozszerzenia (.csv albo .rtf, bez względu na
// wielkość liter). false i komunikat przy błędzie (stary plik zostaje).
bool ZapiszZestawienie(const std::string& sciezka, const std::vector<const tWierszRejestru*>& wiersze,
                       const std::string& katalog, const std::string& data, const tFiltrRejestru& filtr,
                       std::string& blad);
