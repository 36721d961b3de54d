#include "common/Regionalne.h"

#include <cstdlib>
#include <string_view>

tUstawieniaRegionalne& Regionalne()
{
    static tUstawieniaRegionalne ustawienia;
    return ustawienia;
}

namespace {
std::string Dwucyfrowo(int v)
{
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}
}  // namespace

std::string FormatujDate(int rok, int miesiac, int dzien)
{
    const std::string& wzor = Regionalne().FormatDatyKrotkiej;
    std::string wynik;
    for (size_t i = 0; i < wzor.size();) {
        char z = wzor[i];
        size_t n = 1;
        while (i + n < wzor.size() && wzor[i + n] == z) ++n;
        if (z == 'd') {
            wynik += n >= 2 ? Dwucyfrowo(dzien) : std::to_string(dzien);
        } else if (z == 'M') {
            wynik += n >= 2 ? Dwucyfrowo(miesiac) : std::to_string(miesiac);
        } else if (z == 'y') {
            wynik += n >= 3 ? std::to_string(rok) : Dwucyfrowo(rok % 100);
        } else {
            wynik.append(n, z);
        }
        i += n;
    }
    return wynik;
}

char SeparatorZeSrodowiska()
{
    const char* nazwy[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::string_view locale;
    for (const char* n : nazwy) {
        const char* v = std::getenv(n);
        if (v && *v) {
            locale = v;
            break;
        }
    }
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0) return '.';
    // Języki z kropką dziesiętną; pozostałe (pl, de, fr, cs, ...) używają przecinka.
    static const std::string_view zKropka[] = {"en", "ja", "zh", "ko", "he", "th", "ga", "mt", "cy"};
    std::string_view jezyk = locale.substr(0, locale.find_first_of("_.@"));
    for (auto j : zKropka)
        if (jezyk == j) return '.';
    return ',';
}
