#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>

#include "store/Tallennustulos.h"

// The saves that found the store held by another copy of the game, in the
// order they were made. None of them waits for that copy: each is made again
// at its deadline (Peli::Ajoita), every few milliseconds, until it is made or
// five seconds after it was first tried. A save made while others still wait
// waits behind them, so the store takes them in the order the player made
// them. While none waits there is no deadline.
class Tallennusjono {
  public:
    // One try at a save, as often as it is made again.
    using Yritys = std::function<Tallennustulos()>;

    static constexpr std::chrono::milliseconds VALI{5};
    static constexpr std::chrono::milliseconds ODOTUS{5000};

    // Tried at once, unless saves made before it still wait.
    void Tallenna(std::chrono::milliseconds nyt, Yritys yritys);
    // When the first in line is due again; nothing while none waits.
    std::optional<std::chrono::milliseconds> Maaraaika() const;
    // The timer ran out: the saves in line are tried in order, when due,
    // until one still finds the store held.
    void Jatka(std::chrono::milliseconds nyt);
    bool Odottaa() const { return !jono_.empty(); }

  private:
    struct Odottava {
        Yritys yritys;
        std::chrono::milliseconds luovutus;
    };
    void Yrita(std::chrono::milliseconds nyt);

    std::deque<Odottava> jono_;
    std::chrono::milliseconds seuraava_{};
};
