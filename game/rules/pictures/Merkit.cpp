#include "rules/pictures/Merkit.h"

namespace piirros {

namespace {

struct Piste {
    double x;
    double y;
};

// Within the cross's stroke from a to b, its ends cut square.
bool Vedolla(Piste p, Piste a, Piste b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double pituus2 = dx * dx + dy * dy;
    const double pitkin = (p.x - a.x) * dx + (p.y - a.y) * dy;
    if (pitkin < 0.0 || pitkin > pituus2) return false;
    const double poikki = (p.x - a.x) * dy - (p.y - a.y) * dx;
    return 4.0 * poikki * poikki <= RISTI_PAKSUUS * RISTI_PAKSUUS * pituus2;
}

bool Ristilla(Piste p) {
    return Vedolla(p, {RISTI_ALKU, RISTI_ALKU}, {RISTI_LOPPU, RISTI_LOPPU}) ||
           Vedolla(p, {RISTI_LOPPU, RISTI_ALKU}, {RISTI_ALKU, RISTI_LOPPU});
}

// Within a band of this width centred on the miss's ring.
bool Renkaalla(Piste p, double paksuus) {
    const double keskus = YKSIKOITA / 2.0;
    const double etaisyys2 = (p.x - keskus) * (p.x - keskus) + (p.y - keskus) * (p.y - keskus);
    const double sisa = RENGAS_SADE - paksuus / 2.0;
    const double ulko = RENGAS_SADE + paksuus / 2.0;
    return etaisyys2 >= sisa * sisa && etaisyys2 <= ulko * ulko;
}

void Laske(Merkki merkki, Piste p, Peitto& peitto) {
    if (merkki == Merkki::Risti) {
        if (Ristilla(p)) ++peitto.vari;
    } else if (merkki == Merkki::Rengas) {
        if (Renkaalla(p, RENGAS_PAKSUUS)) {
            ++peitto.vari;
        } else if (Renkaalla(p, RENGAS_REUNUS_PAKSUUS)) {
            ++peitto.reunus;
        }
    }
}

}  // namespace

Peitto MerkinPeitto(Merkki merkki, int x, int y, int sivu) {
    Peitto peitto;
    const double yksikko = static_cast<double>(YKSIKOITA) / sivu;
    for (int ny = 0; ny < NAYTTEITA_SIVULLA; ++ny) {
        for (int nx = 0; nx < NAYTTEITA_SIVULLA; ++nx) {
            const Piste p{(x + (nx + 0.5) / NAYTTEITA_SIVULLA) * yksikko,
                          (y + (ny + 0.5) / NAYTTEITA_SIVULLA) * yksikko};
            Laske(merkki, p, peitto);
        }
    }
    return peitto;
}

}  // namespace piirros
