#include "common/Utf8.h"

bool CzytajZnakUtf8(std::string_view s, std::size_t& i, std::uint32_t& znak)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t dlugosc = b < 0x80 ? 1 : b < 0xC0 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF8 ? 4 : 0;
    if (dlugosc == 0 || i + dlugosc > s.size()) {
        ++i;
        return false;
    }
    std::uint32_t z = dlugosc == 1 ? b : b & (0x7F >> dlugosc);
    for (std::size_t k = 1; k < dlugosc; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;  // dalsze bajty czytamy od nowa: mogą zaczynać poprawny znak
            return false;
        }
        z = (z << 6) | (c & 0x3F);
    }
    i += dlugosc;
    static constexpr std::uint32_t Najmniejszy[] = {0, 0, 0x80, 0x800, 0x10000};
    if (z < Najmniejszy[dlugosc] || (z >= 0xD800 && z < 0xE000) || z > 0x10FFFF) return false;
    znak = z;
    return true;
}

void DopiszZnakUtf8(std::string& cel, std::uint32_t z)
{
    if (z < 0x80) {
        cel += static_cast<char>(z);
    } else if (z < 0x800) {
        cel += static_cast<char>(0xC0 | (z >> 6));
        cel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        cel += static_cast<char>(0xE0 | (z >> 12));
        cel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        cel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        cel += static_cast<char>(0xF0 | (z >> 18));
        cel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        cel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        cel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

namespace {

std::string Oczyszczony(std::string_view s, bool bezSterujacych)
{
    std::string wynik;
    wynik.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t poczatek = i;
        std::uint32_t z = 0;
        if (!CzytajZnakUtf8(s, i, z))
            wynik += "\xEF\xBF\xBD";
        else if (bezSterujacych && ZnakSterujacy(z))
            wynik += '?';
        else
            wynik.append(s.substr(poczatek, i - poczatek));
    }
    return wynik;
}

}  // namespace

std::string PoprawnyUtf8(std::string_view s) { return Oczyszczony(s, false); }
std::string TekstWidoczny(std::string_view s) { return Oczyszczony(s, true); }
