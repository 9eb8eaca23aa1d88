#pragma once

#include <string>
#include <vector>

#include "rules/Pelitila.h"

// What must hold of the game state between two events whatever the player did,
// each broken rule as one line of text.
std::vector<std::string> Tilarikkeet(Pelitila& t);

// The phase the flags and counters make, one of the rows of the game's phase
// table; "?" when they make none. The computer's turn only exists inside its
// pause.
std::string Vaihe(const Pelitila& t);
