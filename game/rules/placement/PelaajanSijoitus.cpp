#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/access/Nappaimisto.h"
#include "rules/placement/Mahtuminen.h"

namespace {

constexpr int VASEN_PAINIKE = 1;

// The step from the anchor: right or down when the ship fits that way,
// otherwise left or up. Rows and columns are both counted from 1 here.
int Askel(int ruutu, int pituus, int painike) {
    if (painike == VASEN_PAINIKE) return Sarake(ruutu) > 11 - pituus ? -1 : +1;
    return Rivi(ruutu) > 11 - pituus ? -10 : +10;
}

}  // namespace

void Peli::imgPelaaja_MouseUp(int ruutu, int painike) {
    switch (LaskePelaajanLaiva(ruutu, painike)) {
        case Sijoitustulos::Valmis:
            AloitaAmmunta();
            break;
        case Sijoitustulos::Umpikuja:
            AloitaPelaajanSijoitusAlusta();
            break;
        case Sijoitustulos::Ohi:
        case Sijoitustulos::Laskettu:
            break;
    }
}

Peli::Sijoitustulos Peli::LaskePelaajanLaiva(int ruutu, int painike) {
    if (!t.PelaajanVuoro || t.AmmuntaKaynnissa || !t.SijoitusKaynnissa) return Sijoitustulos::Ohi;
    if (!OnRuudukossa(ruutu)) return Sijoitustulos::Ohi;
    t.PeliKaynnissa = true;

    auto laivat = t.Laivat(Puoli::Pelaaja);
    const auto seuraava =
        std::ranges::find_if(laivat, [](const Laiva& laiva) { return !laiva.sijoitettu; });
    if (seuraava == laivat.end()) return Sijoitustulos::Ohi;
    if (!SijoitaPelaajanLaiva(*seuraava, ruutu, painike)) return Sijoitustulos::Ohi;

    VaraaLaittomatRuudut();
    seuraava->sijoitettu = true;
    if (seuraava == laivat.end() - 1) return Sijoitustulos::Valmis;
    // Under the stricter rules the ships laid so far can leave the next one
    // no room at all; the player would click on for nothing.
    if (!Mahtuu(t.PelaajanRuudut, static_cast<int>((seuraava + 1)->ruudut.size())))
        return Sijoitustulos::Umpikuja;
    return Sijoitustulos::Laskettu;
}

bool Peli::SijoitaPelaajanLaiva(const Laiva& laiva, int ankkuri, int painike) {
    const int pituus = static_cast<int>(laiva.ruudut.size());
    const int askel = Askel(ankkuri, pituus, painike);
    for (int j = 0; j < pituus; ++j) {
        const int q = ankkuri + j * askel;
        if (t.PelaajanRuudut[q] != Sana::vesi) {
            PeruLaiva(Puoli::Pelaaja, laiva);
            return false;
        }
        t.PelaajanRuudut[q] = Sana::laiva;
        n.NaytaKuva(Puoli::Pelaaja, q, Kuva::Laiva);
        laiva.ruudut[static_cast<std::size_t>(j)] = q;
    }
    return true;
}

void Peli::AloitaAmmunta() {
    // The marks helped only while laying ships; the words stay for the
    // sinking display.
    if (t.NaytaMahdottomatLaivaruudut) {
        for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
            if (t.PelaajanRuudut[ruutu] == Sana::varattu)
                n.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        }
    }
    t.AmmuntaKaynnissa = true;
    t.SijoitusKaynnissa = false;
    TeePelinAlkuvalmistelut();
    LuovutaNappaimisto(t.Nappaimisto, Puoli::Kone);
    AnnaEnsimmainenVuoro();
}
