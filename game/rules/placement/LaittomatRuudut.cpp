#include "rules/placement/LaittomatRuudut.h"

#include "rules/Ruudut.h"

void VaraaLaittomatRuudut(Pelitila& t, Ruutunakymat& r) {
    // The grid being laid is the one whose side is placing now.
    const Puoli puoli = t.PelaajanVuoro ? Puoli::Pelaaja : Puoli::Kone;
    Ruudukko& ruudut = t.Ruudut(puoli);
    const auto varaa = [&](int m) {
        if (ruudut[m] == Sana::laiva || ruudut[m] == Sana::varattu) return;
        ruudut[m] = Sana::varattu;
        if (puoli == Puoli::Pelaaja && t.NaytaMahdottomatLaivaruudut)
            r.NaytaKuva(Puoli::Pelaaja, m, Kuva::Ohi);
    };
    // Ships kept off the edge: the ring is blocked from before the first
    // ship, like the squares around a ship.
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (!LaivaVoiOlla(ruutu, t.LaivaSaaSijaitaReunassa)) varaa(ruutu);
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (ruudut[ruutu] != Sana::laiva) continue;
        for (int m : Naapurit(ruutu, t.LaivojenKulmatSaavatKoskettaa)) varaa(m);
    }
}

void NaytaEpakelvotRuudut(Pelitila& t, Ruutunakymat& r, bool nayta) {
    // The marks belong to placing. Once firing has begun they are gone for
    // good, and after a won game they would pass for misses the computer
    // never fired; only the choice itself changes.
    if (!t.SijoitusKaynnissa) return;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        if (t.PelaajanRuudut[ruutu] == Sana::varattu)
            r.NaytaKuva(Puoli::Pelaaja, ruutu, nayta ? Kuva::Ohi : Kuva::Vesi);
    }
}

void PeruLaiva(Pelitila& t, Ruutunakymat& r, Puoli puoli, const Laiva& laiva) {
    Ruudukko& ruudut = t.Ruudut(puoli);
    for (int& ruutu : laiva.ruudut) {
        if (ruutu == -1) continue;
        ruudut[ruutu] = Sana::vesi;
        // The computer's grid shows no ships while they are laid.
        if (puoli == Puoli::Pelaaja) r.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        ruutu = -1;
    }
}
