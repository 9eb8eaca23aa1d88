// Processor time the main window costs while the computer takes its
// one-second pause. Offscreen, with a store of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "bench/Ikkunamittaus.h"
#include "tests/store/Testipesa.h"

namespace {

constexpr int TAUKOJA = 10;

// Share of one core, in percent, over the time measured.
void Kirjaa(benchmark::State& state, double prosessori, double seinakello) {
    state.SetIterationTime(seinakello);
    state.counters["ydin_%"] = 100.0 * prosessori / seinakello;
    state.counters["ms_sekunnissa"] = 1000.0 * prosessori / seinakello;
}

// Each shot of the player is followed by the computer's whole turn, pause
// included, before the click returns.
void BM_Koneen_tauko(benchmark::State& state) {
    frmMorvak ikkuna;
    ikkuna.show();
    SijoitaLaivasto(ikkuna);
    for (auto _ : state) {
        double prosessori = 0;
        double seinakello = 0;
        int ammuttu = 0;
        for (int n = 1; n <= 100 && ammuttu < TAUKOJA; ++n) {
            if (ikkuna.Tila().KoneenRuudut[n] == Sana::laiva) continue;
            const double alku = Prosessoriaika();
            QElapsedTimer kello;
            kello.start();
            QTest::mouseClick(Ruutu(ikkuna, "imgKone", n), Qt::LeftButton);
            prosessori += Prosessoriaika() - alku;
            seinakello += Sekunteina(kello);
            ++ammuttu;
        }
        Kirjaa(state, prosessori, seinakello);
        state.counters["taukoja"] = ammuttu;
    }
}

}  // namespace

BENCHMARK(BM_Koneen_tauko)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    return AjaMittaukset(argc, argv);
}
