#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"

void Peli::AloitaPelaajanSijoitusAlusta() {
    Ilmoita(teksti::EI_MAHDU_OTSIKKO, teksti::EI_MAHDU, Kuvake::Tieto);
    // The computer's fleet stays as it was laid; the game goes on from the
    // player's first ship.
    for (Laiva& laiva : t.Laivat(Puoli::Pelaaja)) {
        laiva.sijoitettu = false;
        std::ranges::fill(laiva.ruudut, -1);
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        t.PelaajanRuudut[ruutu] = Sana::vesi;
        n.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
    }
    VaraaLaittomatRuudut();
}
