#include "rules/placement/Mahtuminen.h"

#include "rules/Ruudut.h"

namespace {

bool VettaPerakkain(const Ruudukko& ruudut, int alku, int askel, int pituus) {
    for (int i = 0; i < pituus; ++i) {
        if (ruudut[alku + i * askel] != Sana::vesi) return false;
    }
    return true;
}

}  // namespace

bool Mahtuu(const Ruudukko& ruudut, int pituus) {
    for (int alku = 1; alku <= RUUTUJA; ++alku) {
        if (Sarake(alku) + pituus - 1 <= 10 && VettaPerakkain(ruudut, alku, 1, pituus)) return true;
        if (Rivi(alku) + pituus - 1 <= 10 && VettaPerakkain(ruudut, alku, 10, pituus)) return true;
    }
    return false;
}
