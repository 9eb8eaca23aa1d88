#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/access/Nappaimisto.h"

void Peli::PoistaLaivat() {
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        for (Laiva& laiva : t.Laivat(puoli)) {
            laiva.sijoitettu = false;
            std::ranges::fill(laiva.ruudut, -1);
        }
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        t.PelaajanRuudut[ruutu] = Sana::vesi;
        n.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        n.AsetaSormiosoitin(Puoli::Pelaaja, ruutu, true);
        t.KoneenRuudut[ruutu] = Sana::vesi;
        n.NaytaKuva(Puoli::Kone, ruutu, Kuva::Vesi);
        n.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    }
}

bool Peli::SijoitaKoneenLaivasto() {
    VaraaLaittomatRuudut();
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

void Peli::UusiPeli() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    n.AsetaIkkunaKaytossa(false);
    t.PelaajanOsumat = 0;
    t.KoneenOsumat = 0;
    t.KohdeOsuma.reset();
    t.KohdeRuutu = 0;
    t.Uppoava.reset();
    if (t.Uppoamassa) NaytaVedenpinta(t.Uppoamassa->laiva, std::nullopt);
    t.Uppoamassa.reset();
    t.TauonLoppu.reset();
    t.PelaajanVuoro = false;
    do {
        PoistaLaivat();
    } while (!SijoitaKoneenLaivasto());
    t.PelaajanVuoro = true;
    // What is blocked before the first ship shows while the player lays it.
    VaraaLaittomatRuudut();
    t.SijoitusKaynnissa = t.KoneenSukellusveneSijoitettu[4];
    t.AmmuntaKaynnissa = false;
    t.PeliKaynnissa = false;
    AloitaKohdistus(t.Nappaimisto);
    n.AsetaIkkunaKaytossa(true);
    n.AsetaOsoitin(Osoitin::Oletus);
}

void Peli::TeePelinAlkuvalmistelut() {
    t.PelaajanViimeisinLaukaus = 0;
    t.PelaajanViimeisinOsui = Osui::tyhja;
    t.KoneenViimeisinLaukaus = 0;
    t.KoneenViimeisinOsui = Osui::tyhja;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        n.AsetaSormiosoitin(Puoli::Pelaaja, ruutu, false);
        n.AsetaSormiosoitin(Puoli::Kone, ruutu, true);
        n.AsetaRuutuKaytossa(Puoli::Kone, ruutu, true);
    }
}

// The rules can change only before the player's first click, and the
// computer's fleet was laid under the old ones: no game is played under two
// sets of rules, so both fleets start again.
void Peli::SijoitussaannotMuuttuivat() {
    if (t.PelaajanVuoro && t.SijoitusKaynnissa && !t.PeliKaynnissa) UusiPeli();
}

void Peli::mUusiPeli_Click() {
    // The command is off while the computer shoots or a ship sinks, but a
    // key that was already on its way when that began still arrives.
    if ((!t.PelaajanVuoro && t.PeliKaynnissa) || t.Uppoamassa) return;
    if (t.PerakkaisetVoitot > 0 && t.PeliKaynnissa) {
        if (!Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::UUSI_PELI_KESKEN)) return;
        PaataVoittoputki();
    }
    UusiPeli();
}
