#include "rules/Asettelu.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "rules/Ruudut.h"

const Saadin& Asettelu::operator[](const std::string& saadin) const {
    const auto loytyi =
        std::ranges::find_if(saatimet, [&](const Saadin& s) { return s.nimi == saadin; });
    if (loytyi == saatimet.end()) throw std::out_of_range(nimi + " has no " + saadin);
    return *loytyi;
}

std::vector<const Saadin*> Luontijarjestys(const Asettelu& asettelu) {
    std::vector<const Saadin*> jarjestys;
    const auto lisaa = [&](const Saadin& saadin) {
        if (std::ranges::find(jarjestys, &saadin) == jarjestys.end()) jarjestys.push_back(&saadin);
    };
    // The keyboard goes from a label's access key to the next control made.
    for (const std::string& nimi : asettelu.sarkainjarjestys) {
        const Saadin& saadin = asettelu[nimi];
        if (!saadin.isanta.empty()) lisaa(asettelu[saadin.isanta]);
        const auto oma = std::ranges::find(asettelu.saatimet, nimi, &Saadin::nimi);
        if (oma != asettelu.saatimet.begin() && (std::prev(oma)->tyyli & tyyli::AVAIN))
            lisaa(*std::prev(oma));
        lisaa(saadin);
    }
    for (const Saadin& saadin : asettelu.saatimet) lisaa(saadin);
    return jarjestys;
}

bool AloittaaRyhman(const Saadin* edellinen, const Saadin& saadin) {
    return saadin.laji != Laji::Valintanappi || edellinen == nullptr ||
           edellinen->laji != Laji::Valintanappi || edellinen->isanta != saadin.isanta;
}

std::string Oletuspainike(const Asettelu& asettelu, const std::string& kohdistettu) {
    for (const Saadin& saadin : asettelu.saatimet) {
        if (saadin.laji == Laji::Painike && saadin.nimi == kohdistettu) return saadin.nimi;
    }
    for (const Saadin& saadin : asettelu.saatimet) {
        if (saadin.laji == Laji::Painike && (saadin.tyyli & tyyli::OLETUS)) return saadin.nimi;
    }
    return {};
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
