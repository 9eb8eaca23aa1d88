#include "rules/firing/Uppoamiskayra.h"

#include <cmath>

double Vedenpinta(std::chrono::milliseconds kulunut) {
    if (kulunut <= std::chrono::milliseconds::zero() || kulunut >= UPPOAMISEN_KESTO) return 0.0;
    const double osuus = static_cast<double>(kulunut.count()) / UPPOAMISEN_KESTO.count();
    return 1.0 - std::abs(2.0 * osuus - 1.0);
}
