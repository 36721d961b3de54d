#pragma once
// Pojazd okna "Pojazd nienormatywny" bez Qt: tabela osi (nacisk osi i rozstaw do następnej),
// dodawanie, usuwanie i przesuwanie osi, przypadek obciążenia, wybór do oceny przejazdu i plik
// *.PJZ. Wpis tabeli podlega regułom pliku: wartość, której plik by nie przyjął, jest odrzucana
// z tym samym komunikatem, a pojazd zostaje bez zmian (nic nie jest przycinane).
#include <functional>
#include <optional>
#include <string>

#include "core/Przejazd.h"
#include "przebieg/Widok.h"

// Pytanie do użytkownika (tytuł i przyciski jak Widok::Zapytaj).
using tPytanie = std::function<tOdpowiedz(const std::string& pytanie, bool zAnuluj)>;

class tEdycjaPojazdu {
public:
    const tPojazd& Pojazd() const { return pojazd_; }
    int LiczbaOsi() const { return static_cast<int>(pojazd_.Naciski.size()); }

    // Komórki tabeli osi (osie od 0), liczby z separatorem regionalnym; ostatnia oś nie ma rozstawu.
    std::string TekstNacisku(int os) const;
    std::string TekstRozstawu(int os) const;
    // false i komunikat pliku ("[POJAZD] P2 = "12t": to nie jest liczba"); pojazd bez zmian.
    bool UstawNacisk(int os, const std::string& tekst, std::string& komunikat);
    bool UstawRozstaw(int os, const std::string& tekst, std::string& komunikat);
    void UstawNazwe(const std::string& nazwa) { pojazd_.Nazwa = nazwa; }

    // Nowa oś za osią os (poza tabelą: na końcu) z jej naciskiem i rozstawem (sąsiednim, gdy os
    // jest ostatnia); w pustej tabeli NaciskNowejOsi. Zwraca numer nowej osi; -1 przy 100 osiach.
    int DodajOs(int os);
    // Oś z rozstawem do następnej; ostatnia z rozstawem od poprzedniej.
    void UsunOs(int os);
    // Oś o jedno miejsce w stronę kierunek (-1 do przodu, +1 do tyłu) z rozstawem do następnej;
    // para z ostatnią osią zamienia tylko naciski (rozstaw między nimi zostaje). Zwraca nowy numer.
    int PrzesunOs(int os, int kierunek);

    // "Masa całkowita: …; liczba osi: …; rozstaw skrajnych osi: … m"; bez osi pusty tekst.
    std::string Opis() const;
    // Tytuł okna: "Pojazd nienormatywny", nazwa pliku i "*" przy niezapisanych zmianach.
    std::string Tytul() const;
    // Nazwa pliku do zapisu: ostatni plik albo nazwa pojazdu bez znaków niedozwolonych w nazwach
    // plików i ".PJZ" (bez nazwy "Pojazd.PJZ"), w katalogu.
    std::string PlikDoZapisu(const std::string& katalog) const;

    double Q() const { return q_; }
    void UstawQ(double q) { q_ = q; }
    bool Ocena() const { return ocena_; }
    void UstawOcene(bool ocena) { ocena_ = ocena; }
    // Pojazd do oceny przejazdu w oknie głównym i rejestrze: ocena włączona i co najmniej jedna oś.
    std::optional<tWybranyPojazd> Wybrany() const;

    // Plik ostatnio wczytany albo zapisany (pusty: żaden).
    const std::string& Plik() const { return plik_; }
    // Pojazd różny od ostatnio wczytanego albo zapisanego (na początku: od pustego).
    bool Zmieniony() const;
    // Przed zastąpieniem pojazdu innym: przy zmianach pytanie "Zapisać zmiany…?" (Tak / Nie /
    // Anuluj); Tak woła zapisz. true: można zastąpić.
    bool PorzucZmiany(const tPytanie& pytaj, const std::function<bool()>& zapisz) const;
    // Odczyt pliku jak pontiva-cli przejazd; przy odmowie pojazd zostaje. Wczytany pojazd jest wybrany do oceny.
    bool Wczytaj(const std::string& sciezka, std::string& komunikat);
    // Zapis atomowy. Pojazd bez osi odrzuca komunikat pliku (OSIE); plik ostatnio wczytany albo
    // zapisany, który na dysku ma już inną treść, zostaje zastąpiony tylko po odpowiedzi Tak.
    // false bez komunikatu: użytkownik zrezygnował.
    bool Zapisz(const std::string& sciezka, const tPytanie& pytaj, std::string& komunikat);

private:
    bool Ustaw(std::vector<double>& wartosci, int os, const std::string& klucz, const std::string& tekst,
               std::string& komunikat);
    bool ZmienionyNaDysku() const;

    tPojazd pojazd_;
    tPojazd zapisany_;       // pojazd ostatniego wczytania albo zapisu
    std::string plik_;
    std::string zawartosc_;  // tekst INI pliku przy ostatnim wczytaniu albo zapisie
    double q_ = ObciazenieZRuchem;
    bool ocena_ = true;
};

constexpr double NaciskNowejOsi = 10;   // [t], pierwsza oś pustej tabeli
constexpr double RozstawNowejOsi = 1.5; // [m], druga oś, gdy nie ma rozstawu do powtórzenia
