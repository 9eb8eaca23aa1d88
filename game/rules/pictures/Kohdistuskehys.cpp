#include "rules/pictures/Kohdistuskehys.h"

#include <array>
#include <vector>

#include "rules/pictures/Renkaat.h"

namespace piirros {

namespace {

constexpr std::array<Pikseli, 3> KEHYS{Peittava(0x000000), Peittava(0xFFFFFF), Peittava(0xFFFFFF)};

}  // namespace

Pikselikuva Kohdistuskehys(int sivu) {
    const std::vector<int> renkaat = RenkaatReunalta(sivu);
    Pikselikuva tulos(sivu, sivu);
    for (int y = 0; y < sivu; ++y) {
        for (int x = 0; x < sivu; ++x) {
            const auto rengas =
                static_cast<std::size_t>(renkaat[static_cast<std::size_t>(Reunalta(x, y, sivu))]);
            if (rengas < KEHYS.size()) tulos(x, y) = KEHYS[rengas];
        }
    }
    return tulos;
}

}  // namespace piirros
