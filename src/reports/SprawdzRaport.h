#pragma once
// Sprawdzenie złożonego raportu urzędowego: tekst kontrolny odtworzony z treści raportu
// (JNI, numer pierwszego przęsła, liczba elementów, wiersze tabel, nośność) i jego MD5
// porównany z wydrukowanym kodem "MAC [...]", dokument równy temu, który zapis pisze z tej
// treści, i ślad obliczeń zgodny z tabelami i nośnością. Końce wierszy nie są treścią:
// CR LF, LF albo CR i końce wierszy na końcu pliku nie zmieniają wyniku.
#include <cstddef>
#include <string>
#include <string_view>

enum class tStanRaportu {
    Zgodny,       // kod wydrukowany zgadza się z treścią, ślad z tabelami i nośnością
    Niezgodny,    // treść, kod albo ślad zmieniono
    Nieczytelny,  // to nie jest raport programu albo brak w nim wymaganych części
};

struct tWynikSprawdzeniaRaportu {
    tStanRaportu Stan = tStanRaportu::Nieczytelny;
    std::string KodWydrukowany;
    std::string KodObliczony;
    // Nieczytelny: czego brakuje; Niezgodny: niezgodność śladu z treścią (pusty, gdy to kod
    // albo dokument inny niż ten, który zapis pisze z tej treści).
    std::string Opis;
    std::string Data;      // data raportu (wiersz "Data …"), pusta, gdy jej nie ma
    char Separator = '\0';  // separator dziesiętny nośności z punktu 5, '\0', gdy go nie widać
};

// Bajty pliku RTF raportu (Windows-1250).
tWynikSprawdzeniaRaportu SprawdzRaport(const std::string& BajtyRtf);

// Bajty z jednym rodzajem końca wiersza (LF) i bez końców wierszy na końcu.
std::string BezRodzajuKoncowWierszy(std::string_view Bajty);

// Pierwsza różnica raportu i dokumentu przeliczonego z pliku roboczego, wierszami bez
// względu na końce wierszy; wiersze w UTF-8, bez znaków sterujących, skrócone do pokazania.
struct tRoznicaDokumentow {
    bool Rowne = true;
    std::size_t Wiersz = 0;  // numer pierwszego różnego wiersza (od 1)
    std::string WRaporcie, WPrzeliczonym;
    bool KoniecRaportu = false, KoniecPrzeliczonego = false;  // wiersza nie ma: plik się skończył
};
tRoznicaDokumentow PorownajDokumenty(std::string_view Raport, std::string_view Przeliczony);
