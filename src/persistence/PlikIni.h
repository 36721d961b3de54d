#pragma once
// Plik INI o semantyce profilu prywatnego: nazwy sekcji i kluczy bez względu na
// wielkość liter, odczyt z wartością domyślną, zapis zachowujący pozostałe klucze
// i sekcje na ich miejscach, usuwanie sekcji, pierwsze wystąpienie wygrywa. Odczyt
// przyjmuje CR LF, samo LF i samo CR; zapis zawsze CR LF. W pliku bajty Windows-1250, przez
// interfejs napisy UTF-8. Dowolna zawartość pliku daje co najwyżej wartości domyślne.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "system/Pliki.h"

class tPlikIni {
public:
    // Czyta plik (zwykły, najwyżej LimitPlikuRoboczego). Brak pliku to plik pusty; przy
    // Blad obiekt jest pusty, a komunikat nazywa plik.
    tStanOdczytu Wczytaj(const std::string& sciezka, std::string& komunikat);
    // To samo bez komunikatu: true także dla braku pliku.
    bool Wczytaj(const std::string& sciezka);
    // Zawartość pliku w bajtach (Windows-1250; z BOM UTF-8 traktowana jako UTF-8).
    void UstawZawartosc(std::string_view bajty);

    std::string CzytajTekst(std::string_view sekcja, std::string_view klucz, std::string_view domyslny = "") const;
    // Liczba całkowita dziesiętnie (z opcjonalnym znakiem); inny tekst daje domyślną.
    int CzytajCalkowita(std::string_view sekcja, std::string_view klucz, int domyslna) const;
    bool MaSekcje(std::string_view sekcja) const;

    // Każdy klucz z wartością (bajty Windows-1250, jak je oddaje CzytajTekst przed przekodowaniem)
    // każdego wystąpienia sekcji, w kolejności pliku, bez kopiowania. Kopia 0 to wystąpienie,
    // z którego czyta odczyt; dalsze kopie i powtórzone klucze są dla niego niewidoczne.
    void DlaWpisow(std::string_view sekcja,
                   const std::function<void(std::string_view klucz, std::string_view wartosc, int kopia)>& f) const;

    // Zmienia wartość pierwszego wystąpienia klucza albo dopisuje klucz na końcu sekcji
    // (sekcję na końcu pliku). CR i LF w wartości stają się spacjami.
    void Zapisz(std::string_view sekcja, std::string_view klucz, std::string_view wartosc);
    void ZapiszCalkowita(std::string_view sekcja, std::string_view klucz, int wartosc);
    // Usuwa sekcję (każde jej wystąpienie) z kluczami.
    void UsunSekcje(std::string_view sekcja);
    // Usuwa to, czego odczyt sekcji nie widzi: jej dalsze wystąpienia i powtórzone klucze
    // pierwszego. Odczyt daje potem to samo, a plik nie ma dwóch wartości jednego klucza.
    void UsunNiewidoczne(std::string_view sekcja);

    // Bajty pliku: Windows-1250, każdy wiersz zakończony CR LF.
    std::string Zawartosc() const;
    // Zapis atomowy (system/Pliki.h): przy błędzie stary plik zostaje nietknięty.
    bool ZapiszPlik(const std::string& sciezka, std::string& komunikat) const;

private:
    // Wiersz to fragment bajtów tekst_ (zmienione i nowe wiersze dopisuje się na końcu
    // tekst_): 8 bajtów na wiersz, więc pamięć rośnie z plikiem, nie z liczbą wierszy razy
    // narzut napisów. Najwyższy bit długości oznacza nagłówek sekcji.
    struct tWiersz {
        std::uint32_t Poczatek = 0;
        std::uint32_t Dlugosc = 0;
    };
    // Wiersze sekcji bez nagłówka: [nagłówek + 1, początek następnej sekcji).
    struct tZakres {
        std::size_t Od = 0, Do = 0;
    };

    std::string_view Tekst(tWiersz w) const;
    static bool Naglowek(tWiersz w);
    tWiersz Dodaj(std::string_view tekst, bool naglowek);
    // Pierwsza sekcja o tej nazwie; false, gdy jej nie ma.
    bool ZnajdzSekcje(std::string_view nazwa, tZakres& zakres) const;
    // Indeks wiersza klucza w zakresie albo -1.
    long ZnajdzKlucz(const tZakres& zakres, std::string_view klucz) const;
    std::size_t KoniecSekcji(std::size_t od) const;

    std::string tekst_;
    std::vector<tWiersz> wiersze_;
    // Ostatnio znaleziona sekcja: odczyt pliku pyta wiele razy z rzędu o tę samą.
    mutable std::string ostatniaNazwa_;
    mutable tZakres ostatniZakres_;
    mutable bool ostatniaWazna_ = false;
};
