#pragma once
// Układ raportu urzędowego: jego treść (tTrescRaportu) rozpisana na kolejne części dokumentu –
// wyrównania, akapity, przebiegi, puste akapity, wiersze tabel i początek załącznika w dwóch
// szpaltach – z tekstami i krojem pisma. Z tego samego układu dokument RTF pisze zapis raportu,
// a podgląd okna go rysuje: oba mają te same teksty, tę samą kolejność i ten sam kod kontrolny.
// Teksty są dosłowne (bez znaczników RTF); cały dokument jest pisany czcionką stałej szerokości.
#include <string>
#include <vector>

struct tTrescRaportu;

enum class tRodzajCzesci {
    Wyrownanie,    // odtąd akapity wyrównane jak Wyrownanie
    Akapit,        // tekst kończący akapit (z przebiegami przed nim w jednym wierszu)
    Przebieg,      // tekst, po którym akapit trwa
    PustyAkapit,
    WierszTabeli,  // Szerokosci i Komorki jak tWierszTabeli
    Szpalty,       // nowa strona, dalej w dwóch szpaltach
};

enum class tWyrownanieAkapitu { DoLewej, DoPrawej, DoSrodka };

struct tCzescRaportu {
    tRodzajCzesci Rodzaj = tRodzajCzesci::PustyAkapit;
    std::string Tekst;                // akapit, przebieg; komórki wiersza, każda z ";"
    int Rozmiar = 10;                 // punkty
    bool Pogrubiony = false;
    tWyrownanieAkapitu Wyrownanie = tWyrownanieAkapitu::DoLewej;
    std::string Szerokosci;           // wiersz tabeli: szerokości kolumn w cm, każda z ";"
};

struct tUkladRaportu {
    std::string Naglowek;  // nagłówek każdej strony ("JNI: …")
    std::string Stopka;    // stopka każdej strony (data), obok numer strony
    std::vector<tCzescRaportu> Czesci;
};

tUkladRaportu UkladRaportu(const tTrescRaportu& Tresc);
