#pragma once

#include <algorithm>
#include <vector>

namespace piirros {

// Which of a square's one-unit rings each pixel of a square picture with
// this side falls in, by its distance from the nearest edge: 0 the border,
// up to 10 the centre. Ring edges fall on whole pixels, so no ring is
// smeared into its neighbour; where a small picture has fewer pixels than
// rings, the inner ring wins.
std::vector<int> RenkaatReunalta(int sivu);

inline int Reunalta(int x, int y, int sivu) { return std::min({x, y, sivu - 1 - x, sivu - 1 - y}); }

}  // namespace piirros
