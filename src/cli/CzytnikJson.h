#pragma once
// Ścisły czytnik dokumentu JSON (jeden wiersz JSON Lines wyjścia "oblicz --format json"):
// poprawny UTF-8, bez powtórzonych kluczy, zagnieżdżenie najwyżej 64 poziomy, liczby jako
// double (poza zakresem double: błąd). Niczego nie zgaduje: każda usterka to błąd z pozycją.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct tJson {
    enum class tTyp { Null, Logiczna, Liczba, Napis, Tablica, Obiekt };
    tTyp Typ = tTyp::Null;
    bool Logiczna = false;
    double Liczba = 0;
    std::string Napis;
    std::vector<tJson> Elementy;
    std::vector<std::pair<std::string, tJson>> Pola;
    // Pole obiektu; nullptr, gdy go nie ma (albo wartość nie jest obiektem).
    const tJson* Pole(std::string_view nazwa) const;
};

// false i opis usterki ("znak 17: …") dla tekstu, który nie jest dokładnie jednym dokumentem JSON.
bool CzytajJson(std::string_view tekst, tJson& wynik, std::string& blad);
