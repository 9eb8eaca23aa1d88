#pragma once

#include "rules/Pelitila.h"

// Whether a ship of this length still finds a straight run of water squares
// somewhere on the grid, within one row or one column. The player's clicks
// can lay a ship on any such run, so none at all means the fleet is stuck.
bool Mahtuu(const Ruudukko& ruudut, int pituus);
