#include "rules/Peli.h"

void Peli::PeruLaiva(Puoli puoli, const Laiva& laiva) {
    Ruudukko& ruudut = t.Ruudut(puoli);
    for (int& ruutu : laiva.ruudut) {
        if (ruutu == -1) continue;
        ruudut[ruutu] = Sana::vesi;
        // The computer's grid shows no ships while they are laid.
        if (puoli == Puoli::Pelaaja) n.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        ruutu = -1;
    }
}
