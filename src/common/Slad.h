#pragma once
// Ślad obliczeń: jedna lista wierszy w całym programie, czyszczona przez każde Oblicz.
// Wiersze są trzymane w jednym buforze (przeliczenie dużego obiektu pisze ich tysiące),
// a czytający dostaje je dokładnie w tej postaci, w jakiej zostały dopisane.
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
    size_t Rozmiar() const { return konce_.size(); }
    std::string_view Linia(size_t i) const;
    std::vector<std::string> Linie() const;

private:
    std::string bufor_;
    std::vector<std::uint32_t> konce_;
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
