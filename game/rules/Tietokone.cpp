#include "rules/Tietokone.h"

#include "rules/Peli.h"
#include "rules/access/Nappaimisto.h"

// A fleet that boxed itself in is laid again from an empty grid.
bool Tietokone::SijoitaLaivasto() {
    while (!sijoitus_.SijoitaKoneenLaivasto()) peli_.PoistaLaivat();
    return t.KoneenSukellusveneSijoitettu[4];
}

void Tietokone::LaivastoValmis() {
    t.AmmuntaKaynnissa = true;
    t.PeliTilastoimatta = true;
    peli_.TeePelinAlkuvalmistelut();
    LuovutaNappaimisto(t.Nappaimisto, Puoli::Kone);
    koneen_.AnnaEnsimmainenVuoro();
}

void Tietokone::Ammu(int ruutu) { pelaajan_.imgKone_Click(ruutu); }

// The rules can change only before the player's first click, and the
// computer's fleet was laid under the old ones: no game is played under two
// sets of rules, so both fleets start again.
void Tietokone::SijoitussaannotMuuttuivat() {
    if (t.PelaajanVuoro && t.SijoitusKaynnissa && !t.PeliKaynnissa) peli_.UusiPeli();
}
