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
thread_local Kello::time_point alku;

}  // namespace

void AsetaTorkku(Torkku uusi) { torkku = uusi != nullptr ? uusi : Nuku; }

bool Odota(int kerta) {
    const auto nyt = Kello::now();
    if (kerta == 0) alku = nyt;
    if (nyt - alku >= ODOTUS) return false;
    torkku.load()(TORKKU);
    return true;
}

}  // namespace lukonodotus
