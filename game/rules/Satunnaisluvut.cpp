#include "rules/Satunnaisluvut.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

constexpr std::uint64_t KULTAINEN = 0x9E3779B97F4A7C15u;

// The finaliser of splitmix64: a bijection that spreads every input bit
// over the whole word.
std::uint64_t Sekoita(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::uint64_t Nanosekunnit() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

Satunnaisluvut::Satunnaisluvut()
    : Satunnaisluvut(
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()),
          Nanosekunnit) {}

Satunnaisluvut::Satunnaisluvut(std::uint64_t siemen, Kello kello)
    : tila_(Sekoita(siemen)), kello_(std::move(kello)) {}

// A Weyl step through splitmix64: the counter part never repeats within 2^64
// draws, so a re-seed that mixes in an unchanged clock still moves on.
double Satunnaisluvut::Arvo() {
    askel_ += KULTAINEN;
    const std::uint64_t z = Sekoita(askel_ ^ tila_);
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

int Satunnaisluvut::Arvo(int n) {
    // r * n can round up to n itself when r is the largest value below 1.
    return std::min(static_cast<int>(Arvo() * n), n - 1);
}

void Satunnaisluvut::AlustaKellosta() { tila_ = Sekoita(tila_ ^ Sekoita(kello_())); }
