#include "common/Formatowanie.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "common/Regionalne.h"

void DopiszLiczbeStala(std::string& cel, double wartosc, int miejsca, char separator)
{
    if (!std::isfinite(wartosc)) {
        cel += std::isnan(wartosc) ? "nan" : (wartosc < 0 ? "-inf" : "inf");
        return;
    }
    miejsca = std::clamp(miejsca, 0, 30);
    // 17 cyfr znaczących odtwarza każdą liczbę double; zaokrągla się je połówkami w górę.
    char bufor[40];
    auto [koniec, blad] =
        std::to_chars(bufor, bufor + sizeof bufor, std::fabs(wartosc), std::chars_format::scientific, 16);
    if (blad != std::errc()) {
        cel += '?';
        return;
    }
    char cyfry[17];
    int ile = 0;
    const char* p = bufor;
    for (; p != koniec && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && ile < 17) cyfry[ile++] = *p;
    int wykladnik = 0;
    if (p != koniec) std::from_chars(p + (p[1] == '+' ? 2 : 1), koniec, wykladnik);

    const int przecinek = wykladnik + 1;  // liczba cyfr przed przecinkiem w zapisie cyfr
    const int calkowite = std::max(przecinek, 1);
    const int dlugosc = calkowite + miejsca;
    auto cyfra = [&](int j) {  // j = 0 to najstarsza cyfra części całkowitej
        int k = przecinek - calkowite + j;
        return k >= 0 && k < ile ? cyfry[k] - '0' : 0;
    };
    std::array<char, 400> wynik{};  // wynik[0] na przeniesienie; 309 cyfr całkowitych + 30 miejsc
    for (int j = 0; j < dlugosc; ++j) wynik[j + 1] = static_cast<char>(cyfra(j));
    if (cyfra(dlugosc) >= 5) {
        int j = dlugosc;
        while (++wynik[j] == 10) wynik[j--] = 0;
    }
    if (std::signbit(wartosc)) cel += '-';
    int start = wynik[0] ? 0 : 1;
    while (start < calkowite && wynik[start] == 0) ++start;  // zera wiodące, poza ostatnią cyfrą
    for (int j = start; j <= calkowite; ++j) cel += static_cast<char>('0' + wynik[j]);
    if (miejsca > 0) {
        cel += separator;
        for (int j = calkowite + 1; j <= dlugosc; ++j) cel += static_cast<char>('0' + wynik[j]);
    }
}

void DopiszLiczbeStala(std::string& cel, double wartosc, int miejsca)
{
    DopiszLiczbeStala(cel, wartosc, miejsca, Regionalne().SeparatorDziesietny);
}

std::string LiczbaStala(double wartosc, int miejsca)
{
    std::string s;
    DopiszLiczbeStala(s, wartosc, miejsca);
    return s;
}

std::string LiczbaOgolna(double wartosc)
{
    if (!std::isfinite(wartosc)) return "0";
    char bufor[64];
    auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, wartosc, std::chars_format::general, 15);
    if (blad != std::errc()) return "0";
    std::string s(bufor, koniec);
    // Zapis wykładniczy w postaci "1E20" / "1,5E-7".
    if (auto e = s.find('e'); e != std::string::npos) {
        std::string mantysa = s.substr(0, e);
        int wykladnik = std::stoi(s.substr(e + 1));
        s = mantysa + "E" + std::to_string(wykladnik);
    }
    for (char& c : s)
        if (c == '.') c = Regionalne().SeparatorDziesietny;
    return s;
}

namespace {

struct tWzorzecPola {
    bool doLewej = false;
    bool zera = false;
    int szerokosc = 0;
    int precyzja = -1;
    char rodzaj = 0;
};

void Wyrownaj(std::string& cel, std::string_view tekst, const tWzorzecPola& s)
{
    int brak = s.szerokosc - static_cast<int>(tekst.size());
    if (brak <= 0) {
        cel += tekst;
        return;
    }
    if (s.doLewej) {
        cel += tekst;
        cel.append(brak, ' ');
    } else if (s.zera && s.rodzaj != 's') {
        size_t znak = (!tekst.empty() && tekst[0] == '-') ? 1 : 0;
        cel += tekst.substr(0, znak);
        cel.append(brak, '0');
        cel += tekst.substr(znak);
    } else {
        cel.append(brak, ' ');
        cel += tekst;
    }
}

std::string JakoTekst(const ArgFormatu& a, const tWzorzecPola& s)
{
    const auto& v = a.Wartosc();
    if (auto* c = std::get_if<char>(&v)) return std::string(1, *c);
    switch (s.rodzaj) {
    case 'd':
        if (auto* i = std::get_if<long long>(&v)) return std::to_string(*i);
        if (auto* d = std::get_if<double>(&v)) return std::to_string(static_cast<long long>(*d));
        return std::string(std::get<std::string_view>(v));
    case 'f':
        if (auto* d = std::get_if<double>(&v)) return LiczbaStala(*d, s.precyzja < 0 ? 2 : s.precyzja);
        if (auto* i = std::get_if<long long>(&v)) return LiczbaStala(static_cast<double>(*i), s.precyzja < 0 ? 2 : s.precyzja);
        return std::string(std::get<std::string_view>(v));
    default:
        if (auto* t = std::get_if<std::string_view>(&v)) {
            std::string_view w = *t;
            if (s.precyzja >= 0 && static_cast<size_t>(s.precyzja) < w.size()) w = w.substr(0, s.precyzja);
            return std::string(w);
        }
        if (auto* i = std::get_if<long long>(&v)) return std::to_string(*i);
        return LiczbaOgolna(std::get<double>(v));
    }
}

}  // namespace

std::string Format(std::string_view wzor, std::initializer_list<ArgFormatu> argumenty)
{
    std::string wynik;
    wynik.reserve(wzor.size() + 16);
    auto arg = argumenty.begin();
    for (size_t i = 0; i < wzor.size(); ++i) {
        char z = wzor[i];
        if (z != '%') {
            wynik += z;
            continue;
        }
        if (i + 1 < wzor.size() && wzor[i + 1] == '%') {
            wynik += '%';
            ++i;
            continue;
        }
        tWzorzecPola s;
        size_t j = i + 1;
        for (; j < wzor.size() && (wzor[j] == '-' || wzor[j] == '0'); ++j) {
            if (wzor[j] == '-') s.doLewej = true;
            else s.zera = true;
        }
        for (; j < wzor.size() && wzor[j] >= '0' && wzor[j] <= '9'; ++j) s.szerokosc = s.szerokosc * 10 + (wzor[j] - '0');
        if (j < wzor.size() && wzor[j] == '.') {
            s.precyzja = 0;
            for (++j; j < wzor.size() && wzor[j] >= '0' && wzor[j] <= '9'; ++j) s.precyzja = s.precyzja * 10 + (wzor[j] - '0');
        }
        if (j >= wzor.size()) {
            wynik += wzor.substr(i);
            break;
        }
        s.rodzaj = wzor[j];
        if (s.rodzaj != 'd' && s.rodzaj != 's' && s.rodzaj != 'f') {
            wynik += wzor.substr(i, j - i + 1);
            i = j;
            continue;
        }
        if (arg == argumenty.end()) {
            i = j;
            continue;
        }
        Wyrownaj(wynik, JakoTekst(*arg, s), s);
        ++arg;
        i = j;
    }
    return wynik;
}

std::string JedenWiersz(const std::string& tekst)
{
    std::string w;
    for (char z : tekst) {
        if (z == '\r' || z == '\n') z = ' ';
        if (z == ' ' && (w.empty() || w.back() == ' ')) continue;
        w += z;
    }
    if (!w.empty() && w.back() == ' ') w.pop_back();
    return w;
}
