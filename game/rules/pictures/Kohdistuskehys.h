#pragma once

#include "rules/pictures/Pikselikuva.h"

namespace piirros {

// The frame around a grid's focus square, laid over its tile: the tile's
// three outer rings, a dark line against light tiles and a light band against
// dark ones, and see-through inside, so the colour at the tile's centre stays
// in sight. Its edges fall on the tile's own ring edges.
Pikselikuva Kohdistuskehys(int sivu);

}  // namespace piirros
