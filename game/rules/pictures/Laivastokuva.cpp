#include "rules/pictures/Laivastokuva.h"

#include <algorithm>

#include "rules/pictures/Ruutukuvat.h"

namespace piirros {

namespace {

constexpr std::array<int, 10> PITUUDET{4, 3, 3, 2, 2, 2, 1, 1, 1, 1};
// Twenty squares and nine gaps of half a square.
constexpr int PUOLIKKAITA = 2 * 20 + 9;

void Liita(Pikselikuva& kohde, const Pikselikuva& kuva, int x, int y) {
    for (int j = 0; j < kuva.korkeus; ++j) {
        for (int i = 0; i < kuva.leveys; ++i) kohde(x + i, y + j) = kuva(i, j);
    }
}

}  // namespace

Pikselikuva Laivastokuva(const std::array<bool, 10>& upotetut, int leveys, int korkeus) {
    Pikselikuva kuva(leveys, korkeus, Peittava(VESI.back()));
    const int sivu = std::min(korkeus, 2 * leveys / PUOLIKKAITA);
    if (sivu < 2) return kuva;
    const Pikselikuva laiva = Ruutukuva(Kuva::Laiva, sivu);
    const Pikselikuva osuma = Ruutukuva(Kuva::Osuma, sivu);
    const int y = (korkeus - sivu) / 2;
    int x = 0;
    for (std::size_t i = 0; i < PITUUDET.size(); ++i) {
        for (int ruutu = 0; ruutu < PITUUDET[i]; ++ruutu, x += sivu)
            Liita(kuva, upotetut[i] ? osuma : laiva, x, y);
        x += sivu / 2;
    }
    return kuva;
}

}  // namespace piirros
