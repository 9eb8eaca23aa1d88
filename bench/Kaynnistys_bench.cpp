// The start of the program: from the process's start to the first frame the
// main window paints, and the memory it holds then. Each start is a new
// process of this program, which starts the game as main() does. The platform
// is QT_QPA_PLATFORM's (offscreen when unset); run under xvfb-run with
// QT_QPA_PLATFORM=xcb for a real X server.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "Ikkunamittaus.h"
#include "Testipesa.h"

extern char** environ;

namespace {

constexpr const char* LAPSI = "--ensimmainen-kuva";

std::int64_t Nyt() {
    timespec aika{};
    clock_gettime(CLOCK_MONOTONIC, &aika);
    return std::int64_t{aika.tv_sec} * 1000000000 + aika.tv_nsec;
}

long ResidenttiKib() {
    std::ifstream tila("/proc/self/status");
    for (std::string rivi; std::getline(tila, rivi);) {
        if (rivi.rfind("VmRSS:", 0) == 0) return std::stol(rivi.substr(6));
    }
    return -1;
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
int EnsimmainenKuva(int argc, char** argv) {
    const std::int64_t alku = std::stoll(argv[2]);
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
    char ohjelma[4096] = {};
    if (readlink("/proc/self/exe", ohjelma, sizeof ohjelma - 1) < 0) {
        state.SkipWithError("no path to this program");
        return;
    }
    double rss = 0;
    for (auto _ : state) {
        int putki[2];
        if (pipe(putki) != 0) return;
        posix_spawn_file_actions_t toimet;
        posix_spawn_file_actions_init(&toimet);
        posix_spawn_file_actions_adddup2(&toimet, putki[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&toimet, putki[0]);
        std::string alku = std::to_string(Nyt());
        char lapsi[] = "--ensimmainen-kuva";
        char* argumentit[] = {ohjelma, lapsi, alku.data(), nullptr};
        pid_t pid = 0;
        posix_spawn(&pid, ohjelma, &toimet, nullptr, argumentit, environ);
        posix_spawn_file_actions_destroy(&toimet);
        close(putki[1]);
        char rivi[64] = {};
        const ssize_t luettu = read(putki[0], rivi, sizeof rivi - 1);
        close(putki[0]);
        waitpid(pid, nullptr, 0);
        double ms = 0;
        long kib = 0;
        if (luettu <= 0 || std::sscanf(rivi, "%lf %ld", &ms, &kib) != 2) {
            state.SkipWithError("the child painted nothing");
            return;
        }
        state.SetIterationTime(ms / 1000);
        rss = static_cast<double>(kib) / 1024;
    }
    state.counters["resident_MiB"] = rss;
}

}  // namespace

BENCHMARK(BM_Ensimmainen_kuva)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    if (argc == 3 && std::string(argv[1]) == LAPSI) return EnsimmainenKuva(argc, argv);
    return AjaMittaukset(argc, argv);
}
