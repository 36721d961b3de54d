// Cel fuzzingu: porównanie norm dla obiektu z dowolnego pliku roboczego. Każda z 23 par
// normatywu i klasy daje wiersz wyniku albo "BŁĘDNE DANE", nigdy awarię.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "common/Regionalne.h"
#include "persistence/PlikIni.h"
#include "reports/Porownanie.h"
#include "przebieg/Przebieg.h"
#include "przebieg/WidokPamieci.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    Regionalne().SeparatorDziesietny = rozmiar > 0 && (dane[0] & 1) ? '.' : ',';
    tPlikIni ini;
    ini.UstawZawartosc(std::string_view(reinterpret_cast<const char*>(dane), rozmiar));
    static tWidokPamieci widok;
    static tGlownyPrzebieg przebieg(widok);
    przebieg.WczytajIni(ini);
    auto naglowek = std::make_unique<tObiektMostowy>();
    PobierzDane(widok, *naglowek);
    const auto wiersze = WierszePorownania(*naglowek, przebieg.Obiekt(), przebieg.Info());
    // Wiersze klas: od "NORMA: " do pustego wiersza.
    std::size_t klasy = 0;
    bool wBloku = false;
    for (const auto& w : wiersze) {
        if (wBloku && w.empty()) wBloku = false;
        if (wBloku) ++klasy;
        if (w.rfind("NORMA: ", 0) == 0) wBloku = true;
    }
    if (klasy != 23) std::abort();
    return 0;
}
