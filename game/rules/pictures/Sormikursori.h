#pragma once

#include "rules/pictures/Pikselikuva.h"

namespace piirros {

struct Kursorikuva {
    Pikselikuva kuva;
    // The pixel that points.
    int karkiX = 0;
    int karkiY = 0;
};

// The pointing hand over whatever can be clicked: 32 x 32, black and white
// on see-through.
Kursorikuva Sormikursori();

}  // namespace piirros
