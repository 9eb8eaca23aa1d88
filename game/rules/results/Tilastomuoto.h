#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/results/Tilastot.h"

// The statistics as they are stored under the game's key: one line of
// plain ASCII per kind, its version first, short enough for any value the
// store reads back. A friend's name is kept byte for byte, every byte that
// is not a printable ASCII letter written as %XX.
inline constexpr const char* TILASTOT = "Tilastot";
inline constexpr const char* VERKKOTILASTOT = "Verkkotilastot";
// "True" while the player keeps statistics; missing, they are not kept.
inline constexpr const char* PIDA_TILASTOA = "PidaTilastoa";

std::string Tilastoteksti(const Tilastot& tilastot);
std::string Verkkoteksti(const Verkkotilastot& tilastot);

// What the text holds, or nothing for a text of another version, a damaged
// one, or one no game of this program could have written.
std::optional<Tilastot> LueTilastoteksti(std::string_view teksti);
std::optional<Verkkotilastot> LueVerkkoteksti(std::string_view teksti);
