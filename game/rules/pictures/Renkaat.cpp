#include "rules/pictures/Renkaat.h"

#include "rules/Piirrokset.h"

namespace piirros {

namespace {

// Ring i begins i / 21 of the side in from the edge, rounded to the nearest
// pixel; no edge ever lies halfway between two.
int Reuna(int rengas, int sivu) { return (2 * rengas * sivu + YKSIKOITA) / (2 * YKSIKOITA); }

}  // namespace

std::vector<int> RenkaatReunalta(int sivu) {
    std::vector<int> renkaat(static_cast<std::size_t>(sivu), 0);
    for (int rengas = 1; rengas < RENKAITA; ++rengas) {
        for (int etaisyys = Reuna(rengas, sivu); etaisyys < sivu; ++etaisyys)
            renkaat[static_cast<std::size_t>(etaisyys)] = rengas;
    }
    return renkaat;
}

}  // namespace piirros
