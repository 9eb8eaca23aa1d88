#include "rules/pictures/Merkit.h"

namespace piirros {

namespace {

// No mark reaches further from the centre than the ring's dark edge, so a
// pixel wholly beyond it needs no samples.
constexpr double KESKUS = YKSIKOITA / 2.0;
constexpr double ULOMPI = RENGAS_SADE + RENGAS_REUNUS_PAKSUUS / 2.0;
static_assert(RISTI_ALKU - RISTI_PAKSUUS / 2.0 >= KESKUS - ULOMPI &&
              RISTI_LOPPU + RISTI_PAKSUUS / 2.0 <= KESKUS + ULOMPI);

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
    const double etaisyys2 = (p.x - KESKUS) * (p.x - KESKUS) + (p.y - KESKUS) * (p.y - KESKUS);
    const double sisa = RENGAS_SADE - paksuus / 2.0;
    const double ulko = RENGAS_SADE + paksuus / 2.0;
    return etaisyys2 >= sisa * sisa && etaisyys2 <= ulko * ulko;
}

bool Ulkopuolella(int x, int y, double yksikko) {
    const auto ohi = [yksikko](int kohta) {
        return (kohta + 1) * yksikko < KESKUS - ULOMPI || kohta * yksikko > KESKUS + ULOMPI;
    };
    return ohi(x) || ohi(y);
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
    if (Ulkopuolella(x, y, yksikko)) return peitto;
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
