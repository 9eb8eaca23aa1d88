#include "rules/pictures/Ruutukuvat.h"

#include <vector>

#include "rules/pictures/Merkit.h"
#include "rules/pictures/Renkaat.h"

namespace piirros {

namespace {

unsigned Kanava(Vari vari, int siirto) { return (vari >> siirto) & 0xFFu; }

// The samples' colours averaged: the mark's, its edge's and the tile's own
// where the mark leaves it.
Vari Sekoita(Vari laatta, const Kuvamalli& malli, Peitto peitto) {
    const auto merkki = static_cast<unsigned>(peitto.vari);
    const auto reunus = static_cast<unsigned>(peitto.reunus);
    const unsigned vapaa = NAYTTEITA - merkki - reunus;
    Vari tulos = 0;
    for (const int siirto : {16, 8, 0}) {
        const unsigned summa = Kanava(malli.vari, siirto) * merkki +
                               Kanava(REUNUS, siirto) * reunus + Kanava(laatta, siirto) * vapaa;
        tulos |= ((summa + NAYTTEITA / 2) / NAYTTEITA) << siirto;
    }
    return tulos;
}

}  // namespace

Pikselikuva Ruutukuva(Kuva kuva, int sivu) {
    const Kuvamalli malli = Malli(kuva);
    const std::vector<int> renkaat = RenkaatReunalta(sivu);
    Pikselikuva tulos(sivu, sivu);
    for (int y = 0; y < sivu; ++y) {
        for (int x = 0; x < sivu; ++x) {
            const int rengas = renkaat[static_cast<std::size_t>(Reunalta(x, y, sivu))];
            Vari vari = malli.laatta[static_cast<std::size_t>(rengas)];
            if (malli.merkki != Merkki::Ei)
                vari = Sekoita(vari, malli, MerkinPeitto(malli.merkki, x, y, sivu));
            tulos(x, y) = Peittava(vari);
        }
    }
    return tulos;
}

}  // namespace piirros
