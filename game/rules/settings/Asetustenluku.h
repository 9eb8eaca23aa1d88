#pragma once

#include "rules/Pelitila.h"

// The four game settings as the settings dialog last stored them, read once
// at start. A value that is missing, or not one the dialog writes, keeps the
// value a run has always started from: the player starts every game, corners
// may touch, a ship may lie at the edge, and sinking is not animated.
void LueAsetukset(Pelitila& t);
