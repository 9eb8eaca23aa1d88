#pragma once

#include "rules/Nakyma.h"
#include "rules/pictures/Pikselikuva.h"

namespace piirros {

// One of the six pictures a grid square shows, drawn for the device pixels
// it covers, so that every ring stays a sharp band at any scale. Opaque.
Pikselikuva Ruutukuva(Kuva kuva, int sivu);

}  // namespace piirros
