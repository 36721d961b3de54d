#pragma once
// Dane identyfikacyjne obiektu wprowadzane w oknie "Informacje o moście" i reguły,
// którym podlegają (okno identyfikacji i polecenie raportu stosują te same).
#include <string>
#include <string_view>

struct tInfoObiektu {
    std::string JNI;         // numer inwentarzowy, 8 cyfr
    std::string NrP;         // numer pierwszego przęsła
    std::string Droga;       // numer drogi
    std::string Km;          // kilometraż
    std::string Najblizsza;  // najbliższa miejscowość
    std::string Przeszkoda;  // przeszkoda
};

constexpr size_t DlugoscJNI = 8;
constexpr long long NajwiekszyNrP = 45;  // numer pierwszego przęsła: od 1 do 45

// Liczba znaków tekstu UTF-8 (nie bajtów).
size_t LiczbaZnakow(std::string_view tekst);
// Liczba całkowita jak w polu liczbowym: odstępy z przodu, znak "+", cyfry i nic więcej.
// false dla pustego tekstu, innych znaków i przepełnienia.
bool CzytajCalkowita(std::string_view tekst, long long& wynik);
// JNI, które przyjmuje okno identyfikacji: 8 znaków czytanych jako liczba większa od 0.
bool PoprawnyJNI(std::string_view JNI);
// Numer pierwszego przęsła, który przyjmuje okno identyfikacji: liczba od 1 do NajwiekszyNrP.
bool PoprawnyNrP(std::string_view NrP);
