#include "core/InfoObiektu.h"

#include <charconv>

size_t LiczbaZnakow(std::string_view tekst)
{
    size_t znaki = 0;
    for (char z : tekst)
        if ((static_cast<unsigned char>(z) & 0xC0) != 0x80) ++znaki;
    return znaki;
}

bool CzytajCalkowita(std::string_view t, long long& wynik)
{
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    const char* koniec = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), koniec, wynik);
    return ec == std::errc() && p == koniec;
}

bool PoprawnyJNI(std::string_view JNI)
{
    long long liczba = 0;
    return LiczbaZnakow(JNI) == DlugoscJNI && CzytajCalkowita(JNI, liczba) && liczba > 0;
}

bool PoprawnyNrP(std::string_view NrP)
{
    long long liczba = 0;
    return CzytajCalkowita(NrP, liczba) && liczba >= 1 && liczba <= NajwiekszyNrP;
}
