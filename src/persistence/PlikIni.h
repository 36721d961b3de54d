#pragma once
// Plik INI o semantyce profilu prywatnego: nazwy sekcji i kluczy bez względu na
// wielkość liter, odczyt z wartością domyślną, zapis zachowujący pozostałe klucze
// i sekcje na ich miejscach, usuwanie sekcji, pierwsze wystąpienie wygrywa. Odczyt
// przyjmuje CR LF i samo LF; zapis zawsze CR LF. W pliku bajty Windows-1250, przez
// interfejs napisy UTF-8. Dowolna zawartość pliku daje co najwyżej wartości domyślne.
#include <string>
#include <string_view>
#include <vector>

class tPlikIni {
public:
    // Czyta plik. Brak pliku to plik pusty (true); false, gdy plik jest, ale nie da się
    // go przeczytać (wtedy obiekt jest pusty).
    bool Wczytaj(const std::string& sciezka);
    // Zawartość pliku w bajtach (Windows-1250; z BOM UTF-8 traktowana jako UTF-8).
    void UstawZawartosc(std::string_view bajty);

    std::string CzytajTekst(std::string_view sekcja, std::string_view klucz, std::string_view domyslny = "") const;
    // Liczba całkowita dziesiętnie (z opcjonalnym znakiem); inny tekst daje domyślną.
    int CzytajCalkowita(std::string_view sekcja, std::string_view klucz, int domyslna) const;
    bool MaSekcje(std::string_view sekcja) const;

    // Zmienia wartość pierwszego wystąpienia klucza albo dopisuje klucz na końcu sekcji
    // (sekcję na końcu pliku). CR i LF w wartości stają się spacjami.
    void Zapisz(std::string_view sekcja, std::string_view klucz, std::string_view wartosc);
    void ZapiszCalkowita(std::string_view sekcja, std::string_view klucz, int wartosc);
    // Usuwa sekcję (każde jej wystąpienie) z kluczami.
    void UsunSekcje(std::string_view sekcja);

    // Bajty pliku: Windows-1250, każdy wiersz zakończony CR LF.
    std::string Zawartosc() const;
    // Zapis atomowy: plik tymczasowy w tym samym katalogu, zapis, fsync, zamiana nazwy.
    // Przy błędzie stary plik zostaje nietknięty.
    bool ZapiszPlik(const std::string& sciezka) const;

private:
    struct tWiersz {
        std::string Tekst;       // wiersz w bajtach pliku
        std::string Klucz;       // przycięty klucz (pusty, gdy wiersz nie ma "=")
        std::string Wartosc;     // przycięta wartość
    };
    struct tSekcja {
        std::string Nazwa;       // pusta dla wierszy przed pierwszą sekcją
        std::string Naglowek;    // wiersz "[...]" w bajtach pliku
        std::vector<tWiersz> Wiersze;
    };

    const tSekcja* ZnajdzSekcje(std::string_view nazwa) const;
    static const tWiersz* ZnajdzKlucz(const tSekcja& s, std::string_view klucz);

    // sekcje_[0] to zawsze wiersze przed pierwszym nagłówkiem (bez nagłówka).
    std::vector<tSekcja> sekcje_ = std::vector<tSekcja>(1);
};
