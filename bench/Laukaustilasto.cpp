// How many shots the computer needs to sink a whole fleet laid at random by
// the computer's own placement rules, over many seeded games, with ships
// allowed at the edge and kept off it, their corners touching or not.
//
//   Laukaustilasto [games] [first seed]
//
// The scripted player shoots water first, so the computer always gets to
// finish; its shot count is then the whole fleet's.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/rules/firing/Pelisimulaatio.h"

namespace {

void Tulosta(const char* otsikko, const std::vector<int>& laukaukset) {
    double summa = 0;
    for (int l : laukaukset) summa += l;
    const double n = static_cast<double>(laukaukset.size());
    const double keskiarvo = summa / n;
    double neliot = 0;
    for (int l : laukaukset) neliot += (l - keskiarvo) * (l - keskiarvo);
    const auto [pienin, suurin] = std::ranges::minmax(laukaukset);
    std::printf("%-24s games %zu  mean %.2f  std dev %.2f  min %d  max %d\n", otsikko,
                laukaukset.size(), keskiarvo, std::sqrt(neliot / (n - 1)), pienin, suurin);
}

}  // namespace

int main(int argc, char** argv) {
    const int peleja = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::uint64_t alku = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    if (peleja < 2) {
        std::fprintf(stderr, "usage: Laukaustilasto [games >= 2] [first seed]\n");
        return 2;
    }
    for (const bool reuna : {true, false}) {
        std::printf("%s\n", reuna ? "ships may lie at the edge" : "ships kept off the edge");
        for (const bool kulmat : {true, false}) {
            std::vector<int> laukaukset;
            int keskeytyneita = 0;
            for (int i = 0; i < peleja; ++i) {
                Pelisimulaatio peli(alku + static_cast<std::uint64_t>(i), kulmat,
                                    Pelaajatyyppi::Haviava);
                peli.t.LaivaSaaSijaitaReunassa = reuna;
                const Pelitulos tulos = peli.Pelaa();
                if (tulos.paattyi && !tulos.pelaajaVoitti) {
                    laukaukset.push_back(tulos.koneenLaukaukset);
                } else {
                    ++keskeytyneita;
                }
            }
            Tulosta(kulmat ? "  corners may touch:" : "  corners may not touch:", laukaukset);
            if (keskeytyneita > 0)
                std::printf("  %d games did not end in the computer's win\n", keskeytyneita);
        }
    }
    return 0;
}
