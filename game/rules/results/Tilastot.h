#pragma once

#include <array>
#include <string>
#include <vector>

// How one game against the computer ended for the player, as the strip of
// the last games stores it. A game left while firing was under way (a new
// game, a network game or quitting) is neither won nor lost.
enum class Lopputulos : char { Voitto = 'V', Tappio = 'H', Kesken = 'K' };

// The player's games against the computer, counted from the first game whose
// firing opened. Every count stops at RAJA rather than overflow.
struct Tilastot {
    static constexpr int RAJA = 999'999'999;
    static constexpr std::size_t VIIMEISIA = 50;

    int pelatut = 0;
    int voitot = 0;
    int tappiot = 0;
    int laukaukset = 0;  // the player's shots in every game counted
    int osumat = 0;
    int vahimmat = 0;  // the fewest shots of a won game; 0 before the first
    // The computer's shots in the games it won, as many as tappiot.
    int koneenLaukaukset = 0;
    // Won games by their shots: 20-29, 30-39, ... 90-99, 100.
    std::array<int, 9> jakauma{};
    std::string viimeiset;  // the last results, oldest first, at most VIIMEISIA

    bool operator==(const Tilastot&) const = default;
};

void Kirjaa(Tilastot& tilastot, Lopputulos tulos, int laukaukset, int osumat, int koneenLaukaukset);

// Games against friends over the network, by the name each friend gave:
// never mixed with the computer's. The friend of the latest game first.
struct Ystavatilasto {
    std::string nimi;
    int pelatut = 0;
    int voitot = 0;
    bool operator==(const Ystavatilasto&) const = default;
};
using Verkkotilastot = std::vector<Ystavatilasto>;
inline constexpr std::size_t YSTAVIA = 8;

void Kirjaa(Verkkotilastot& tilastot, const std::string& nimi, bool voitti);
