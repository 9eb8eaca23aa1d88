#pragma once

#include <cstdint>
#include <functional>

// The program's one random generator. Re-seeding mixes the clock into the
// running state, so a coarse clock never makes two attempts draw alike.
class Satunnaisluvut {
  public:
    using Kello = std::function<std::uint64_t()>;

    // Seeded from the system clock.
    Satunnaisluvut();
    // Tests give a seed and a clock of their own for repeatable draws.
    Satunnaisluvut(std::uint64_t siemen, Kello kello);

    // Uniform 0 <= r < 1.
    double Arvo();
    // floor(r * n): an integer 0..n-1.
    int Arvo(int n);
    void AlustaKellosta();

  private:
    std::uint64_t tila_;       // the key the clock is mixed into
    std::uint64_t askel_ = 0;  // advances by one step per draw, never reset
    Kello kello_;
};
