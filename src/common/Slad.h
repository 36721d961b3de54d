#pragma once
// Ślad obliczeń: jedna lista wierszy w całym programie, czyszczona przez każde Oblicz.
// Wiersze są trzymane w jednym buforze (przeliczenie dużego obiektu pisze ich tysiące).
// Liczby wierszy wartości zapamiętuje się z separatorem obowiązującym w chwili zapisu
// i formatuje dopiero przy odczycie: czytający dostaje dokładnie te same wiersze,
// a samo obliczenie nie płaci za formatowanie śladu, którego nikt nie ogląda.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Wartość "nie dotyczy" (ścinanie płyt, brak przęsła podwieszonego).
constexpr double NieDotyczy = 1e20;

class tSlad {
public:
    void Wyczysc();
    void Dodaj(std::string_view linia);
    // Otwiera nowy wiersz i zwraca bufor, do którego wolno tylko dopisywać;
    // ZakonczWiersz zamyka go.
    std::string& NowyWiersz();
    void ZakonczWiersz();
    // Dopisuje do otwartego wiersza liczbę z podaną liczbą miejsc po przecinku
    // (i separatorem bieżących ustawień), formatowaną przy odczycie.
    void DopiszLiczbe(double wartosc, int miejsca);
    size_t Rozmiar() const { return konce_.size(); }
    std::string_view Linia(size_t i) const;
    std::vector<std::string> Linie() const;

private:
    struct tOdroczona {
        std::uint32_t pozycja;  // miejsce w buforze, w które wchodzi tekst liczby
        std::uint32_t wiersz;   // numer wiersza, do którego liczba należy
        double wartosc;
        std::uint8_t miejsca;
        char separator;
    };
    // Wstawia do bufora teksty odroczonych liczb i przesuwa końce wierszy.
    void Rozwin() const;

    mutable std::string bufor_;
    mutable std::vector<std::uint32_t> konce_;
    mutable std::vector<tOdroczona> odroczone_;
    bool otwarty_ = false;
};

tSlad& Slad();

void SladWyczysc();
void SladDodaj(std::string_view linia);
// "  [etykieta] = " i wartość z siedmioma miejscami albo "NIE DOTYCZY" dla 1e20.
void SladWartosc(std::string_view etykieta, double wartosc);
// Zapisuje wartość do celu, potem wiersz jak SladWartosc, ale z pięcioma miejscami.
void SladUstaw(std::string_view etykieta, double& cel, double wartosc);
void SladCalkowita(std::string_view etykieta, int wartosc);
void SladKopiuj(std::vector<std::string>& cel);

// Okno śladu zamyka się przed każdym obliczeniem, by nie pokazywać nieaktualnych
// wierszy. Rdzeń zna tylko to wywołanie zwrotne, nie okno.
void SladUstawZamykanieOkna(std::function<void()> zamknij);
void SladZamknijOkno();
