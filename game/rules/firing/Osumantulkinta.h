#pragma once

#include "rules/Pelitila.h"

class Peli;

enum class Tulkinta { Osui, Upposi, Virhe };

// Both sides' hits: finds the ship of `puoli` that holds square R and, when
// this hit completed it, sinks it square by square in record order. A hit
// in no ship's record is told to the player as the one error of the game.
Tulkinta TulkitseOsuma(Peli& peli, Pelitila& t, Puoli puoli, int R);
