// The store's cost on this machine: one read, one durable write, the 22
// reads of a program start (the two view options and the best-results list),
// and the saves the player waits for after OK: a name into the list, and the
// four settings.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "rules/results/ParhaidenLista.h"
#include "store/Asetusarvot.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"

namespace {

// A hive holding everything a played game leaves behind.
void Tayta() {
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaPainikkeet", REG_SZ, "True");
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "NaytaMahdottomatLaivaruudut", REG_SZ,
                        "False");
    ParhaatTulokset lista;
    lista.UusiParasPelaaja.fill("Väinö Välimäki");
    lista.UusiParasTulos.fill(12);
    TallennaParhaatTulokset(lista);
}

void Kaynnistys() {
    benchmark::DoNotOptimize(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaPainikkeet"));
    benchmark::DoNotOptimize(
        LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaMahdottomatLaivaruudut"));
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    benchmark::DoNotOptimize(lista);
}

void BM_LueRekisterista(benchmark::State& tila) {
    const Testipesa pesa;
    Tayta();
    for (auto _ : tila) {
        benchmark::DoNotOptimize(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "NaytaPainikkeet"));
    }
}

void BM_KirjoitaRekisteriin(benchmark::State& tila) {
    const Testipesa pesa;
    Tayta();
    bool arvo = false;
    for (auto _ : tila) {
        arvo = !arvo;
        benchmark::DoNotOptimize(KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS,
                                                     "NaytaPainikkeet", REG_SZ,
                                                     arvo ? "True" : "False"));
    }
}

void BM_KaynnistyksenLuvut(benchmark::State& tila) {
    const Testipesa pesa;
    Tayta();
    for (auto _ : tila) Kaynnistys();
}

// As at a real start, the first read opens the hive: two equal hives are
// read in turn, so every round opens one afresh.
void BM_KaynnistyksenLuvutKylmana(benchmark::State& tila) {
    const Testipesa toinen;
    Tayta();
    const std::string toisenKansio = toinen.Kansio().string();
    const Testipesa pesa;
    Tayta();
    const std::string kansio = pesa.Kansio().string();
    bool vuoro = false;
    for (auto _ : tila) {
        vuoro = !vuoro;
        setenv("XDG_CONFIG_HOME", (vuoro ? toisenKansio : kansio).c_str(), 1);
        Kaynnistys();
    }
}

// Every round's streak beats the whole list, so each one saves a new first
// place.
void BM_LisaaListalle(benchmark::State& tila) {
    const Testipesa pesa;
    Tayta();
    ParhaatTulokset lista;
    LataaParhaatTulokset(lista);
    int putki = 12;
    for (auto _ : tila) LisaaListalle(lista, "Väinö Välimäki", ++putki);
}

void BM_TallennaAsetukset(benchmark::State& tila) {
    const Testipesa pesa;
    Tayta();
    bool arvo = false;
    for (auto _ : tila) {
        arvo = !arvo;
        benchmark::DoNotOptimize(TallennaAsetukset("Aloittaja arvotaan", arvo, !arvo, arvo));
    }
}

BENCHMARK(BM_LueRekisterista)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_KirjoitaRekisteriin)->Repetitions(9)->ReportAggregatesOnly(true)->Iterations(50);
BENCHMARK(BM_KaynnistyksenLuvut)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_KaynnistyksenLuvutKylmana)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LisaaListalle)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TallennaAsetukset)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
