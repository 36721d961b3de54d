#pragma once
// Ocena przejazdu pojazdu nienormatywnego przez obiekt już przeliczony (Oblicz): efekty pojazdu
// na rozpiętościach zastępczych każdego elementu porównane z jego MP i TP (mniejszymi z obu
// stron, jak w przeliczeniu na pojazd graniczny). Bez Qt: okno i pontiva-cli liczą tak samo.
#include <string>
#include <vector>

#include "core/ObiektMostowy.h"
#include "wspprzec/PojazdNienormatywny.h"

struct tPrzejazdElementu {
    int Nr = 0;  // numer elementu w obiekcie (od 1)
    std::string Nazwa;
    double LM = 0, LT = 0, MP = 0, TP = 0;
    tEfektyPojazdu Efekty;
    tWykorzystanie Wykorzystanie;
};

struct tOcenaPrzejazdu {
    std::vector<tPrzejazdElementu> Elementy;
    // false, gdy któryś element nie ma nośności albo żaden efekt niczego nie rozstrzyga: wtedy
    // wykorzystania obiektu nie ma, a przejazd jest niedopuszczalny.
    bool Nosnosc = false;
    double U = 0;        // największe wykorzystanie elementu
    int Najgorszy = -1;  // pierwszy element o największym wykorzystaniu (bez nośności: pierwszy taki)
    char Efekt = 0;      // jego efekt rozstrzygający, 'M' albo 'T'
    double Lambda = BezOgraniczenia;  // najmniejszy mnożnik nacisków po elementach
    double MasaPojazdu = 0;           // [t]
    // Największa masa pojazdu o tym układzie osi [t]: Lambda · MasaPojazdu.
    double MasaDopuszczalna() const { return Lambda == BezOgraniczenia ? BezOgraniczenia : Lambda * MasaPojazdu; }
    // Porównanie bez zaokrąglenia.
    bool Dopuszczalny() const { return Nosnosc && U <= 1; }
};

// q: obciążenie równomierne towarzyszące [kN/m] (ObciazenieZRuchem albo 0 dla pojazdu samego
// na obiekcie). Obiekt musi być przeliczony z powodzeniem.
tOcenaPrzejazdu OcenPrzejazd(const tObiektMostowy& obiekt, const tPojazd& pojazd, double q);

// Teksty oceny wspólne dla okna, pontiva-cli i raportu.
extern const char* const TekstBrakNosnosci;  // "brak nośności"
// "PRZEJAZD DOPUSZCZALNY" albo "PRZEJAZD NIEDOPUSZCZALNY".
const char* TekstWerdyktu(bool dopuszczalny);
// Wykorzystanie z dwoma miejscami zaokrąglone w górę (nigdy mniejsze niż policzone); bez nośności
// "brak nośności", element, w którym żaden efekt nie rozstrzyga, "–".
std::string TekstWykorzystania(const tWykorzystanie& w);
std::string TekstWykorzystania(const tOcenaPrzejazdu& o);
// Masa [t] z dwoma miejscami zaokrąglona w dół (nigdy większa niż policzona); bez ograniczenia "–".
std::string TekstMasy(double masa);
// Przypadek obciążenia słowami ("z ruchem: …" albo "pojazd sam na obiekcie: …").
std::string OpisObciazenia(double q);
