#pragma once
// Sprawdzenie złożonego raportu urzędowego: tekst kontrolny odtworzony z treści raportu
// (JNI, numer pierwszego przęsła, liczba elementów, wiersze tabel, nośność) i jego MD5
// porównany z wydrukowanym kodem "MAC [...]".
#include <string>

enum class tStanRaportu {
    Zgodny,       // kod wydrukowany zgadza się z treścią
    Niezgodny,    // treść albo kod zmieniono
    Nieczytelny,  // to nie jest raport programu albo brak w nim wymaganych części
};

struct tWynikSprawdzeniaRaportu {
    tStanRaportu Stan = tStanRaportu::Nieczytelny;
    std::string KodWydrukowany;
    std::string KodObliczony;
    std::string Opis;  // dla Nieczytelny: czego brakuje
};

// Bajty pliku RTF raportu (Windows-1250).
tWynikSprawdzeniaRaportu SprawdzRaport(const std::string& BajtyRtf);
