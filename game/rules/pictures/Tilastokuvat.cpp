#include "rules/pictures/Tilastokuvat.h"

#include <algorithm>

namespace piirros {

namespace {

constexpr int SOLUJA = 50;

void Tayta(Pikselikuva& kuva, int x0, int y0, int x1, int y1, Vari vari) {
    for (int y = std::max(y0, 0); y < std::min(y1, kuva.korkeus); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, kuva.leveys); ++x)
            kuva(x, y) = Peittava(vari);
    }
}

Pikselikuva Kehystetty(int leveys, int korkeus) {
    Pikselikuva kuva(leveys, korkeus, Peittava(REUNUS));
    Tayta(kuva, 1, 1, leveys - 1, korkeus - 1, VALKOINEN);
    return kuva;
}

Vari Tuloksen(char tulos) {
    if (tulos == 'V') return VOITON_VARI;
    return tulos == 'H' ? PUNAINEN : KESKEN_VARI;
}

}  // namespace

Pikselikuva Jakaumakuva(const std::array<int, 9>& jakauma, int leveys, int korkeus) {
    Pikselikuva kuva = Kehystetty(leveys, korkeus);
    const int suurin = *std::ranges::max_element(jakauma);
    const int lokero = (leveys - 2) / static_cast<int>(jakauma.size());
    const int tila = korkeus - 4;
    if (suurin == 0 || lokero < 3 || tila < 1) return kuva;
    for (std::size_t i = 0; i < jakauma.size(); ++i) {
        if (jakauma[i] == 0) continue;
        // However few, a bar shows.
        const int pylvas =
            std::max(1, static_cast<int>(static_cast<long long>(tila) * jakauma[i] / suurin));
        const int x = 1 + static_cast<int>(i) * lokero + lokero / 6;
        Tayta(kuva, x, korkeus - 2 - pylvas, x + lokero - 2 * (lokero / 6), korkeus - 2, VESI[0]);
    }
    return kuva;
}

Pikselikuva Viimeisetkuva(std::string_view viimeiset, int leveys, int korkeus) {
    Pikselikuva kuva = Kehystetty(leveys, korkeus);
    const int solu = (leveys - 2) / SOLUJA;
    if (solu < 2) return kuva;
    for (std::size_t i = 0; i < viimeiset.size() && i < SOLUJA; ++i) {
        const int x = 1 + static_cast<int>(i) * solu;
        Tayta(kuva, x + 1, 2, x + solu, korkeus - 2, Tuloksen(viimeiset[i]));
    }
    return kuva;
}

}  // namespace piirros
