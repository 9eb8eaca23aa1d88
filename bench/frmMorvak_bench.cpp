// Processor time the main window costs while the computer takes its
// one-second pause, and while a sunk ship goes down. Offscreen, with a store
// of its own.

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

// A submarine fills one square: no square of a ship beside it.
bool Sukellusvene(const Pelitila& t, int n) {
    const auto laiva = [&](int m) {
        return m >= 1 && m <= 100 && t.KoneenRuudut[m] == Sana::laiva;
    };
    const bool vasen = n % 10 != 1 && laiva(n - 1), oikea = n % 10 != 0 && laiva(n + 1);
    return laiva(n) && !vasen && !oikea && !laiva(n - 10) && !laiva(n + 10);
}

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
            OdotaKunnes([&] { return VuoroPalannut(ikkuna); });
            prosessori += Prosessoriaika() - alku;
            seinakello += Sekunteina(kello);
            ++ammuttu;
        }
        Kirjaa(state, prosessori, seinakello);
        state.counters["taukoja"] = ammuttu;
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
        double prosessori = 0;
        double seinakello = 0;
        int upotettu = 0;
        for (int n = 1; n <= 100; ++n) {
            if (!Sukellusvene(ikkuna.Tila(), n)) continue;
            const double alku = Prosessoriaika();
            QElapsedTimer kello;
            kello.start();
            QTest::mouseClick(Ruutu(ikkuna, "imgKone", n), Qt::LeftButton);
            OdotaKunnes([&] { return !ikkuna.Tila().Uppoamassa; });
            prosessori += Prosessoriaika() - alku;
            seinakello += Sekunteina(kello);
            ++upotettu;
            OdotaKunnes([&] { return VuoroPalannut(ikkuna); });
        }
        Kirjaa(state, prosessori, seinakello);
        state.counters["uppoamisia"] = upotettu;
    }
}

}  // namespace

BENCHMARK(BM_Uppoaminen)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Koneen_tauko)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    return AjaMittaukset(argc, argv);
}
