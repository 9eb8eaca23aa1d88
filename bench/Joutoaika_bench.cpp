// An idle main window: how often the process wakes up, how much processor
// time it takes and how much memory it holds while the player is placing,
// while the player is to shoot, after a game won and a game lost, while it
// waits for a friend in a network game and while its player is to shoot in
// one. Each phase runs in a process of its own, started as main() starts the
// game, against a store of its own; once the phase is reached it only waits
// on its event loop, and this process reads its counters from /proc over 15
// seconds. The friend of a network game is another such process, started by
// the one measured, on the loopback. Offscreen, or the platform of
// QT_QPA_PLATFORM.

#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "bench/Ikkunamittaus.h"
#include "bench/Itselapsi.h"
#include "bench/Muisti.h"
#include "bench/Verkkoikkunat.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Hiirella.h"

namespace {

constexpr const char* LAPSI = "--joutoaika";
constexpr auto JOUTOAIKA = std::chrono::seconds(15);

// The friend that joins the measured window's game: it says at once that it
// runs, so that its starter goes on, and goes with its starter. Whoever
// starts, the measured window is to shoot once this has shot or not.
void Vastustajana(frmMorvak& ikkuna) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::puts("alkoi");
    std::fflush(stdout);
    Liittymaan(ikkuna, "127.0.0.1");
    SijoitaKunVoi(ikkuna);
    OdotaKunnes([&] { return ikkuna.Tila().AmmuntaKaynnissa; });
    if (Ampuu(ikkuna)) Napsauta(ikkuna.Malli(), Puoli::Kone, *Maali(ikkuna));
}

// A network game begun with the friend the window itself starts, up to its
// player's first turn; false when it was not reached.
bool VerkkopelinVuoroon(frmMorvak& ikkuna) {
    Odottamaan(ikkuna);
    const auto ystava = KaynnistaItse({LAPSI, "vastustaja"});
    if (!ystava || ystava->tuloste.empty()) return false;
    SijoitaKunVoi(ikkuna);
    OdotaKunnes([&] { return Ampuu(ikkuna); });
    Odota(500);
    return Ampuu(ikkuna);
}

// Waiting for a friend: listening, nothing to lay or shoot yet.
bool OdottamaanVastustajaa(frmMorvak& ikkuna) {
    Odottamaan(ikkuna);
    Odota(500);
    const Pelitila& t = ikkuna.Tila();
    return !t.SijoitusKaynnissa && !t.AmmuntaKaynnissa;
}

// A phase of a game against the computer; false when it was not reached.
bool KonettaVastaan(frmMorvak& ikkuna, const std::string& vaihe) {
    if (vaihe == "vuoro") SijoitaLaivasto(ikkuna);
    if (vaihe == "voitettu" || vaihe == "havitty") PelaaLoppuun(ikkuna, vaihe == "voitettu");
    Odota(500);
    const Pelitila& t = ikkuna.Tila();
    const bool loppui = t.PelaajanOsumat == 20 || t.KoneenOsumat == 20;
    return (vaihe == "voitettu" || vaihe == "havitty") == loppui &&
           t.PeliKaynnissa == (vaihe == "vuoro");
}

// The child: reaches the phase, says so, and waits for nothing.
int Joutokaynti(int argc, char** argv) {
    const std::string vaihe = argv[2];
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);
    frmMorvak ikkuna;
    ikkuna.show();
    if (vaihe == "vastustaja" || vaihe == "odottaa" || vaihe == "verkkovuoro") KuittaaIlmoitukset();
    if (vaihe == "vastustaja") {
        Vastustajana(ikkuna);
        return QApplication::exec();
    }
    const bool saavutettu = vaihe == "odottaa"       ? OdottamaanVastustajaa(ikkuna)
                            : vaihe == "verkkovuoro" ? VerkkopelinVuoroon(ikkuna)
                                                     : KonettaVastaan(ikkuna, vaihe);
    if (!saavutettu) return 1;
    std::puts("valmis");
    std::fflush(stdout);
    return QApplication::exec();
}

// Context switches of every thread of the process: each is a time it woke
// up or was put aside.
long Heratykset(pid_t pid) {
    long yhteensa = 0;
    const std::filesystem::path saikeet = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& saie : std::filesystem::directory_iterator(saikeet)) {
        std::ifstream tila(saie.path() / "status");
        for (std::string rivi; std::getline(tila, rivi);) {
            const auto kohta = rivi.find("ctxt_switches:");
            if (kohta != std::string::npos) yhteensa += std::stol(rivi.substr(kohta + 14));
        }
    }
    return yhteensa;
}

// User and system time of the process, in clock ticks.
long Prosessoritikit(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string rivi;
    std::getline(stat, rivi);
    std::istringstream kentat(rivi.substr(rivi.rfind(')') + 2));
    std::string kentta;
    long tikit = 0;
    for (int i = 3; i <= 15 && kentat >> kentta; ++i) {
        if (i == 14 || i == 15) tikit += std::stol(kentta);
    }
    return tikit;
}

void Joutoaika(benchmark::State& state, const char* vaihe) {
    for (auto _ : state) {
        const auto lapsi = KaynnistaItse({LAPSI, vaihe});
        if (!lapsi || lapsi->tuloste.empty()) {
            if (lapsi) waitpid(lapsi->pid, nullptr, 0);
            state.SkipWithError("the child did not reach its phase");
            return;
        }
        const pid_t pid = lapsi->pid;
        const long herataAlussa = Heratykset(pid);
        const long tikitAlussa = Prosessoritikit(pid);
        std::this_thread::sleep_for(JOUTOAIKA);
        const long heratyksia = Heratykset(pid) - herataAlussa;
        const long tikkeja = Prosessoritikit(pid) - tikitAlussa;
        const long kib = ResidenttiKib(std::to_string(pid));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const double sekunnit = std::chrono::duration<double>(JOUTOAIKA).count();
        state.SetIterationTime(sekunnit);
        state.counters["heratyksia_s"] = static_cast<double>(heratyksia) / sekunnit;
        state.counters["ydin_%"] = 100.0 * static_cast<double>(tikkeja) /
                                   static_cast<double>(sysconf(_SC_CLK_TCK)) / sekunnit;
        state.counters["resident_MiB"] = static_cast<double>(kib) / 1024;
    }
}

void BM_Joutoaika_sijoitus(benchmark::State& state) { Joutoaika(state, "sijoitus"); }
void BM_Joutoaika_pelaajan_vuoro(benchmark::State& state) { Joutoaika(state, "vuoro"); }
void BM_Joutoaika_voitettu(benchmark::State& state) { Joutoaika(state, "voitettu"); }
void BM_Joutoaika_havitty(benchmark::State& state) { Joutoaika(state, "havitty"); }
void BM_Joutoaika_verkko_odottaa(benchmark::State& state) { Joutoaika(state, "odottaa"); }
void BM_Joutoaika_verkko_vuoro(benchmark::State& state) { Joutoaika(state, "verkkovuoro"); }

}  // namespace

BENCHMARK(BM_Joutoaika_sijoitus)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_pelaajan_vuoro)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_voitettu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_havitty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_verkko_odottaa)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Joutoaika_verkko_vuoro)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Testipesa pesa;
    if (argc == 3 && std::string(argv[1]) == LAPSI) return Joutokaynti(argc, argv);
    VerkkoSilmukkaan();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
