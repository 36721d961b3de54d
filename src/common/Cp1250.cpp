#include "common/Cp1250.h"

#include <array>
#include <cstdint>

namespace {

// Znaki Unicode bajtów 0x80–0xFF; 0 oznacza bajt nieprzypisany.
constexpr std::array<std::uint16_t, 128> Tablica = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

char KodujZnak(std::uint32_t znak)
{
    if (znak < 0x80) return static_cast<char>(znak);
    for (size_t i = 0; i < Tablica.size(); ++i)
        if (Tablica[i] == znak) return static_cast<char>(0x80 + i);
    return '?';
}

void DopiszUtf8(std::string& cel, std::uint32_t znak)
{
    if (znak < 0x80) {
        cel += static_cast<char>(znak);
    } else if (znak < 0x800) {
        cel += static_cast<char>(0xC0 | (znak >> 6));
        cel += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        cel += static_cast<char>(0xE0 | (znak >> 12));
        cel += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        cel += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

}  // namespace

std::string Utf8DoCp1250(std::string_view utf8)
{
    std::string wynik;
    wynik.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        auto b = static_cast<unsigned char>(utf8[i]);
        int dlugosc = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (dlugosc == 0 || i + dlugosc > utf8.size()) {
            wynik += '?';
            ++i;
            continue;
        }
        std::uint32_t znak = dlugosc == 1 ? b : b & (0x7F >> dlugosc);
        bool poprawny = true;
        for (int k = 1; k < dlugosc; ++k) {
            auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                poprawny = false;
                break;
            }
            znak = (znak << 6) | (c & 0x3F);
        }
        if (!poprawny) {
            wynik += '?';
            ++i;
            continue;
        }
        wynik += KodujZnak(znak);
        i += dlugosc;
    }
    return wynik;
}

std::string Cp1250DoUtf8(std::string_view cp1250)
{
    std::string wynik;
    wynik.reserve(cp1250.size() + cp1250.size() / 4);
    for (char c : cp1250) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            wynik += c;
        } else {
            std::uint16_t znak = Tablica[b - 0x80];
            if (znak == 0) wynik += '?';
            else DopiszUtf8(wynik, znak);
        }
    }
    return wynik;
}
