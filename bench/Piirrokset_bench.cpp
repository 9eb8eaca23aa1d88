// The pictures' pixels: each tile at the sizes of 96, 144 and 192 dots per
// inch, a sinking frame, the focus frame, the hand, and everything a window
// draws before it can show both grids at 96 dots per inch.

#include <benchmark/benchmark.h>

#include "rules/pictures/Kohdistuskehys.h"
#include "rules/pictures/Ruutukuvat.h"
#include "rules/pictures/Sormikursori.h"
#include "rules/pictures/Uppoamiskuva.h"

namespace {

constexpr Kuva KUVAT[] = {Kuva::Vesi,          Kuva::Laiva, Kuva::Osuma,
                          Kuva::OsumaViimeksi, Kuva::Ohi,   Kuva::OhiViimeksi};

void Ruutukuva(benchmark::State& state) {
    const auto kuva = static_cast<Kuva>(state.range(0));
    const auto sivu = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(piirros::Ruutukuva(kuva, sivu));
}

void Uppoamiskuva(benchmark::State& state) {
    const piirros::Pikselikuva osuma = piirros::Ruutukuva(Kuva::Osuma, 25);
    const piirros::Pikselikuva vesi = piirros::Ruutukuva(Kuva::Vesi, 25);
    for (auto _ : state) benchmark::DoNotOptimize(piirros::Uppoamiskuva(osuma, vesi, 0.5));
}

void Kohdistuskehys(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(piirros::Kohdistuskehys(25));
}

void Sormikursori(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(piirros::Sormikursori());
}

void Ikkunan_kuvat(benchmark::State& state) {
    for (auto _ : state) {
        for (const Kuva kuva : KUVAT) benchmark::DoNotOptimize(piirros::Ruutukuva(kuva, 25));
        benchmark::DoNotOptimize(piirros::Kohdistuskehys(25));
        benchmark::DoNotOptimize(piirros::Sormikursori());
    }
}

}  // namespace

BENCHMARK(Ruutukuva)
    ->ArgNames({"kuva", "sivu"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {25, 38, 50}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Uppoamiskuva)->Unit(benchmark::kMicrosecond);
BENCHMARK(Kohdistuskehys)->Unit(benchmark::kMicrosecond);
BENCHMARK(Sormikursori)->Unit(benchmark::kMicrosecond);
BENCHMARK(Ikkunan_kuvat)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
