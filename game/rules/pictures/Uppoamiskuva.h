#pragma once

#include "rules/pictures/Pikselikuva.h"

namespace piirros {

// A frame of a square sinking: `kuva` with the water picture's own lower rows
// over the share `vedenpinta` (0..1) of its height. The water line falls on a
// whole pixel and no row is blended, so the frame is as sharp as the two
// pictures, which are of one size.
Pikselikuva Uppoamiskuva(const Pikselikuva& kuva, const Pikselikuva& vesi, double vedenpinta);

}  // namespace piirros
