#include "platform/registry/lukonodotus.h"

#include <atomic>
#include <thread>

namespace lukonodotus {
namespace {

using Kello = std::chrono::steady_clock;

constexpr auto ODOTUS = std::chrono::milliseconds(5000);
constexpr auto TORKKU = std::chrono::milliseconds(5);

void Nuku(std::chrono::milliseconds kesto) { std::this_thread::sleep_for(kesto); }

std::atomic<Torkku> torkku = Nuku;

// When the last wait ran out; zero while none has. A thread that takes the lock
// clears it while another may be waiting.
std::atomic<Kello::rep> odotusLoppui = 0;
thread_local Kello::time_point alku;
thread_local bool torkkuu = false;

}  // namespace

void AsetaTorkku(Torkku uusi) { torkku = uusi != nullptr ? uusi : Nuku; }

bool Odota(int kerta) {
    if (torkkuu) return false;
    const auto nyt = Kello::now();
    const Kello::rep loppui = odotusLoppui;
    if (loppui != 0 && nyt - Kello::time_point(Kello::duration(loppui)) < ODOTUS) return false;
    if (kerta == 0) alku = nyt;
    if (nyt - alku >= ODOTUS) {
        odotusLoppui = nyt.time_since_epoch().count();
        return false;
    }
    torkkuu = true;
    torkku.load()(TORKKU);
    torkkuu = false;
    return true;
}

bool Torkkuu() { return torkkuu; }

void Saatu() { odotusLoppui = 0; }

}  // namespace lukonodotus
