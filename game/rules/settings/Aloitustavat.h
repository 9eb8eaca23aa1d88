#pragma once

#include <array>

// Who shoots first, as the settings store it. No mode at all, the state of a
// run that never chose one, lets the player start every game.
namespace aloitustapa {

// The starter alternates from game to game, the player first.
inline constexpr const char* VUOROALOITUS = "Vuoroaloitus";
// The starter is drawn as firing opens.
inline constexpr const char* ARVOTAAN = "Aloittaja arvotaan";
// The winner of the run's last finished game starts.
inline constexpr const char* VOITTAJA = "Edellisen pelin voittanut";

// In the order of the settings dialog's options.
inline constexpr std::array<const char*, 3> KAIKKI{VUOROALOITUS, ARVOTAAN, VOITTAJA};

}  // namespace aloitustapa
