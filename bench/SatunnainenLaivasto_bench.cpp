#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "rules/Peli.h"
#include "tests/support/NakymaTesti.h"

namespace {

// The thread's own CPU time, as in the computer's placement bench.
double Mikrosekunnit() {
    timespec aika{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &aika);
    return static_cast<double>(aika.tv_sec) * 1e6 + static_cast<double>(aika.tv_nsec) / 1e3;
}

double Kohta(const std::vector<double>& ajat, double osuus) {
    return ajat[static_cast<std::size_t>(static_cast<double>(ajat.size() - 1) * osuus)];
}

// F3 on an empty grid after each new game, each game from its own seed;
// only the random fleet itself is timed.
void SatunnainenLaivasto(benchmark::State& state) {
    Pelitila t;
    t.LaivojenKulmatSaavatKoskettaa = state.range(0) != 0;
    NakymaTesti n;
    std::vector<double> ajat;
    std::uint64_t siemen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Satunnaisluvut arpa(++siemen, [] { return std::uint64_t{0}; });
        Peli p(t, n, arpa);
        p.UusiPeli();
        state.ResumeTiming();
        const double alku = Mikrosekunnit();
        p.SijoitaLaivatSatunnaisesti();
        ajat.push_back(Mikrosekunnit() - alku);
    }
    std::ranges::sort(ajat);
    state.counters["mediaani_us"] = Kohta(ajat, 0.5);
    state.counters["p99_us"] = Kohta(ajat, 0.99);
    state.counters["pahin_us"] = ajat.back();
}

}  // namespace

BENCHMARK(SatunnainenLaivasto)
    ->ArgName("kulmat")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(20000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
