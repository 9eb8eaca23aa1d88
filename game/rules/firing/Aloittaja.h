#pragma once

#include "rules/Pelitila.h"
#include "rules/Satunnaisluvut.h"

// Who shoots first in the game whose firing opens now, by the start mode of
// the settings and what the run remembers of its earlier games.
Puoli ValitseAloittaja(const Pelitila& t, Satunnaisluvut& arpa);
