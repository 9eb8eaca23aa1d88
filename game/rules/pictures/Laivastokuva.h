#pragma once

#include <array>

#include "rules/pictures/Pikselikuva.h"

namespace piirros {

// A side's ten ships in fleet order on a strip of water, each square a small
// ship tile, a sunk ship's squares with the hit's cross. As wide and high as
// asked; the ships take the height, or less where the width is short.
Pikselikuva Laivastokuva(const std::array<bool, 10>& upotetut, int leveys, int korkeus);

}  // namespace piirros
