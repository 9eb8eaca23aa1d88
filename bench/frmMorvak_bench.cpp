// Processor time the main window costs while the computer takes its
// one-second pause, and while a sunk ship goes down; the time the statistics
// window takes to open, as full as it gets, to its first paint. Offscreen,
// with a store of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "bench/Ikkunamittaus.h"
#include "qt/Ikkunapalvelut.h"
#include "qt/Valintaikkuna.h"
#include "rules/results/frmTilastotMalli.h"
#include "tests/store/Testipesa.h"

namespace {

constexpr int TAUKOJA = 10;

// Share of one core, in percent, over the time measured.
void Kirjaa(benchmark::State& state, double prosessori, double seinakello) {
    state.SetIterationTime(seinakello);
    state.counters["ydin_%"] = 100.0 * prosessori / seinakello;
    state.counters["ms_sekunnissa"] = 1000.0 * prosessori / seinakello;
}

// Processor and wall time from a click on the computer's square until the
// game's own state says that what the click began is over.
struct Mittaus {
    double prosessori = 0;
    double seinakello = 0;
    int kertoja = 0;

    template <class Valmis>
    void Napsauta(frmMorvak& ikkuna, int ruutu, Valmis valmis) {
        const double alku = Prosessoriaika();
        QElapsedTimer kello;
        kello.start();
        QTest::mouseClick(Ruutu(ikkuna, "imgKone", ruutu), Qt::LeftButton);
        OdotaKunnes(valmis);
        prosessori += Prosessoriaika() - alku;
        seinakello += Sekunteina(kello);
        ++kertoja;
    }
};

void BM_Koneen_tauko(benchmark::State& state) {
    frmMorvak ikkuna;
    ikkuna.show();
    SijoitaLaivasto(ikkuna);
    for (auto _ : state) {
        Mittaus mittaus;
        for (int n = 1; n <= 100 && mittaus.kertoja < TAUKOJA; ++n) {
            if (ikkuna.Tila().KoneenRuudut[n] == Sana::laiva) continue;
            mittaus.Napsauta(ikkuna, n, [&] { return VuoroPalannut(ikkuna); });
        }
        Kirjaa(state, mittaus.prosessori, mittaus.seinakello);
        state.counters["taukoja"] = mittaus.kertoja;
    }
}

// The player sinks the computer's four submarines, each going down for its
// 480 ms; the computer's pause after each is not counted.
void BM_Uppoaminen(benchmark::State& state) {
    frmMorvak ikkuna;
    ikkuna.Tila().NaytetaanLaivojenUppoaminen = true;
    ikkuna.show();
    SijoitaLaivasto(ikkuna);
    for (auto _ : state) {
        Mittaus mittaus;
        for (int i = 1; i <= 4; ++i) {
            mittaus.Napsauta(ikkuna,
                             ikkuna.Tila().KoneenSukellusveneet[static_cast<std::size_t>(i)],
                             [&] { return !ikkuna.Tila().Uppoamassa; });
            OdotaKunnes([&] { return VuoroPalannut(ikkuna); });
        }
        Kirjaa(state, mittaus.prosessori, mittaus.seinakello);
        state.counters["uppoamisia"] = mittaus.kertoja;
    }
}

}  // namespace

// Fifty results and eight friends: what the window is made of and draws.
void BM_Tilastot_auki(benchmark::State& state) {
    Pelitila tila;
    for (int i = 0; i < 60; ++i) Kirjaa(tila.Tilasto, Lopputulos{"VHK"[i % 3]}, 40 + i, 20, 70);
    for (int i = 0; i < 8; ++i) Kirjaa(tila.Verkkotilasto, "Ystävä " + std::to_string(i), true);
    Ikkunapalvelut palvelut(nullptr, [](bool) {});
    for (auto _ : state) {
        QElapsedTimer kello;
        kello.start();
        frmTilastotMalli malli(tila, palvelut);
        Valintaikkuna ikkuna(malli, nullptr);
        ikkuna.show();
        if (!QTest::qWaitForWindowExposed(&ikkuna)) state.SkipWithError("the window never showed");
        state.SetIterationTime(Sekunteina(kello));
    }
}

BENCHMARK(BM_Tilastot_auki)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Uppoaminen)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Koneen_tauko)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    return AjaMittaukset(argc, argv);
}
