#pragma once

#include "rules/Nakyma.h"
#include "rules/pictures/Pikselikuva.h"

// The six template pictures a grid square copies, each drawn for the pixels
// it will cover at the window's density. The picture lives as long as the
// program.
const piirros::Pikselikuva& Mallikuva(Kuva kuva, int koko);

// A frame of a square sinking: the picture `kuva` with the water over the
// share `vedenpinta` of its height.
piirros::Pikselikuva Uppoamiskuva(Kuva kuva, double vedenpinta, int koko);
