#pragma once
// Model obliczeniowy jednego obiektu mostowego: dane przekroju, lista elementów
// podłużnych i wyniki obliczeń. Zwykła klasa o stałym rozmiarze, bez metod wirtualnych.
#include <array>
#include <string>
#include <string_view>

#include "common/Wyliczenia.h"

constexpr int MaksElementow = 99;

// Jeden element podłużny: przęsło albo wspornik. Tablice stron i pojazdów są
// indeksowane od 1 (pozycja 0 nieużywana), jak w opisie obliczeń.
struct tElement {
    tRodzajElementu Rodzaj = rBelkaSwobodnie;
    double Dlugosc = 0;
    double LM = 0;
    double LT = 0;
    std::array<double, 3> M1NStrona{};
    std::array<double, 3> TNStrona{};
    double M1N = 0;
    double TN = 0;
    std::array<double, 3> Gamma{};
    std::array<double, 7> MPojazdy{};
    std::array<double, 7> TPojazdy{};
    std::array<double, 3> MPStrona{};
    std::array<double, 3> TPStrona{};
    double MP = 0;
    double TP = 0;
    double MasaGraniczna = 0;
    std::string Nazwa;
};

class tObiektMostowy {
public:
    std::uint8_t Normatyw = 0;
    std::uint8_t Klasa = 0;
    std::uint8_t Przekroj = 0;
    double a1 = 0, a2 = 0;
    double b = 0;
    double B = 0;
    double c1 = 0, c2 = 0;
    double e1 = 0, e2 = 0;
    double k1 = 0, k2 = 0;
    double P = 0;
    double g1 = 0, g2 = 0;
    int n = 0;
    std::uint8_t Schemat = 0;
    int LiczbaPrzesel = 0;
    int LiczbaElementow = 0;
    // Elementy[1..99]; Elementy[100] zostaje zawsze wyzerowany, więc prawy wspornik
    // na końcu pełnej listy czyta pusty rekord za sobą.
    std::array<tElement, MaksElementow + 2> Elementy{};
    double M1N = 0, TN = 0, MP = 0, TP = 0;
    double MasaGraniczna = 0;
    int Najgorszy = -1;

    void UstawDane(int Normatyw, int Klasa, int Przekroj, double a1, double a2, double b, double B, double c1,
                   double c2, double e1, double e2, double k1, double k2, double P, double g1, double g2, int n,
                   int Schemat);
    void DodajElement(std::string_view Nazwa, tRodzajElementu Rodzaj, double Dlugosc);
    void ZerujElementy();

    // Przęsła schematu, przed trzema sprawdzeniami: jest przęsło, schemat wieloprzęsłowy ma
    // co najmniej dwa, każde przęsło ma rozpiętość ponad 0,1 m.
    bool SprawdzPrzesla(std::string& Msg) const;
    bool SprawdzParametry(std::string& Msg) const;
    bool SprawdzSumy(std::string& Msg) const;
    bool SprawdzDlugosci(std::string& Msg) const;

    bool Oblicz(std::string& Err);

    double PodajM1N() const { return M1N; }
    double PodajTN() const { return TN; }
    double PodajMP() const { return MP; }
    double PodajTP() const { return TP; }
    double PodajMase() const { return MasaGraniczna; }
    int NajgorszyElement() const { return Najgorszy; }
};

// Sumy szerokości nad pomostem (Gora) i pod nim (Dol), których zgodność sprawdza
// SprawdzSumy, ze wzorem "góra <> dół"; false dla rodzajów bez tego warunku (5, 6).
struct tSumyPrzekroju {
    double Gora = 0, Dol = 0;
    const char* Wzor = "";
};
bool SumyPrzekroju(const tObiektMostowy& o, tSumyPrzekroju& Sumy);

// Sprawdzenia wspólne dla SprawdzParametry; true oznacza błąd (Msg ustawiony).
bool Ujemny(const std::string& Nazwa, std::string& Msg, double X);
bool ZaMaly(const std::string& Nazwa, std::string& Msg, double X, double Min);
