#pragma once

#include <array>
#include <string>

#include "rules/Pelitila.h"

// The side's ten ships in fleet order (4, 3, 3, 2, 2, 2, 1, 1, 1, 1), true
// for each one sunk. Within a size the sunk ones come first, whichever of
// them went down: the opponent's ships are told only by size.
using Upotetut = std::array<bool, 10>;
Upotetut Uponneet(Pelitila& t, Puoli puoli);

// What the side has left afloat, for assistive technology: "Vastustajalla
// jäljellä: lentotukialus, risteilijä, 3 tykkivenettä, 2 sukellusvenettä".
std::string Katsaus(Puoli puoli, const Upotetut& upotetut);
