#include "persistence/Katalogi.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string& KatalogUstawiony()
{
    static std::string katalog;
    return katalog;
}

bool Zapisywalny(const std::string& katalog) { return !katalog.empty() && access(katalog.c_str(), W_OK | X_OK) == 0; }

std::string KatalogDanychUzytkownika()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::string(xdg) + "/pontiva";
    const char* dom = std::getenv("HOME");
    return std::string(dom && *dom ? dom : "/tmp") + "/.local/share/pontiva";
}

}  // namespace

std::string KatalogProgramu()
{
    static const std::string katalog = [] {
        std::error_code blad;
        fs::path sciezka = fs::read_symlink("/proc/self/exe", blad);
        if (blad) return fs::current_path(blad).string();
        return sciezka.parent_path().string();
    }();
    return katalog;
}

std::string KatalogDanych()
{
    if (!KatalogUstawiony().empty()) return KatalogUstawiony();
    const char* zmienna = std::getenv("PONTIVA_DANE");
    if (zmienna && *zmienna) return zmienna;
    const std::string program = KatalogProgramu();
    return Zapisywalny(program) ? program : KatalogDanychUzytkownika();
}

void UstawKatalogDanych(const std::string& katalog) { KatalogUstawiony() = katalog; }

std::string KatalogJNI() { return KatalogDanych() + "/JNI"; }
std::string KatalogRaportow() { return KatalogDanych() + "/Raporty"; }
std::string SciezkaStanu() { return KatalogDanych() + "/PT.INI"; }
std::string SciezkaPorownania() { return KatalogDanych() + "/PTU.TXT"; }
std::string SciezkaPomocy() { return KatalogProgramu() + "/Help/PONTIVA.HLP"; }

bool UtworzKatalog(const std::string& katalog)
{
    std::error_code blad;
    fs::create_directories(katalog, blad);
    return fs::is_directory(katalog, blad);
}
