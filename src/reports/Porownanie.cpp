#include "reports/Porownanie.h"


#include "common/Cp1250.h"
#include "common/Formatowanie.h"
#include "common/Regionalne.h"
#include "common/Slad.h"
#include "common/Utf8.h"
#include "core/Nazwy.h"
#include "core/Przeliczenie.h"
#include "reports/Przekroje.h"
#include "reports/Raport.h"
#include "system/Pliki.h"

const char* const TytulPorownania = "Przeliczenie dla różnych norm";
const char* const KomBladZapisuPorownania = "Błąd zapisu pliku.\r";

namespace {

const char* const Tytul1 = "RAPORT Z PROGRAMU \"PONTIVA\"";
const char* const Tytul2 = "Przeliczenie danego obiektu dla różnych norm i klas użytkowych";
const char* const RodzajPrzesla = "RODZAJ PRZĘSŁA    : ";
const char* const SchematStatyczny = "SCHEMAT STATYCZNY : ";
const char* const Parametry = "Parametry         :";
const char* const LiczbaPrzesel = "LICZBA PRZĘSEŁ     : %d";
const char* const DlugoscPrzesla = "DŁUGOŚĆ PRZĘSŁA    : ";
const char* const DlugosciElementow = "DŁUGOŚĆI ELEMENTÓW : ";
const char* const Kolumny = "         M1N      TN         MP        TP     Kat.";
const char* const Norma = "NORMA: ";
const char* const BledneDane = "BŁĘDNE DANE : ";
const char* const WynikBezTN = " %8.4f  %s  %8.4f  %s  %5.2f t";
const char* const Wynik = " %8.4f  %8.4f  %8.4f  %8.4f  %5.2f t";
const char* const WzorKlasy = "  %3s  ";
const char* const OsiemOdstepow = "        ";

const char* const EtykietyInfo[] = {
    "OBIEKT            : ", "Nr przęsła        : ", "Nr drogi          : ",
    "Kilometraż        : ", "Najbliższa miejsc.: ", "Przeszkoda        : ",
};

struct tParametr {
    const char* Wzor;
    double tObiektMostowy::*Wartosc;  // nullptr: liczba dźwigarów lub pasm n
    unsigned Przekroje;
};

const tParametr ParametryPrzekroju[] = {
    {" %2d. Szerokość lewego  chodnika   : %7.4f", &tObiektMostowy::c1, ZbiorPrzekrojow({0, 2, 3})},
    {" %2d. Szerokość prawego chodnika   : %7.4f", &tObiektMostowy::c2, ZbiorPrzekrojow({0, 2, 3})},
    {" %2d. Szerokość dźwigara           : %7.4f", &tObiektMostowy::g1, ZbiorPrzekrojow({2})},
    {" %2d. Szerokość lewego  krawężnika : %7.4f", &tObiektMostowy::k1, ZbiorPrzekrojow({2})},
    {" %2d. Szerokość prawego krawężnika : %7.4f", &tObiektMostowy::k2, ZbiorPrzekrojow({2})},
    {" %2d. Szerokość lewej   opaski     : %7.4f", &tObiektMostowy::a1, ZbiorPrzekrojow({0, 1, 2, 3, 4})},
    {" %2d. Szerokość prawej  opaski     : %7.4f", &tObiektMostowy::a2, ZbiorPrzekrojow({0, 1, 2, 3, 4})},
    {" %2d. Szerokość nawierzchni        : %7.4f", &tObiektMostowy::b, ZbiorPrzekrojow({0, 1, 2, 3, 4})},
    {" %2d. Wysięg lewego wspornika      : %7.4f", &tObiektMostowy::e1, ZbiorPrzekrojow({0, 1, 3})},
    {" %2d. Wysięg prawego wspornika     : %7.4f", &tObiektMostowy::e2, ZbiorPrzekrojow({0, 1, 3})},
    {" %2d. Rozstaw skrajnych dźwigarów  : %7.4f", &tObiektMostowy::B, ZbiorPrzekrojow({0, 1, 2})},
    {" %2d. Szerokość płyty              : %7.4f", &tObiektMostowy::P, ZbiorPrzekrojow({3, 4})},
    {" %2d. Liczba dźwigarów głównych    : %2d", nullptr, ZbiorPrzekrojow({0, 1, 2})},
    {" %2d. Liczba pasm płyty            : %2d", nullptr, ZbiorPrzekrojow({3, 4, 5, 6})},
};

// Kolejność normatywów w porównaniu: od najnowszego, DIN 1072 na końcu.
const int KolejnoscNormatywow[] = {nPN85, nPN66, nNormatyw1956, nNormatyw1952, nNormatyw1945, nNormatyw1926,
                                   nDIN1072};

// Długość elementu zawsze z kropką, niezależnie od ustawień regionalnych.
std::string DlugoscZKropka(double wartosc, int miejsca)
{
    std::string s = LiczbaStala(wartosc, miejsca);
    for (char& z : s)
        if (z == Regionalne().SeparatorDziesietny) z = '.';
    return s;
}

void OpisObiektu(const tObiektMostowy& o, const tInfoObiektu& info, std::vector<std::string>& w)
{
    w.push_back("");
    w.push_back(Tytul1);
    w.push_back(Tytul2);
    w.push_back("");
    const std::string* pola[] = {&info.JNI, &info.NrP, &info.Droga, &info.Km, &info.Najblizsza, &info.Przeszkoda};
    for (int i = 0; i < 6; ++i)
        if (!pola[i]->empty()) w.push_back(EtykietyInfo[i] + TekstWidoczny(*pola[i]));
    w.push_back(RodzajPrzesla + NazwaPrzekroju(o.Przekroj));
    w.push_back(SchematStatyczny + NazwaSchematu(o.Schemat));
    w.push_back(Parametry);
    int numer = 0;
    for (const auto& p : ParametryPrzekroju) {
        if (!NalezyDoZbioru(p.Przekroje, o.Przekroj)) continue;
        ++numer;
        if (p.Wartosc)
            w.push_back(Format(p.Wzor, {numer, o.*p.Wartosc}));
        else
            w.push_back(Format(p.Wzor, {numer, o.n}));
    }
    w.push_back("");
    w.push_back(Format(LiczbaPrzesel, {o.LiczbaPrzesel}));
    if (o.LiczbaElementow == 1) {
        w.push_back(DlugoscPrzesla + DlugoscZKropka(o.Elementy[1].Dlugosc, 4));
    } else {
        std::string linia = DlugosciElementow;
        for (int i = 1; i <= o.LiczbaElementow; ++i) linia += DlugoscZKropka(o.Elementy[i].Dlugosc, 2) + " ";
        w.push_back(linia);
    }
    w.push_back("");
    w.push_back("");
    w.push_back(Kolumny);
    w.push_back("");
}

tPrzeliczenieNormy Przelicz(tObiektMostowy& o)
{
    tPrzeliczenieNormy p;
    p.Normatyw = o.Normatyw, p.Klasa = o.Klasa;
    const tWynikPrzeliczenia wynik = SprawdzIOblicz(o);
    if (!wynik.Poprawne()) {
        p.Komunikat = wynik.Komunikat;
        return p;
    }
    return {o.Normatyw, o.Klasa, true, o.PodajM1N(), o.PodajTN(), o.PodajMP(), o.PodajTP(), o.PodajMase(), ""};
}

std::string WynikKlasy(const tPrzeliczenieNormy& p)
{
    if (!p.Poprawne) return BledneDane + p.Komunikat;
    if (p.TN == NieDotyczy) return Format(WynikBezTN, {p.M1N, OsiemOdstepow, p.MP, OsiemOdstepow, p.Masa});
    return Format(Wynik, {p.M1N, p.TN, p.MP, p.TP, p.Masa});
}

}  // namespace

tPorownanie PrzeliczNormy(tObiektMostowy& Obliczany)
{
    tPorownanie wyniki;
    for (int normatyw : KolejnoscNormatywow) {
        const int klasy = normatyw == nPN85 ? 5 : 3;
        for (int klasa = 0; klasa < klasy; ++klasa) {
            Obliczany.Normatyw = static_cast<std::uint8_t>(normatyw);
            Obliczany.Klasa = static_cast<std::uint8_t>(klasa);
            wyniki.push_back(Przelicz(Obliczany));
        }
    }
    return wyniki;
}

std::vector<std::string> WierszePorownania(const tObiektMostowy& Naglowek, const tPorownanie& Przeliczenia,
                                           const tInfoObiektu& Info)
{
    std::vector<std::string> w;
    OpisObiektu(Naglowek, Info, w);
    for (size_t i = 0; i < Przeliczenia.size(); ++i) {
        const tPrzeliczenieNormy& p = Przeliczenia[i];
        if (i == 0 || Przeliczenia[i - 1].Normatyw != p.Normatyw) w.push_back(Norma + NazwaNormatywu(p.Normatyw));
        w.push_back(Format(WzorKlasy, {NazwaKlasy(p.Normatyw, p.Klasa)}) + WynikKlasy(p));
        if (i + 1 == Przeliczenia.size() || Przeliczenia[i + 1].Normatyw != p.Normatyw) w.push_back("");
    }
    return w;
}

std::vector<std::string> WierszePorownania(const tObiektMostowy& Naglowek, tObiektMostowy& Obliczany,
                                           const tInfoObiektu& Info)
{
    return WierszePorownania(Naglowek, PrzeliczNormy(Obliczany), Info);
}

std::string PolaczWiersze(const std::vector<std::string>& Wiersze, const char* Koniec)
{
    std::string t;
    for (const auto& w : Wiersze) t.append(w).append(Koniec);
    return t;
}

bool ZapiszPorownanie(const tObiektMostowy& Naglowek, tObiektMostowy& Obliczany, const tInfoObiektu& Info,
                      const std::string& Sciezka, std::string& Komunikat, tPorownanie* Przeliczenia)
{
    // Plik (tymczasowy obok celu) powstaje przed przeliczeniami: bez niego nic nie liczymy.
    tZapisAtomowy plik;
    if (plik.Otworz(Sciezka)) {
        const tPorownanie wyniki = PrzeliczNormy(Obliczany);
        if (Przeliczenia) *Przeliczenia = wyniki;
        plik.Dopisz(Utf8DoCp1250(PolaczWiersze(WierszePorownania(Naglowek, wyniki, Info), "\r\n")));
        if (plik.Zatwierdz()) return true;
    }
    Komunikat = KomBladZapisuPorownania + plik.Komunikat();  // komunikat nazywa plik i przyczynę
    return false;
}
