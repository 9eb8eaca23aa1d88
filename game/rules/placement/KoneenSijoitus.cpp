#include "rules/placement/KoneenSijoitus.h"

#include <algorithm>

#include "rules/placement/LaittomatRuudut.h"

namespace {

// Whether a ship starting at this row or column runs towards the last row or
// column: forced away from an edge it would cross, drawn when it fits both
// ways. `paikka` counts rows from 0 and columns from 1 within the `koko`
// rows or columns a ship may use.
bool KohtiLoppua(int paikka, int pituus, int koko, Satunnaisluvut& arpa) {
    if (paikka < pituus) return true;
    if (paikka > koko - pituus) return false;
    return arpa.Arvo(2) == 1;
}

}  // namespace

bool KoneenSijoitus::SijoitaKoneenLaivasto() {
    VaraaLaittomatRuudut(t, r);
    for (const Laiva& laiva : t.Laivat(Puoli::Kone)) {
        const int pituus = static_cast<int>(laiva.ruudut.size());
        if (pituus == 1 && std::ranges::find(t.KoneenRuudut, Sana::vesi) == t.KoneenRuudut.end())
            return false;
        SijoitaKoneenLaiva(pituus);
        // A ship that found no room within its attempts leaves the fleet
        // short of twenty squares whatever follows.
        if (!laiva.sijoitettu) return false;
    }
    return std::ranges::count(t.KoneenRuudut, Sana::laiva) == 20;
}

void KoneenSijoitus::SijoitaKoneenLaiva(int Pituus) {
    auto laivat = t.Laivat(Puoli::Kone);
    const auto laiva = std::ranges::find_if(laivat, [Pituus](const Laiva& l) {
        return !l.sijoitettu && static_cast<int>(l.ruudut.size()) == Pituus;
    });
    if (laiva == laivat.end()) return;

    for (int yritys = 0; yritys < yrityksia_; ++yritys) {
        if (SijoitaKoneenLaivaKerran(*laiva)) {
            VaraaLaittomatRuudut(t, r);
            laiva->sijoitettu = true;
            return;
        }
    }
}

bool KoneenSijoitus::SijoitaKoneenLaivaKerran(const Laiva& laiva) {
    const int pituus = static_cast<int>(laiva.ruudut.size());
    // Kept off the edge, every draw falls inside the ring, so no attempt is
    // spent on a ship that could never be laid.
    const int reunus = t.LaivaSaaSijaitaReunassa ? 0 : 1;
    const int koko = 10 - 2 * reunus;
    arpa.AlustaKellosta();
    const int rivi = reunus + arpa.Arvo(koko);
    const int sarake = reunus + arpa.Arvo(koko) + 1;
    const int alku = rivi * 10 + sarake;
    arpa.AlustaKellosta();
    const bool vaakaan = arpa.Arvo(2) == 1;
    // Both directions are settled whatever the orientation, so every attempt
    // draws in the same pattern.
    const bool oikealle = KohtiLoppua(sarake - reunus, pituus, koko, arpa);
    const bool alas = KohtiLoppua(rivi - reunus, pituus, koko, arpa);
    const int askel = vaakaan ? (oikealle ? 1 : -1) : (alas ? 10 : -10);

    for (int i = 0; i < pituus; ++i) {
        const int q = alku + i * askel;
        if (t.KoneenRuudut[q] != Sana::vesi) {
            PeruLaiva(t, r, Puoli::Kone, laiva);
            return false;
        }
        t.KoneenRuudut[q] = Sana::laiva;
        laiva.ruudut[static_cast<std::size_t>(i)] = q;
    }
    return true;
}
