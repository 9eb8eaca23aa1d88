#pragma once

// The sounds the rules can ask for: a shot in the water, a hit, a ship sunk,
// and the words of a won and a lost game.
enum class Aani { Ohi, Osuma, Uppoaminen, Voitto, Tappio };
