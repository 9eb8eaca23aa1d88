#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "rules/Peli.h"
#include "tests/support/NakymaTesti.h"

namespace {

// The thread's own CPU time: another process taking the core midway must not
// pass for a slow placement.
double Mikrosekunnit() {
    timespec aika{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &aika);
    return static_cast<double>(aika.tv_sec) * 1e6 + static_cast<double>(aika.tv_nsec) / 1e3;
}

struct Peliaika {
    double us;
    int yrityksia;  // attempts at a ship, all fleets of the game together
};

double Kohta(const std::vector<Peliaika>& ajat, double osuus) {
    return ajat[static_cast<std::size_t>(static_cast<double>(ajat.size() - 1) * osuus)].us;
}

// One new game per iteration, each from its own seed and the real clock,
// timed one by one so the median and the worst case can be told apart.
void UusiPeli(benchmark::State& state) {
    Pelitila t;
    t.LaivojenKulmatSaavatKoskettaa = state.range(0) != 0;
    NakymaTesti n;
    std::vector<Peliaika> ajat;
    std::uint64_t siemen = 0;
    int nollauksia = 0;
    for (auto _ : state) {
        int kellonLukuja = 0;
        Satunnaisluvut arpa(++siemen, [&kellonLukuja] {
            ++kellonLukuja;
            return static_cast<std::uint64_t>(
                std::chrono::steady_clock::now().time_since_epoch().count());
        });
        Peli p(t, n, arpa);
        const int ennen = n.pelaaja[1].piirretty;
        const double alku = Mikrosekunnit();
        p.UusiPeli();
        // Two re-seeds per attempt.
        ajat.push_back({Mikrosekunnit() - alku, kellonLukuja / 2});
        // Every full reset of the grids draws each square once.
        nollauksia += n.pelaaja[1].piirretty - ennen;
    }
    std::ranges::sort(ajat, {}, &Peliaika::us);
    state.counters["mediaani_us"] = Kohta(ajat, 0.5);
    state.counters["p99_us"] = Kohta(ajat, 0.99);
    state.counters["p999_us"] = Kohta(ajat, 0.999);
    state.counters["pahin_us"] = ajat.back().us;
    const auto eniten = std::ranges::max_element(ajat, {}, &Peliaika::yrityksia);
    state.counters["eniten_yrityksia"] = eniten->yrityksia;
    state.counters["eniten_yrityksia_us"] = eniten->us;
    state.counters["laivastoja_per_peli"] =
        static_cast<double>(nollauksia) / static_cast<double>(ajat.size());
}

}  // namespace

BENCHMARK(UusiPeli)->ArgName("kulmat")->Arg(1)->Arg(0)->Iterations(100000)->Unit(
    benchmark::kMicrosecond);

BENCHMARK_MAIN();
