// What a sound costs the Qt face: the first one opens libcanberra and finds
// the files, every later one only starts playing. Without a sound server the
// library still loads; only the playing itself is silence.

#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/Muisti.h"
#include "sound/Tiedostoaanet.h"

namespace {

double ResidenttiMiB() { return static_cast<double>(ResidenttiKib()) / 1024.0; }

double Millisekunteina(std::chrono::steady_clock::duration kesto) {
    return std::chrono::duration<double, std::milli>(kesto).count();
}

// Runs once: a process opens the library only once.
void BM_Ensimmainen_aani(benchmark::State& state) {
    for (auto _ : state) {
        Tiedostoaanet soitin(MORVAK_OHJELMAN_KANSIO);
        const double ennen = ResidenttiMiB();
        const auto alku = std::chrono::steady_clock::now();
        soitin.Soita(Aani::Ohi);
        const auto kesto = std::chrono::steady_clock::now() - alku;
        state.SetIterationTime(Millisekunteina(kesto) / 1000.0);
        state.counters["ms"] = Millisekunteina(kesto);
        state.counters["lisaa_MiB"] = ResidenttiMiB() - ennen;

        const auto myohemmin = std::chrono::steady_clock::now();
        soitin.Soita(Aani::Osuma);
        state.counters["seuraava_ms"] =
            Millisekunteina(std::chrono::steady_clock::now() - myohemmin);
    }
}

}  // namespace

BENCHMARK(BM_Ensimmainen_aani)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
