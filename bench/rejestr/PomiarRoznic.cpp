// Czas polecenia roznice na ocenie całego krajowego rejestru: dwa wyjścia "oblicz --format json"
// po 40 000 obiektów (wiersze jak z oblicz, dwa przęsła), czytane wierszami, i porównanie;
// co dziesiąty obiekt zmienia nośność. Cel: poniżej 2 s.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "rejestr/Roznice.h"

namespace {

namespace fs = std::filesystem;

constexpr int Obiektow = 40000;

std::string Wiersz(int i, double ptv)
{
    const std::string element = "\"rodzaj\":1,\"dlugosc\":15,\"LM\":12.87,\"LT\":16.875,\"M1N\":22.897242000000006,"
                                "\"TN\":102.74850000000004,\"MP\":45.79448400000001,\"TP\":205.49700000000007,\"masa\":" +
                                std::to_string(ptv) + "}";
    return "{\"plik\":\"JNI/" + std::to_string(10000000 + i) + "_1.PTV\",\"JNI\":\"" + std::to_string(10000000 + i) +
           "\",\"NrP\":\"1\",\"normatyw\":3,\"klasa\":1,\"przekroj\":1,\"schemat\":1,\"ok\":true,\"etap\":null,"
           "\"komunikat\":null,\"M1N\":22.897242000000006,\"TN\":102.74850000000004,\"MP\":45.79448400000001,"
           "\"TP\":205.49700000000007,\"PTV\":" + std::to_string(ptv) + ",\"najgorszy\":1,\"elementy\":[{\"nazwa\":"
           "\"Lewe przęsło\"," + element + ",{\"nazwa\":\"Prawe przęsło\"," + element + "]}\n";
}

// Dwa pliki ocen w katalogu tymczasowym, usuwanym na końcu programu.
class tPlikiPomiaru {
public:
    tPlikiPomiaru()
    {
        std::string wzor = (fs::temp_directory_path() / "pontiva-roznice-XXXXXX").string();
        if (!mkdtemp(wzor.data())) return;
        katalog_ = wzor;
        std::ofstream stary(Stary()), nowy(Nowy());
        for (int i = 0; i < Obiektow; ++i) {
            stary << Wiersz(i, 20.06268906143401);
            nowy << Wiersz(i, i % 10 ? 20.06268906143401 : 24.0);
        }
    }
    ~tPlikiPomiaru()
    {
        std::error_code blad;
        if (!katalog_.empty()) fs::remove_all(katalog_, blad);
    }
    bool Gotowe() const { return !katalog_.empty(); }
    std::string Stary() const { return katalog_ + "/stary.jsonl"; }
    std::string Nowy() const { return katalog_ + "/nowy.jsonl"; }

private:
    std::string katalog_;
};

void RozniceRejestru(benchmark::State& state)
{
    static const tPlikiPomiaru pliki;
    if (!pliki.Gotowe()) {
        state.SkipWithError("nie udało się zapisać ocen");
        return;
    }
    int zmienione = 0;
    for (auto _ : state) {
        tOceny stare, nowe;
        std::string komunikat;
        if (CzytajOceny(pliki.Stary(), stare, komunikat) != tStanOcen::Wczytane ||
            CzytajOceny(pliki.Nowy(), nowe, komunikat) != tStanOcen::Wczytane) {
            state.SkipWithError(komunikat.c_str());
            return;
        }
        zmienione = Porownaj(stare, nowe).Zmienione;
        benchmark::DoNotOptimize(zmienione);
    }
    state.counters["zmienione"] = zmienione;
    state.counters["obiekty/s"] = benchmark::Counter(Obiektow, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(RozniceRejestru)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
