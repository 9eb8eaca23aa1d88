#include <benchmark/benchmark.h>

#include <cstdint>

#include "tests/rules/firing/Pelisimulaatio.h"

namespace {

// One whole game in the rules alone per iteration: a new game, the player's
// ten placement clicks, and every shot of both sides to the end, with the
// turn timer ticking in each pause. Each game has a seed of its own.
void KokonainenPeli(benchmark::State& state) {
    const bool kulmat = state.range(0) != 0;
    std::uint64_t siemen = 0;
    std::int64_t laukauksia = 0;
    for (auto _ : state) {
        Pelisimulaatio peli(++siemen, kulmat, Pelaajatyyppi::Satunnainen);
        const Pelitulos tulos = peli.Pelaa();
        benchmark::DoNotOptimize(tulos);
        laukauksia += tulos.pelaajanLaukaukset + tulos.koneenLaukaukset;
    }
    state.counters["laukauksia/peli"] =
        benchmark::Counter(static_cast<double>(laukauksia), benchmark::Counter::kAvgIterations);
}
BENCHMARK(KokonainenPeli)->ArgName("kulmat")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
