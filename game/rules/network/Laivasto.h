#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Pelitila.h"
#include "rules/network/Protokolla.h"

// A fleet as the network game commits to it and reveals it: the ten ships in
// fleet order, each its squares in laying order.
using Laivasto = std::array<std::vector<int>, 10>;

// The fixed text form: ships apart by "/", squares by ",", e.g. "12,13,14,15/...".
std::string LaivastonTeksti(const Laivasto& laivasto);
// The player's own fleet as laid.
Laivasto OmaLaivasto(Pelitila& t);

// A ship's squares as they were laid: from one end, each next to the one
// before it, all one way along a row or a column.
bool Jonossa(const std::vector<int>& ruudut);

// The fleet a text names, when it is one a player could have laid under the
// rules: ships of the fleet's lengths in laying order, apart as the rules
// keep them.
std::optional<Laivasto> LueLaivasto(std::string_view teksti, bool kulmatSaavatKoskettaa,
                                    bool reunaSallittu);

// SHA-256 over the nonce and the fleet's text.
Tiiviste Sitoumus(const Kertakoodi& kertakoodi, std::string_view laivasto);

// What one of our shots was told: nothing for a miss, the squares of a
// ship it sank, or a hit.
struct Vastaus {
    int ruutu = 0;
    enum class Tulos { Ohi, Osui, Upposi } tulos = Tulos::Ohi;
    std::vector<int> uponnut;
};

// Whether every answer is the one this fleet gives, in the order the shots
// were fired.
bool VastauksetTasmaavat(const Laivasto& laivasto, const std::vector<Vastaus>& vastaukset);
