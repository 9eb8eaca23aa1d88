#include "rules/Peli.h"
#include "rules/Ruudut.h"

// The squares around a sunk ship were blocked when it was laid, so no ship
// can be there: they are shown as misses and nobody need shoot them.
void Peli::UpotaRuutu(int Ruutu) {
    // Right after the player's shot the turn is still the player's: the
    // square is on the computer's grid.
    UpotaRuutu(t.PelaajanVuoro ? Puoli::Kone : Puoli::Pelaaja, Ruutu);
}

void Peli::UpotaRuutu(Puoli puoli, int Ruutu) {
    Ruudukko& ruudut = t.Ruudut(puoli);
    if (!OnRuudukossa(Ruutu) || ruudut[Ruutu] != Sana::uponnut) return;

    for (const int m : Naapurit(Ruutu, t.LaivojenKulmatSaavatKoskettaa)) {
        if (ruudut[m] != Sana::varattu) continue;
        ruudut[m] = Sana::ohi;
        if (puoli == Puoli::Kone) {
            n.AsetaRuutuKaytossa(puoli, m, false);
            n.AsetaSormiosoitin(puoli, m, false);
        }
        n.NaytaKuva(puoli, m, Kuva::Ohi);
    }
}
