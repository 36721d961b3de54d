#pragma once
// Sekwencyjny zapis dokumentu RTF: stała ramka (A4, cztery czcionki, szesnaście kolorów,
// styl nagłówka i stopki, numery stron), akapity, przebiegi, tabele o stałych szerokościach
// kolumn. Każda operacja dopisuje wiersz do pliku tymczasowego obok celu, a Close zamienia
// nim plik docelowy (błąd zapisu nigdy nie niszczy poprzedniego raportu); teksty przychodzą w UTF-8,
// a do pliku trafiają jako bajty Windows-1250, wiersze kończy CR LF. Tekst nie jest
// zamieniany: "\", "{" i "}" działają jako znaczniki RTF (tekst użytkownika trzeba przed
// podaniem przepuścić przez TekstRtf).
#include <functional>
#include <string>
#include <string_view>

#include "system/Pliki.h"

// Okno komunikatu modułu: tytuł i treść ("\r" to nowy wiersz). Okno programu ustawia
// własne; domyślnie komunikat trafia na standardowe wyjście błędów.
using tPokazKomunikat = std::function<void(const std::string& Tytul, const std::string& Tekst)>;
void UstawKomunikatyRtf(tPokazKomunikat pokaz);

// Tekst użytkownika jako dosłowny tekst RTF: "\", "{" i "}" poprzedzone "\".
std::string TekstRtf(std::string_view tekst);

class TRtfDoc {
public:
    std::string FileName;
    bool HasHeader = false;
    bool HasFooter = false;
    std::string HeaderText;
    std::string FooterText;
    bool PageNumbers = false;
    bool Underline = false;
    bool Bold = false;
    bool Italic = false;
    int Colour = 1;
    int FontSize = 24;
    int FontNo = 4;

    // Układ raportów zapisanych przed jawnym \ql (tylko do odtworzenia ich w sprawdzeniu).
    bool BezJawnegoQl = false;

    bool Open(const std::string& Nazwa, const std::string& Naglowek, const std::string& Stopka, bool NumeryStron);
    // Ten sam dokument do pamięci (bajty Windows-1250 dopisywane do Cel); Close kończy go.
    void OpenPamiec(std::string& Cel, const std::string& Naglowek, const std::string& Stopka, bool NumeryStron);
    // Zamyka dokument i zastępuje nim plik; false (z komunikatem modułu), gdy któryś zapis
    // od otwarcia się nie udał, a wtedy poprzedni plik zostaje.
    bool Close();
    void WriteParagraph(std::string_view Tekst);
    void WriteText(std::string_view Tekst);
    void WriteCell(std::string_view Tekst);
    void WriteRaw(std::string_view Tekst);
    void WriteParBreak();
    void AlignLeft();
    void AlignRight();
    void AlignCenter();
    void SetBold() { Bold = true; }
    void SetPlain();
    void SetFontSize(int Punkty) { FontSize = 2 * Punkty; }
    void SetFixedFont() { FontNo = 11; }
    // Szerokości w cm i teksty komórek, każde zakończone ";"; ramka to nazwa słowa
    // sterującego grubości linii bez "\" (pusta: bez ramek).
    void WriteTableRow(std::string_view Szerokosci, std::string_view Komorki, std::string_view Ramka = {});

    // Przedrostek przebiegu w bieżącym stanie formatowania ("\f11\fs20\cf1 ").
    std::string PrzedrostekPrzebiegu() const;

private:
    void Wiersz(std::string_view tekst);
    void Ustaw(const std::string& Naglowek, const std::string& Stopka, bool NumeryStron);
    void PiszRamke();

    tZapisAtomowy plik_;
    std::string* pamiec_ = nullptr;
};
