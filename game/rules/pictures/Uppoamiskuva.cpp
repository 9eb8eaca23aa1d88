#include "rules/pictures/Uppoamiskuva.h"

#include <algorithm>
#include <cmath>

namespace piirros {

Pikselikuva Uppoamiskuva(const Pikselikuva& kuva, const Pikselikuva& vesi, double vedenpinta) {
    Pikselikuva tulos = kuva;
    const int korkeus = kuva.korkeus;
    // Not a number counts as no water, like anything below 0.
    const double osuus = vedenpinta > 0.0 ? std::min(vedenpinta, 1.0) : 0.0;
    const auto pinta = static_cast<int>(std::lround(osuus * korkeus));
    const auto raja = static_cast<std::ptrdiff_t>(korkeus - pinta) * kuva.leveys;
    std::copy(vesi.pikselit.begin() + raja, vesi.pikselit.end(), tulos.pikselit.begin() + raja);
    return tulos;
}

}  // namespace piirros
