#pragma once
// Wspólne narzędzia testów raportów: katalog tymczasowy, odczyt pliku, podział na wiersze.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/Regionalne.h"

namespace testy {

inline std::filesystem::path KatalogTymczasowy(const std::string& nazwa)
{
    auto k = std::filesystem::path(PONTIVA_KATALOG_BUDOWY) / "tmp_raporty" / nazwa;
    std::filesystem::remove_all(k);
    std::filesystem::create_directories(k);
    return k;
}

inline std::string Wczytaj(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Zapisz(const std::filesystem::path& p, const std::string& bajty)
{
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << bajty;
}

// Wiersze rozdzielone CR LF; ostatni (pusty, po końcowym CR LF) pominięty.
inline std::vector<std::string> Wiersze(const std::string& tekst)
{
    std::vector<std::string> w;
    size_t p = 0;
    while (p < tekst.size()) {
        size_t k = tekst.find("\r\n", p);
        if (k == std::string::npos) {
            w.push_back(tekst.substr(p));
            break;
        }
        w.push_back(tekst.substr(p, k - p));
        p = k + 2;
    }
    return w;
}

// Ustawia separator na czas testu i przywraca poprzedni.
class Separator {
public:
    explicit Separator(char s) : poprzedni_(Regionalne().SeparatorDziesietny) { Regionalne().SeparatorDziesietny = s; }
    ~Separator() { Regionalne().SeparatorDziesietny = poprzedni_; }

private:
    char poprzedni_;
};

}  // namespace testy
