#pragma once

#include <array>
#include <string_view>

#include "rules/pictures/Pikselikuva.h"

namespace piirros {

inline constexpr Vari VALKOINEN = 0xFFFFFF;
inline constexpr Vari VOITON_VARI = 0x2E8B3A;
inline constexpr Vari KESKEN_VARI = 0xA0A0A0;

// Won games by their shots, 20-29 up to 100, as bars in the water's darkest
// blue on white inside a dark frame; the most common as high as the room.
Pikselikuva Jakaumakuva(const std::array<int, 9>& jakauma, int leveys, int korkeus);

// The last fifty games oldest first, a cell each inside a dark frame: a win
// green, a loss red, a game left grey, no game yet white.
Pikselikuva Viimeisetkuva(std::string_view viimeiset, int leveys, int korkeus);

}  // namespace piirros
