#include "rules/Asettelu.h"

#include <algorithm>
#include <stdexcept>

#include "rules/Ruudut.h"

const Saadin& Asettelu::operator[](const std::string& saadin) const {
    const auto loytyi =
        std::ranges::find_if(saatimet, [&](const Saadin& s) { return s.nimi == saadin; });
    if (loytyi == saatimet.end()) throw std::out_of_range(nimi + " has no " + saadin);
    return *loytyi;
}

Alue Ruudunpaikka(Puoli ruudukko, int ruutu) {
    constexpr int RUUTUVALI = 360;
    const int x = ruudukko == Puoli::Pelaaja ? 120 : 3960;
    return {x + (Sarake(ruutu) - 1) * RUUTUVALI, 240 + (Rivi(ruutu) - 1) * RUUTUVALI, RUUDUN_SIVU,
            RUUDUN_SIVU};
}

std::optional<Ruutupaikka> RuutuKohdassa(int x, int y) {
    // Neighbours share their border line; the later square lies on top.
    for (const Puoli puoli : {Puoli::Kone, Puoli::Pelaaja}) {
        for (int ruutu = RUUTUJA; ruutu >= 1; --ruutu) {
            const Alue alue = Ruudunpaikka(puoli, ruutu);
            if (x >= alue.vasen && x < alue.vasen + alue.leveys && y >= alue.yla &&
                y < alue.yla + alue.korkeus)
                return Ruutupaikka{puoli, ruutu};
        }
    }
    return std::nullopt;
}
