#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"

namespace {

// Fresh tries at the rest of the fleet around the ships the player laid
// before those ships are given up too.
constexpr int KIERROKSIA = 20;

}  // namespace

void Peli::SijoitaLaivatSatunnaisesti() {
    if (!t.PelaajanVuoro || t.AmmuntaKaynnissa || !t.SijoitusKaynnissa) return;
    const auto omat = t.Sijoitetut(Puoli::Pelaaja);
    bool valmis = false;
    for (int kierros = 0; kierros < KIERROKSIA && !valmis; ++kierros) {
        valmis = SijoitaLoputSatunnaisesti();
        if (!valmis) JataPelaajanLaivat(omat);
    }
    // Laid one by one, the player's own ships can leave no straight run of
    // water long enough for the next; the fleet then never fails, as the
    // computer's does not: it starts again from an empty grid.
    while (!valmis) {
        JataPelaajanLaivat({});
        valmis = SijoitaLoputSatunnaisesti();
    }
    AloitaAmmunta();
}

// Random clicks of either button, each one ship's attempt, bounded as the
// computer's attempts are; a refused click leaves no trace. A fleet that
// boxes itself in is only a failed try here, never a word to the player.
bool Peli::SijoitaLoputSatunnaisesti() {
    for (const Laiva& laiva : t.Laivat(Puoli::Pelaaja)) {
        for (int yritys = 0; !laiva.sijoitettu && yritys < KoneenSijoitusyrityksia; ++yritys) {
            const int ruutu = arpa.Arvo(RUUTUJA) + 1;
            switch (LaskePelaajanLaiva(ruutu, arpa.Arvo(2) + 1)) {
                case Sijoitustulos::Valmis:
                    return true;
                case Sijoitustulos::Umpikuja:
                    return false;
                case Sijoitustulos::Ohi:
                case Sijoitustulos::Laskettu:
                    break;
            }
        }
        if (!laiva.sijoitettu) return false;
    }
    return true;
}

void Peli::JataPelaajanLaivat(const std::array<bool, 10>& jatettavat) {
    std::array<bool, RUUTUJA + 1> jatetty{};
    auto laivat = t.Laivat(Puoli::Pelaaja);
    for (std::size_t i = 0; i < laivat.size(); ++i) {
        if (jatettavat[i]) {
            for (int r : laivat[i].ruudut) jatetty[static_cast<std::size_t>(r)] = true;
        } else {
            std::ranges::fill(laivat[i].ruudut, -1);
            laivat[i].sijoitettu = false;
        }
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (jatetty[static_cast<std::size_t>(ruutu)] || t.PelaajanRuudut[ruutu] == Sana::vesi)
            continue;
        t.PelaajanRuudut[ruutu] = Sana::vesi;
        n.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
    }
    // The blocked squares around the ships that stay come back as they were.
    VaraaLaittomatRuudut();
}
