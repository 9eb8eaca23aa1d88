// The start of the program: from the process's start to the first frame the
// main window paints, and the memory it holds then, with the fleet band and
// the statistics off as a first start finds them, and with both on and the
// statistics as full as they are kept. Each start is a new
// process of this program, which starts the game as main() does. The platform
// is QT_QPA_PLATFORM's (offscreen when unset); run under xvfb-run with
// QT_QPA_PLATFORM=xcb for a real X server.

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <string>

#include "bench/Ikkunamittaus.h"
#include "bench/Itselapsi.h"
#include "bench/Muisti.h"
#include "rules/results/Tilastomuoto.h"
#include "store/Asetusarvot.h"
#include "tests/store/Testipesa.h"

namespace {

constexpr const char* LAPSI = "--ensimmainen-kuva";

std::int64_t Nyt() {
    timespec aika{};
    clock_gettime(CLOCK_MONOTONIC, &aika);
    return std::int64_t{aika.tv_sec} * 1000000000 + aika.tv_nsec;
}

// Tells when the window has painted for the first time.
class Maalausvahti : public QObject {
  public:
    bool maalattu = false;

  protected:
    bool eventFilter(QObject* kohde, QEvent* tapahtuma) override {
        if (tapahtuma->type() == QEvent::Paint) maalattu = true;
        return QObject::eventFilter(kohde, tapahtuma);
    }
};

// The child: the game's main() up to its first painted frame; prints the
// milliseconds since the parent started it and the resident kibibytes.
// The band shown and statistics kept, fifty games and eight friends stored.
void Taydet() {
    Tallenna("NaytaLaivastot", "True");
    Tallenna(PIDA_TILASTOA, "True");
    Tilastot tilastot;
    for (int i = 0; i < 60; ++i) Kirjaa(tilastot, Lopputulos{"VHK"[i % 3]}, 40 + i, 20, 70);
    Tallenna(TILASTOT, Tilastoteksti(tilastot));
    Verkkotilastot ystavat;
    for (int i = 0; i < 8; ++i) Kirjaa(ystavat, "Ystävä " + std::to_string(i), i % 2 == 0);
    Tallenna(VERKKOTILASTOT, Verkkoteksti(ystavat));
}

int EnsimmainenKuva(int argc, char** argv) {
    const std::int64_t alku = std::stoll(argv[2]);
    if (std::string(argv[3]) == "paalla") Taydet();
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    frmMorvak ikkuna;
    Maalausvahti vahti;
    ikkuna.installEventFilter(&vahti);
    ikkuna.show();
    while (!vahti.maalattu) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = static_cast<double>(Nyt() - alku) / 1e6;
    std::printf("%.3f %ld\n", ms, ResidenttiKib());
    return 0;
}

void BM_Ensimmainen_kuva(benchmark::State& state) {
    double rss = 0;
    for (auto _ : state) {
        const auto lapsi =
            KaynnistaItse({LAPSI, std::to_string(Nyt()), state.range(0) ? "paalla" : "pois"});
        if (lapsi) waitpid(lapsi->pid, nullptr, 0);
        double ms = 0;
        long kib = 0;
        if (!lapsi || std::sscanf(lapsi->tuloste.c_str(), "%lf %ld", &ms, &kib) != 2) {
            state.SkipWithError("the child painted nothing");
            return;
        }
        state.SetIterationTime(ms / 1000);
        rss = static_cast<double>(kib) / 1024;
    }
    state.counters["resident_MiB"] = rss;
}

}  // namespace

BENCHMARK(BM_Ensimmainen_kuva)
    ->ArgName("laivastot_ja_tilastot")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    if (argc == 4 && std::string(argv[1]) == LAPSI) return EnsimmainenKuva(argc, argv);
    return AjaMittaukset(argc, argv);
}
