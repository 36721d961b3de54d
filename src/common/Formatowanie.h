#pragma once
// Formatowanie liczb i komunikatów z regionalnym separatorem dziesiętnym, niezależne
// od locale biblioteki C (std::to_chars).
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// Liczba z podaną liczbą miejsc po przecinku ("%0.Nf"), z separatorem regionalnym.
// Zaokrąglenie połówek od zera na 17 cyfrach znaczących (0,125 → 0,13; 2,675, które
// w zapisie dwójkowym jest nieco mniejsze, → 2,67), jak w programach inżynierskich.
std::string LiczbaStala(double wartosc, int miejsca);
// Dopisuje to samo do bufora, bez tworzenia pośredniego napisu.
void DopiszLiczbeStala(std::string& cel, double wartosc, int miejsca);
void DopiszLiczbeStala(std::string& cel, double wartosc, int miejsca, char separator);

// Najkrótsza postać ogólna, do 15 cyfr znaczących, separator regionalny ("9,5", "5",
// "1E20") – zapis liczb rzeczywistych w pliku roboczym.
std::string LiczbaOgolna(double wartosc);

// Argument formatu: liczba całkowita, rzeczywista, znak albo tekst.
class ArgFormatu {
public:
    using Wariant = std::variant<long long, double, std::string_view, char>;
    ArgFormatu(int v) : v_(static_cast<long long>(v)) {}
    ArgFormatu(long v) : v_(static_cast<long long>(v)) {}
    ArgFormatu(long long v) : v_(v) {}
    ArgFormatu(double v) : v_(v) {}
    ArgFormatu(char c) : v_(c) {}
    ArgFormatu(const char* s) : v_(std::string_view(s)) {}
    ArgFormatu(std::string_view s) : v_(s) {}
    ArgFormatu(const std::string& s) : v_(std::string_view(s)) {}

    const Wariant& Wartosc() const { return v_; }

private:
    Wariant v_;
};

// Podzbiór printf: %[-][0][szerokość][.precyzja](d|s|f), %%. "%f" bez precyzji daje
// dwa miejsca po przecinku. Liczby rzeczywiste z separatorem regionalnym.
std::string Format(std::string_view wzor, std::initializer_list<ArgFormatu> argumenty);

// Komunikat w jednym wierszu (panel, wykres): CR i LF jako odstęp, powtórzone odstępy
// jako jeden, bez odstępów na brzegach.
std::string JedenWiersz(const std::string& tekst);
