#include "rules/placement/PelaajanSijoitus.h"

#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/placement/LaittomatRuudut.h"
#include "rules/placement/Mahtuminen.h"

namespace {

constexpr int VASEN_PAINIKE = 1;

// Fresh tries at the rest of the fleet around the ships the player laid
// before those ships are given up too.
constexpr int KIERROKSIA = 20;

// The step from the anchor: right or down when the ship fits that way,
// otherwise left or up. Rows and columns are both counted from 1 here.
int Askel(int ruutu, int pituus, int painike) {
    if (painike == VASEN_PAINIKE) return Sarake(ruutu) > 11 - pituus ? -1 : +1;
    return Rivi(ruutu) > 11 - pituus ? -10 : +10;
}

}  // namespace

void PelaajanSijoitus::imgPelaaja_MouseUp(int ruutu, int painike) {
    switch (LaskePelaajanLaiva(ruutu, painike)) {
        case Sijoitustulos::Valmis:
            peli_.AloitaAmmunta();
            break;
        case Sijoitustulos::Umpikuja:
            AloitaPelaajanSijoitusAlusta();
            break;
        case Sijoitustulos::Estetty:
            t.Kuulutus = teksti::KUULUTUS_EI_SIJOITETA;
            break;
        case Sijoitustulos::Ohi:
        case Sijoitustulos::Laskettu:
            break;
    }
}

PelaajanSijoitus::Sijoitustulos PelaajanSijoitus::LaskePelaajanLaiva(int ruutu, int painike) {
    if (!t.PelaajanVuoro || t.AmmuntaKaynnissa || !t.SijoitusKaynnissa) return Sijoitustulos::Ohi;
    if (!OnRuudukossa(ruutu)) return Sijoitustulos::Ohi;
    t.PeliKaynnissa = true;

    auto laivat = t.Laivat(Puoli::Pelaaja);
    const auto seuraava =
        std::ranges::find_if(laivat, [](const Laiva& laiva) { return !laiva.sijoitettu; });
    if (seuraava == laivat.end()) return Sijoitustulos::Ohi;
    if (!SijoitaPelaajanLaiva(*seuraava, ruutu, painike)) return Sijoitustulos::Estetty;

    VaraaLaittomatRuudut(t, r);
    seuraava->sijoitettu = true;
    if (seuraava == laivat.end() - 1) return Sijoitustulos::Valmis;
    // Under the stricter rules the ships laid so far can leave the next one
    // no room at all; the player would click on for nothing.
    if (!Mahtuu(t.PelaajanRuudut, static_cast<int>((seuraava + 1)->ruudut.size())))
        return Sijoitustulos::Umpikuja;
    return Sijoitustulos::Laskettu;
}

bool PelaajanSijoitus::SijoitaPelaajanLaiva(const Laiva& laiva, int ankkuri, int painike) {
    const int pituus = static_cast<int>(laiva.ruudut.size());
    const int askel = Askel(ankkuri, pituus, painike);
    for (int j = 0; j < pituus; ++j) {
        const int q = ankkuri + j * askel;
        if (t.PelaajanRuudut[q] != Sana::vesi) {
            PeruLaiva(t, r, Puoli::Pelaaja, laiva);
            return false;
        }
        t.PelaajanRuudut[q] = Sana::laiva;
        r.NaytaKuva(Puoli::Pelaaja, q, Kuva::Laiva);
        laiva.ruudut[static_cast<std::size_t>(j)] = q;
    }
    return true;
}

void PelaajanSijoitus::AloitaPelaajanSijoitusAlusta() {
    peli_.Ilmoita(teksti::EI_MAHDU_OTSIKKO, teksti::EI_MAHDU, Kuvake::Tieto, [this] {
        // The computer's fleet stays as it was laid; the game goes on from
        // the player's first ship.
        for (Laiva& laiva : t.Laivat(Puoli::Pelaaja)) {
            laiva.sijoitettu = false;
            std::ranges::fill(laiva.ruudut, -1);
        }
        for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
            t.PelaajanRuudut[ruutu] = Sana::vesi;
            r.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        }
        VaraaLaittomatRuudut(t, r);
    });
}

void PelaajanSijoitus::SijoitaLaivatSatunnaisesti() {
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
    peli_.AloitaAmmunta();
}

// Random clicks of either button, each one ship's attempt, bounded as the
// computer's attempts are; a refused click leaves no trace. A fleet that
// boxes itself in is only a failed try here, never a word to the player.
bool PelaajanSijoitus::SijoitaLoputSatunnaisesti() {
    for (const Laiva& laiva : t.Laivat(Puoli::Pelaaja)) {
        for (int yritys = 0; !laiva.sijoitettu && yritys < peli_.KoneenSijoitusyrityksia;
             ++yritys) {
            const int ruutu = arpa.Arvo(RUUTUJA) + 1;
            switch (LaskePelaajanLaiva(ruutu, arpa.Arvo(2) + 1)) {
                case Sijoitustulos::Valmis:
                    return true;
                case Sijoitustulos::Umpikuja:
                    return false;
                case Sijoitustulos::Ohi:
                case Sijoitustulos::Estetty:
                case Sijoitustulos::Laskettu:
                    break;
            }
        }
        if (!laiva.sijoitettu) return false;
    }
    return true;
}

void PelaajanSijoitus::JataPelaajanLaivat(const std::array<bool, 10>& jatettavat) {
    std::array<bool, RUUTUJA + 1> jatetty{};
    auto laivat = t.Laivat(Puoli::Pelaaja);
    for (std::size_t i = 0; i < laivat.size(); ++i) {
        if (jatettavat[i]) {
            for (int oma : laivat[i].ruudut) jatetty[static_cast<std::size_t>(oma)] = true;
        } else {
            std::ranges::fill(laivat[i].ruudut, -1);
            laivat[i].sijoitettu = false;
        }
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (jatetty[static_cast<std::size_t>(ruutu)] || t.PelaajanRuudut[ruutu] == Sana::vesi)
            continue;
        t.PelaajanRuudut[ruutu] = Sana::vesi;
        r.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
    }
    // The blocked squares around the ships that stay come back as they were.
    VaraaLaittomatRuudut(t, r);
}
