// Processor time the main window costs: idle with the 10 ms turn timer
// running, and while the computer takes its one-second pause. Offscreen, with
// a store of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "Ikkunamittaus.h"
#include "Testipesa.h"

namespace {

constexpr int JOUTOAIKA_MS = 10000;
constexpr int TAUKOJA = 10;

// Ships in fleet order, all with the left button: the five longest from the
// left edge on every other row, a gunboat and the submarines further right.
void SijoitaLaivasto(frmMorvak& ikkuna) {
    for (int n : {1, 21, 41, 61, 81, 8, 28, 48, 68, 88})
        QTest::mouseClick(Ruutu(ikkuna, "imgPelaaja", n), Qt::LeftButton);
}

// Share of one core, in percent, over the time measured.
void Kirjaa(benchmark::State& state, double prosessori, double seinakello) {
    state.SetIterationTime(seinakello);
    state.counters["ydin_%"] = 100.0 * prosessori / seinakello;
    state.counters["ms_sekunnissa"] = 1000.0 * prosessori / seinakello;
}

void Joutoaika(benchmark::State& state, bool ammunnassa) {
    frmMorvak ikkuna;
    ikkuna.show();
    if (ammunnassa) SijoitaLaivasto(ikkuna);
    Odota(200);
    for (auto _ : state) {
        const double alku = Prosessoriaika();
        QElapsedTimer kello;
        kello.start();
        Odota(JOUTOAIKA_MS);
        Kirjaa(state, Prosessoriaika() - alku, Sekunteina(kello));
    }
}

void BM_Joutoaika_sijoitus(benchmark::State& state) { Joutoaika(state, false); }
void BM_Joutoaika_pelaajan_vuoro(benchmark::State& state) { Joutoaika(state, true); }

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

BENCHMARK(BM_Joutoaika_sijoitus)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_pelaajan_vuoro)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Koneen_tauko)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    return AjaMittaukset(argc, argv);
}
