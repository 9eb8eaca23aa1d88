#pragma once

#include "rules/Piirrokset.h"

namespace piirros {

// A pixel is sampled on a grid of this many points a side, so the marks'
// edges come out smoothed by how much of the pixel they cover.
inline constexpr int NAYTTEITA_SIVULLA = 4;
inline constexpr int NAYTTEITA = NAYTTEITA_SIVULLA * NAYTTEITA_SIVULLA;

// How many of a pixel's samples fall on the mark's colour, and how many on
// the dark edge around it.
struct Peitto {
    int vari = 0;
    int reunus = 0;
};

// The mark is drawn in the 21-unit space, scaled to a picture of this side.
Peitto MerkinPeitto(Merkki merkki, int x, int y, int sivu);

}  // namespace piirros
