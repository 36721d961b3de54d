#include "przebieg/OstatniePliki.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "system/SciezkaUtf8.h"
#include "system/System.h"

namespace fs = std::filesystem;

namespace {
std::string Bezwzgledna(const std::string& sciezka)
{
    std::error_code blad;
    const fs::path p = fs::absolute(SciezkaUtf8(sciezka), blad);
    return Utf8((blad ? SciezkaUtf8(sciezka) : p).lexically_normal());
}
}  // namespace

tOstatniePliki::tOstatniePliki(const std::vector<std::string>& zapamietane)
{
    // Od najstarszego, by najnowszy skończył na początku.
    for (auto it = zapamietane.rbegin(); it != zapamietane.rend(); ++it)
        if (!it->empty()) Dodaj(*it);
}

void tOstatniePliki::Dodaj(const std::string& sciezka)
{
    const std::string p = Bezwzgledna(sciezka);
    pliki_.erase(std::remove(pliki_.begin(), pliki_.end(), p), pliki_.end());
    pliki_.insert(pliki_.begin(), p);
    if (pliki_.size() > Maks) pliki_.resize(Maks);
}

bool tOstatniePliki::Dostepny(const std::string& sciezka) { return os::Opis(sciezka).Rodzaj == os::tRodzaj::Zwykly; }
