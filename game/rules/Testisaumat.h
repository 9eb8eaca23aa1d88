#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

// What tests may set through the environment of a shipped program. A value
// that is not plainly one of these is refused and the game runs as it would
// without it, so a stray setting can never break a player's game.

// MORVAK_TAUKO_MS: the computer's pause, 0 to 600000 ms in decimal digits.
std::optional<std::chrono::milliseconds> TauonPituusSaumasta(const char* arvo);

// MORVAK_SIEMEN: a fixed seed for the random generator, in decimal digits.
std::optional<std::uint64_t> SiemenSaumasta(const char* arvo);
