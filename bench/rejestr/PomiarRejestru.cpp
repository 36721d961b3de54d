// Czas rejestru obiektów: cały katalog od odczytu plików do gotowych wierszy (OcenKatalog),
// jak przy otwarciu okna rejestru albo pontiva-cli rejestr. Katalogi 2 000 i 20 000 obiektów
// o losowych schematach, przekrojach i rozpiętościach tworzy raz narzędzie pontiva-przyklady.
// Cel: 2 000 obiektów poniżej 1 s. Przejazd pojazdu nienormatywnego przez te same obiekty (od odczytu
// plików do werdyktów): 2 000 obiektów poniżej 0,5 s; dokładne efekty pociągu 20 osi na jednym
// elemencie poniżej 20 µs.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "rejestr/Przejazd.h"
#include "rejestr/Rejestr.h"

namespace {

namespace fs = std::filesystem;

// Katalog tymczasowy z wygenerowanymi obiektami, usuwany na końcu programu.
class tKatalogiPomiaru {
public:
    ~tKatalogiPomiaru()
    {
        std::error_code blad;
        if (!korzen_.empty()) fs::remove_all(korzen_, blad);
    }
    // Katalog z `ile` obiektami; pusty tekst, gdy generator zawiódł.
    std::string Katalog(int ile)
    {
        if (auto it = katalogi_.find(ile); it != katalogi_.end()) return it->second;
        if (korzen_.empty()) {
            std::string wzor = (fs::temp_directory_path() / "pontiva-pomiar-XXXXXX").string();
            if (!mkdtemp(wzor.data())) return {};
            korzen_ = wzor;
        }
        const std::string katalog = korzen_ + "/" + std::to_string(ile);
        const std::string polecenie = std::string("'") + PONTIVA_PRZYKLADY + "' generuj '" + katalog + "' " + std::to_string(ile);
        return katalogi_[ile] = std::system(polecenie.c_str()) == 0 ? katalog : std::string();
    }

private:
    std::string korzen_;
    std::map<int, std::string> katalogi_;
};

tKatalogiPomiaru& Katalogi()
{
    static tKatalogiPomiaru k;
    return k;
}

void OcenaKatalogu(benchmark::State& state)
{
    const int ile = static_cast<int>(state.range(0));
    const std::string katalog = Katalogi().Katalog(ile);
    if (katalog.empty()) {
        state.SkipWithError("nie udało się wygenerować katalogu obiektów");
        return;
    }
    int ocenione = 0;
    for (auto _ : state) {
        std::vector<tWierszRejestru> wiersze;
        OcenKatalog(katalog, wiersze);
        ocenione = 0;
        for (const auto& w : wiersze) ocenione += w.Poprawny;
        benchmark::DoNotOptimize(wiersze.data());
    }
    state.counters["ocenione"] = ocenione;
    state.counters["obiekty/s"] = benchmark::Counter(static_cast<double>(ile), benchmark::Counter::kIsIterationInvariantRate);
}

// Ciągnik z naczepą modułową: 12 osi, 141 t (przyklady/pojazdy/zestaw_modulowy_141t.PJZ).
const tPojazd ZestawModulowy{"zestaw", {9, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12},
                             {3.2, 1.5, 1.5, 6.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5}};

void PrzejazdKatalogu(benchmark::State& state)
{
    const int ile = static_cast<int>(state.range(0));
    const std::string katalog = Katalogi().Katalog(ile);
    std::vector<std::string> nazwy;
    if (katalog.empty() || !PlikiRobocze(katalog, nazwy)) {
        state.SkipWithError("nie udało się wygenerować katalogu obiektów");
        return;
    }
    int dopuszczalne = 0;
    for (auto _ : state) {
        tOceniacz oceniacz;
        dopuszczalne = 0;
        for (const auto& n : nazwy)
            dopuszczalne += OcenPrzejazdPliku(oceniacz, SciezkaWKatalogu(katalog, n), n, ZestawModulowy, ObciazenieZRuchem).Dopuszczalny();
    }
    state.counters["dopuszczalne"] = dopuszczalne;
}

// 20 osi od 6 do 12 t co 1,2 do 4,5 m na elemencie 25 m (moment) i 31,5 m (siła).
void EfektyPociagu20Osi(benchmark::State& state)
{
    tPojazd p;
    for (int i = 0; i < 20; ++i) {
        p.Naciski.push_back(6 + (i * 5) % 7);
        if (i > 0) p.Rozstawy.push_back(1.2 + (i * 13) % 34 * 0.1);
    }
    const tPociag pociag(p);
    for (auto _ : state) benchmark::DoNotOptimize(EfektyPojazdu(pociag, 25, 31.5, ObciazenieZRuchem));
}

}  // namespace

BENCHMARK(PrzejazdKatalogu)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(EfektyPociagu20Osi)->Unit(benchmark::kMicrosecond);
BENCHMARK(OcenaKatalogu)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
