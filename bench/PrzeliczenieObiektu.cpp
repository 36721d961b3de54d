// Czas pełnego przeliczenia obiektu, tak jak po każdej zmianie pola w oknie:
// UstawDane, lista elementów, trzy sprawdzenia i Oblicz ze śladem.
// Cel: poniżej 500 µs dla belki przegubowej o 45 przęsłach (91 elementów).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "common/Slad.h"
#include "common/Wyliczenia.h"
#include "core/ObiektMostowy.h"
#include "core/UkladElementow.h"

namespace {

struct tDaneObiektu {
    int Schemat;
    int Przesel;
    std::array<double, MaksWierszy> Dlugosci{};
};

// Belka przegubowa z przegubem w 1. przęśle: wsporniki skrajne 3 m, przęsła
// podwieszone 18 m, ramiona wsporników 4,5 m.
tDaneObiektu Przegubowa45()
{
    tDaneObiektu d{sPrzegubowaZPrzegubemW1, MaksPrzesel, {}};
    const int wiersze = LiczbaWierszy(d.Schemat, d.Przesel);
    for (int i = 1; i <= wiersze; ++i) {
        const bool skrajny = i == 1 || i == wiersze;
        d.Dlugosci[i - 1] = skrajny ? 3.0 : i % 2 == 0 ? 18.0 : 4.5;
    }
    return d;
}

// Belka swobodnie podparta 24 m z dwoma wspornikami 2,5 m.
tDaneObiektu BelkaZWspornikami()
{
    tDaneObiektu d{sBelkaSwobodnie, 1, {}};
    d.Dlugosci[0] = 2.5;
    d.Dlugosci[1] = 24.0;
    d.Dlugosci[2] = 2.5;
    return d;
}

// Pomost wielodźwigarowy z krawężnikami, PN-85/S-10030 klasy A:
// c1 + a1 + b + a2 + c2 = 1,5 + 0,5 + 7 + 0,5 + 1,5 = e1 + B + e2 = 1,5 + 8 + 1,5.
void Przelicz(benchmark::State& state, const tDaneObiektu& d, int oczekiwaneElementy)
{
    tObiektMostowy obiekt;
    std::string Msg;
    for (auto _ : state) {
        obiekt.UstawDane(nPN85, 0, pWielodzwigaroweZKraweznikami, 0.5, 0.5, 7.0, 8.0, 1.5, 1.5, 1.5, 1.5, 0.3,
                         0.3, 0.0, 0.0, 0.0, 5, d.Schemat);
        DodajElementy(obiekt, d.Schemat, d.Przesel, d.Dlugosci);
        Msg.clear();
        const bool ok = obiekt.SprawdzParametry(Msg) && obiekt.SprawdzSumy(Msg) && obiekt.SprawdzDlugosci(Msg) &&
                        obiekt.Oblicz(Msg);
        if (!ok || obiekt.LiczbaElementow != oczekiwaneElementy) {
            state.SkipWithError(("przeliczenie nieudane: " + Msg).c_str());
            break;
        }
        benchmark::DoNotOptimize(obiekt.PodajMase());
    }
    state.counters["wiersze_sladu"] = static_cast<double>(Slad().Rozmiar());
}

void BM_PrzegubowaPN85_91Elementow(benchmark::State& state) { Przelicz(state, Przegubowa45(), 91); }
void BM_BelkaSwobodnaPN85_3Elementy(benchmark::State& state) { Przelicz(state, BelkaZWspornikami(), 3); }

}  // namespace

BENCHMARK(BM_PrzegubowaPN85_91Elementow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BelkaSwobodnaPN85_3Elementy)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
