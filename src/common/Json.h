#pragma once
// JSON wyjść programu: zapis napisów i liczb oraz ścisły czytnik dokumentu (jeden wiersz JSON
// Lines wyjścia "oblicz --format json"): poprawny UTF-8, bez powtórzonych kluczy, zagnieżdżenie
// najwyżej 64 poziomy, liczby jako double (poza zakresem double: błąd). Czytnik niczego nie
// zgaduje: każda usterka to błąd z pozycją.
//
// Napis, który nie jest poprawnym UTF-8 (nazwa pliku z dowolnymi bajtami), wraca z JSON bez
// zmian: każdy błędny bajt 0x80–0xFF zapis pisze jako "\udc80"–"\udcff" (samotny dolny
// surogat, którego poprawny tekst nigdy nie daje), a czytnik zamienia go z powrotem na ten bajt.
#include <string>
#include <string_view>
#include <vector>

struct tPoleJson;

struct tJson {
    enum class tTyp { Null, Logiczna, Liczba, Napis, Tablica, Obiekt };
    tTyp Typ = tTyp::Null;
    bool Logiczna = false;
    double Liczba = 0;
    std::string Napis;
    std::vector<tJson> Elementy;
    std::vector<tPoleJson> Pola;
    // Pole obiektu; nullptr, gdy go nie ma (albo wartość nie jest obiektem).
    const tJson* Pole(std::string_view nazwa) const;
};

// Pole obiektu JSON (typ nazwany, nie std::pair: pary z niepełnym tJson clang nie przyjmuje).
struct tPoleJson {
    std::string Nazwa;
    tJson Wartosc;
};

// Napis JSON w cudzysłowach; znaki sterujące jako sekwencje ucieczki, błędne bajty UTF-8 jako
// "\udcXX" (wyżej).
void DopiszJsonNapis(std::string& cel, std::string_view napis);
// Liczba JSON w najkrótszej dokładnej postaci; null dla 1e20 i wartości nieskończonych.
void DopiszJsonLiczbe(std::string& cel, double wartosc);

// false i opis usterki ("znak 17: …") dla tekstu, który nie jest dokładnie jednym dokumentem JSON.
bool CzytajJson(std::string_view tekst, tJson& wynik, std::string& blad);
