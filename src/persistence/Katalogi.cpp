#include "persistence/Katalogi.h"

#include <filesystem>
#include <system_error>

#include "system/SciezkaUtf8.h"
#include "system/System.h"

namespace fs = std::filesystem;

namespace {

std::string& KatalogUstawiony()
{
    static std::string katalog;
    return katalog;
}

}  // namespace

std::string KatalogDanychUzytkownika() { return os::KatalogDanychUzytkownika(); }

std::string KatalogProgramu()
{
    static const std::string katalog = [] {
        const std::string sciezka = os::SciezkaProgramu();
        std::error_code blad;
        if (sciezka.empty()) return Utf8(fs::current_path(blad));
        return Utf8(SciezkaUtf8(sciezka).parent_path());
    }();
    return katalog;
}

std::string KatalogDanych()
{
    if (!KatalogUstawiony().empty()) return KatalogUstawiony();
    const char* zmienna = std::getenv("PONTIVA_DANE");
    if (zmienna && *zmienna) return zmienna;
    const std::string program = KatalogProgramu();
    if (os::KatalogZapisywalny(program)) return program;
    // Nigdy katalog wspólny: bez katalogu domowego zostaje katalog programu, a błąd zapisu
    // nazwie ścieżkę, w której nie da się pisać.
    const std::string uzytkownika = KatalogDanychUzytkownika();
    return uzytkownika.empty() ? program : uzytkownika;
}

void UstawKatalogDanych(const std::string& katalog) { KatalogUstawiony() = katalog; }

std::string KatalogJNI() { return KatalogDanych() + "/JNI"; }
std::string KatalogRaportow() { return KatalogDanych() + "/Raporty"; }
std::string KatalogPojazdow() { return KatalogDanych() + "/Pojazdy"; }
std::string SciezkaStanu() { return KatalogDanych() + "/PT.INI"; }
std::string SciezkaPorownania() { return KatalogDanych() + "/PTU.TXT"; }
std::string SciezkaPomocy() { return KatalogProgramu() + "/Help/PONTIVA.HLP"; }

bool UtworzKatalog(const std::string& katalog)
{
    std::error_code blad;
    fs::create_directories(SciezkaUtf8(katalog), blad);
    return fs::is_directory(SciezkaUtf8(katalog), blad);
}
