// An idle main window: how often the process wakes up and how much processor
// time it takes while the player is placing, while the player is to shoot,
// and after a game won and a game lost. Offscreen (or the platform of
// QT_QPA_PLATFORM), with a store of its own. The only wake-up an idle game
// should show is the one that ends each measurement.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "Ikkunamittaus.h"
#include "Testipesa.h"

namespace {

constexpr int JOUTOAIKA_MS = 15000;

enum class Vaihe { Sijoitus, PelaajanVuoro, Voitettu, Havitty };

void Valmistele(frmMorvak& ikkuna, Vaihe vaihe) {
    switch (vaihe) {
        case Vaihe::Sijoitus:
            break;
        case Vaihe::PelaajanVuoro:
            SijoitaLaivasto(ikkuna);
            break;
        case Vaihe::Voitettu:
        case Vaihe::Havitty:
            PelaaLoppuun(ikkuna, vaihe == Vaihe::Voitettu);
            break;
    }
}

void Joutoaika(benchmark::State& state, Vaihe vaihe) {
    frmMorvak ikkuna;
    ikkuna.show();
    Valmistele(ikkuna, vaihe);
    Odota(500);
    for (auto _ : state) {
        const double prosessoriAlussa = Prosessoriaika();
        const long herataAlussa = Kontekstinvaihdot();
        QElapsedTimer kello;
        kello.start();
        Odota(JOUTOAIKA_MS);
        const double sekunnit = Sekunteina(kello);
        state.SetIterationTime(sekunnit);
        state.counters["heratyksia_s"] =
            static_cast<double>(Kontekstinvaihdot() - herataAlussa) / sekunnit;
        state.counters["ydin_%"] = 100.0 * (Prosessoriaika() - prosessoriAlussa) / sekunnit;
    }
}

void BM_Joutoaika_sijoitus(benchmark::State& state) { Joutoaika(state, Vaihe::Sijoitus); }
void BM_Joutoaika_pelaajan_vuoro(benchmark::State& state) {
    Joutoaika(state, Vaihe::PelaajanVuoro);
}
void BM_Joutoaika_voitettu(benchmark::State& state) { Joutoaika(state, Vaihe::Voitettu); }
void BM_Joutoaika_havitty(benchmark::State& state) { Joutoaika(state, Vaihe::Havitty); }

}  // namespace

BENCHMARK(BM_Joutoaika_sijoitus)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_pelaajan_vuoro)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_voitettu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_havitty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    return AjaMittaukset(argc, argv);
}
