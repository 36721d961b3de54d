#pragma once
// Zestawienie rejestru: filtr wierszy, podsumowanie według kategorii i zapis pokazanych
// wierszy jako CSV i jako RTF "Zestawienie nośności obiektów" (okno i pontiva-cli rejestr).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "przebieg/SkalaMas.h"
#include "rejestr/Rejestr.h"

struct tFiltrRejestru {
    std::string Tekst;          // fragment dowolnego tekstu identyfikacji (pusty: każdy)
    bool ZPonizej = false;      // czy działa "nośność poniżej"
    double Ponizej = 0;         // [t]: zostają obiekty o nośności (Masa) < Ponizej i wszystkie odrzucone
    // Zostają obiekty, przez które przejazd wybranego pojazdu jest niedopuszczalny (i odrzucone);
    // działa z oceną przejazdu wiersza.
    bool TylkoNiedopuszczalne = false;
    bool Przyjmuje(const tWierszRejestru& w, const tOcenaPrzejazdu* przejazd = nullptr) const;
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
// Barwa kategorii 0..5 (42 t … poniżej 10 t) w tabeli i na wykresie rejestru: stała skala
// w równych krokach od niebieskiego (42 t) przez żółty do czerwonego (poniżej 10 t), ta
// sama przy każdym filtrze. Odrzucone mają barwę odmowy okna.
tKolor BarwaKategoriiRejestru(int kategoria);

// Przejazd wybranego pojazdu w zestawieniu okna rejestru: kolumny wykorzystania i werdyktu.
struct tPrzejazdZestawienia {
    const tWybranyPojazd* Pojazd = nullptr;
    std::vector<const tOcenaPrzejazdu*> Oceny;  // ocena każdego wiersza, w kolejności wierszy
};
// Komórka "Przejazd" okna i zestawienia RTF: "0,87 – dopuszczalny", "brak nośności – niedopuszczalny";
// obiekt odrzucony "niedopuszczalny".
std::string TekstPrzejazdu(const tWierszRejestru& w, const tOcenaPrzejazdu& ocena);

// Pierwszy wiersz CSV zestawienia (bez końca wiersza).
extern const char* const NaglowekZestawienia;
// Znacznik BOM na początku pliku CSV (UTF-8); standardowe wyjście dostaje CSV bez niego.
extern const char* const ZnacznikUtf8;
// CSV: nagłówek i wiersze w podanej kolejności (UTF-8 bez znacznika, wiersze kończy LF).
// Z przejazdem: na końcu nagłówka i wierszy kolumny wykorzystanie;dopuszczalny (jak w ocenie przejazdu).
std::string ZestawienieCsv(const std::vector<const tWierszRejestru*>& wiersze, const tPrzejazdZestawienia* przejazd = nullptr);
// RTF zestawienia: katalog, data, opis filtra, jeden wiersz tabeli na obiekt; z przejazdem także
// pojazd z przypadkiem obciążenia i kolumna "Przejazd".
// Jeden wiersz CSV zestawienia z końcem wiersza (zapis wierszami na standardowe wyjście).
void DopiszWierszZestawieniaCsv(std::string& cel, const tWierszRejestru& wiersz);
std::string ZestawienieRtf(const std::vector<const tWierszRejestru*>& wiersze, const std::string& katalog,
                           const std::string& data, const tFiltrRejestru& filtr,
                           const tPrzejazdZestawienia* przejazd = nullptr);
// Części wierszy wspólne z zestawieniem przejazdu pojazdu.
// Komunikat odmowy w jednym wierszu, bez znaków sterujących i błędnego UTF-8.
std::string KomunikatWiersza(const tWierszRejestru& w);
// ";" i komórka tekstu widocznego (DopiszKomorkeCsv).
void KomorkaCsv(std::string& o, std::string_view tekst);
// Komórki plik;JNI;NrP;Droga;Km;Najblizsza;Przeszkoda (bez ";" na końcu).
void IdentyfikacjaCsv(std::string& o, const tWierszRejestru& w);
// ";wykorzystanie;dopuszczalny" (TAK/NIE; obiekt odrzucony bez wykorzystania i NIE).
void KomorkiPrzejazduCsv(std::string& o, const tWierszRejestru& w, const tOcenaPrzejazdu& ocena);
// Tekst komórki tabeli RTF: widoczny, w jednym wierszu, bez ";" (rozdziela komórki), dosłowny w RTF.
std::string KomorkaRtf(std::string_view tekst);

enum class tFormatZestawienia { Nieznany, Csv, Rtf };
// Format z rozszerzenia pliku (.csv, .rtf bez względu na wielkość liter).
tFormatZestawienia FormatZestawienia(const std::string& sciezka);
// Zapis zestawienia zapisem atomowym; format z rozszerzenia (.csv albo .rtf, bez względu na
// wielkość liter). false i komunikat przy błędzie (stary plik zostaje), także gdy plik jest
// (choćby przez dowiązanie) jednym z plików roboczych katalogu.
bool ZapiszZestawienie(const std::string& sciezka, const std::vector<const tWierszRejestru*>& wiersze,
                       const std::string& katalog, const std::string& data, const tFiltrRejestru& filtr,
                       std::string& blad, const tPrzejazdZestawienia* przejazd = nullptr);
