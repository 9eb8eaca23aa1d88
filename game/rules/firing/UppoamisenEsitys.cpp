#include "rules/Peli.h"

void Peli::UpotaLaiva(Puoli puoli, std::span<const int> ruudut) {
    if (!t.NaytetaanLaivojenUppoaminen) {
        for (const int ruutu : ruudut) UpotaRuutu(puoli, ruutu);
        return;
    }
    // The animation waits for a moment when no click can reach the grid: the
    // computer's turn, or the end of the game.
    t.Uppoava = UppoavaLaiva{puoli, {ruudut.begin(), ruudut.end()}};
}

bool Peli::EsitaUppoaminen() {
    if (!t.Uppoava) return true;
    const UppoavaLaiva laiva = std::move(*t.Uppoava);
    t.Uppoava.reset();
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.UppoaminenKaynnissa = true;
    Paivita();
    const bool jatkuu = n.NaytaUppoaminen(laiva.puoli, laiva.ruudut);
    t.UppoaminenKaynnissa = false;
    if (!jatkuu) {
        ohjelmaLoppuu_ = true;
        return false;
    }
    for (const int ruutu : laiva.ruudut) UpotaRuutu(laiva.puoli, ruutu);
    Paivita();
    n.AsetaOsoitin(Osoitin::Oletus);
    return true;
}
