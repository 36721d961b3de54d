#include "common/Pomocnicze.h"

#include <charconv>
#include <cmath>

#include "common/Asercja.h"
#include "common/Formatowanie.h"
#include "common/Slad.h"

double Fi(double L)
{
    double fi = L <= 70.0 ? 1.35 - 0.005 * L : 1.0;
    // "  Fi(%0.2f)=%0.5f" – liczby formatowane przy odczycie śladu.
    std::string& w = Slad().NowyWiersz();
    w += "  Fi(";
    Slad().DopiszLiczbe(L, 2);
    w += ")=";
    Slad().DopiszLiczbe(fi, 5);
    Slad().ZakonczWiersz();
    return fi;
}

int Obetnij(double x)
{
    // Suma w podwójnej rozszerzonej precyzji, jak w arytmetyce pierwowzoru:
    // 2,9999999999 + 1e-10 ma dać 2, a nie dokładnie 3.
    long double suma = static_cast<long double>(x) + 1e-10L;
    return static_cast<int>(std::trunc(suma));
}

bool SprawdzKlase(int klasa, std::initializer_list<int> dozwolone, std::string& Msg)
{
    for (int k : dozwolone) {
        if (k == klasa && klasa >= 0 && klasa <= 255) {
            Msg.clear();
            return true;
        }
    }
    Msg = Format("Zła klasa : %s", {std::to_string(klasa)});
    return false;
}

bool SprawdzL270(std::string& Msg, double L)
{
    if (L == 270.0) {
        Msg = "Parametr L nie może być równy 270";
        return true;
    }
    Msg.clear();
    return false;
}

double Interpoluj(double x1, double y1, double x2, double y2, double x)
{
    Asercja(std::fabs(x1 - x2) > 1e-10, "Interpoluj: x1 = x2");
    return y1 + (y2 - y1) / (x2 - x1) * (x - x1);
}

bool NaLiczbe(const std::string& tekst, double& wynik)
{
    wynik = 0.0;
    size_t p = tekst.find_first_not_of(" \t");
    if (p == std::string::npos) return true;
    size_t k = tekst.find_last_not_of(" \t");
    std::string t = tekst.substr(p, k - p + 1);
    for (char& c : t)
        if (c == ',') c = '.';
    const char* poczatek = t.data();
    const char* koniec = t.data() + t.size();
    if (*poczatek == '+') ++poczatek;
    double v = 0.0;
    auto [gdzie, blad] = std::from_chars(poczatek, koniec, v, std::chars_format::general);
    if (blad != std::errc() || gdzie != koniec || !std::isfinite(v)) return false;
    wynik = v;
    return true;
}
