#pragma once
// Wspólne narzędzia wszystkich testów: separator dziesiętny na czas jednego testu,
// pliki, wiersze plików danych, katalog tymczasowy, uruchomienie pontiva-cli. Separator całego programu testów
// ustawia GlownyTestow.cpp.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/Regionalne.h"

namespace testy {

namespace fs = std::filesystem;

// Czy testy biegną w budowie dla Windows (tam, gdzie system robi coś inaczej niż POSIX).
#ifdef _WIN32
constexpr bool NaWindows = true;
#else
constexpr bool NaWindows = false;
#endif

// Inny separator dziesiętny do końca zakresu, potem poprzedni.
class tSeparator {
public:
    explicit tSeparator(char s) : poprzedni_(Regionalne().SeparatorDziesietny) { Regionalne().SeparatorDziesietny = s; }
    ~tSeparator() { Regionalne().SeparatorDziesietny = poprzedni_; }
    tSeparator(const tSeparator&) = delete;
    tSeparator& operator=(const tSeparator&) = delete;

private:
    char poprzedni_;
};

inline std::string DaneTestowe(const std::string& wzgledna) { return std::string(PONTIVA_DANE_TESTOWE) + "/" + wzgledna; }

// Nazwy katalogów przypadków (tests/dane/przypadki/<nazwa>/obiekt.PTV), posortowane.
inline std::vector<std::string> Przypadki()
{
    std::vector<std::string> nazwy;
    for (const auto& wpis : fs::directory_iterator(DaneTestowe("przypadki")))
        if (fs::exists(wpis.path() / "obiekt.PTV")) nazwy.push_back(wpis.path().filename().string());
    std::sort(nazwy.begin(), nazwy.end());
    return nazwy;
}

inline std::string CzytajPlik(const fs::path& sciezka)
{
    std::ifstream f(sciezka, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void ZapiszPlik(const fs::path& sciezka, const std::string& bajty)
{
    std::ofstream(sciezka, std::ios::binary | std::ios::trunc) << bajty;
}

// Wiersze tekstu rozdzielone LF albo CR LF; nic po ostatnim końcu wiersza nie ginie.
inline std::vector<std::string> Wiersze(const std::string& tekst)
{
    std::vector<std::string> w;
    std::istringstream we(tekst);
    for (std::string l; std::getline(we, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        w.push_back(l);
    }
    return w;
}

// Wiersze pliku danych (ścieżka względem tests/dane) zaczynające się słowem `rodzaj`,
// podzielone na słowa, bez tego pierwszego słowa.
inline std::vector<std::vector<std::string>> WierszeDanych(const std::string& plik, const std::string& rodzaj)
{
    std::vector<std::vector<std::string>> w;
    for (const auto& l : Wiersze(CzytajPlik(DaneTestowe(plik)))) {
        std::istringstream we(l);
        std::vector<std::string> slowa;
        for (std::string s; we >> s;) slowa.push_back(s);
        if (!slowa.empty() && slowa[0] == rodzaj) w.emplace_back(slowa.begin() + 1, slowa.end());
    }
    return w;
}

// Liczba z pliku danych (zawsze z kropką); "ND" to wartość "nie dotyczy" (1e20).
inline double Liczba(const std::string& s) { return s == "ND" ? 1e20 : std::stod(s); }

inline std::vector<std::string> Podziel(const std::string& tekst, char znak)
{
    std::vector<std::string> v;
    std::istringstream we(tekst);
    for (std::string s; std::getline(we, s, znak);) v.push_back(s);
    return v;
}

// Liczby listy pliku danych rozdzielonej przecinkami; "-" to lista pusta.
inline std::vector<double> Liczby(const std::string& lista)
{
    std::vector<double> v;
    for (const auto& s : Podziel(lista, ','))
        if (s != "-") v.push_back(Liczba(s));
    return v;
}

// Wynik obliczenia zgodny z niezależnym: względnie do 1e-9, "nie dotyczy" dokładnie.
inline bool Zgodna(double x, double oczekiwana)
{
    if (oczekiwana >= 1e20 || x >= 1e20) return x == oczekiwana;
    return std::fabs(x - oczekiwana) <= 1e-9 * std::max(1.0, std::fabs(oczekiwana));
}

// Katalog tymczasowy usuwany razem z obiektem.
class tKatalogTymczasowy {
public:
    tKatalogTymczasowy()
    {
        // Nazwa losowa, katalog zakładany wyłącznie (create_directory: false, gdy już jest).
        std::random_device los;
        std::error_code blad;
        const fs::path tmp = fs::temp_directory_path(blad);
        for (int proba = 0; proba < 100 && sciezka_.empty(); ++proba) {
            const fs::path k = tmp / ("pontiva-test-" + std::to_string(los()) + std::to_string(los()));
            if (fs::create_directory(k, blad)) sciezka_ = k.generic_string();
        }
    }
    ~tKatalogTymczasowy()
    {
        std::error_code blad;
        if (!sciezka_.empty()) fs::remove_all(sciezka_, blad);
    }
    tKatalogTymczasowy(const tKatalogTymczasowy&) = delete;
    tKatalogTymczasowy& operator=(const tKatalogTymczasowy&) = delete;
    const std::string& Sciezka() const { return sciezka_; }
    std::string operator/(const std::string& nazwa) const { return sciezka_ + "/" + nazwa; }

private:
    std::string sciezka_;
};

struct tWynikCli {
    int Kod = -1;
    std::string Wyjscie, Bledy;
};

// Tekst w apostrofach dla powłoki POSIX (testy, które wołają narzędzia systemu).
inline std::string WCudzyslowie(const std::string& s)
{
    std::string w = "'";
    for (char c : s) w += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return w + "'";
}

// Uruchamia program z argumentami (w katalogu roboczym, gdy podany), z pustym wejściem,
// wyjście i wyjście błędów do plików; zwraca kod wyjścia albo -1, gdy program nie ruszył
// albo zginął od sygnału. Jedna implementacja na system (UruchomPosix.cpp, UruchomWindows.cpp).
int Uruchom(const std::string& program, const std::vector<std::string>& argumenty, const std::string& katalog,
            const std::string& wyjscie, const std::string& bledy);

// Ustawia zmienną środowiska procesu testów; nullptr ją usuwa.
void UstawZmienna(const char* nazwa, const char* wartosc);

// Uruchamia pontiva-cli; zwraca kod wyjścia, wyjście i wyjście błędów.
inline tWynikCli UruchomCli(const std::vector<std::string>& argumenty, const std::string& katalog = "")
{
    tKatalogTymczasowy tmp;
    tWynikCli w;
    w.Kod = Uruchom(PONTIVA_CLI, argumenty, katalog, tmp / "wy", tmp / "bl");
    w.Wyjscie = CzytajPlik(tmp / "wy");
    w.Bledy = CzytajPlik(tmp / "bl");
    return w;
}

}  // namespace testy
