#include "rules/firing/UppoamisenEsitys.h"

#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"

namespace {

// About sixty frames a second.
constexpr std::chrono::milliseconds KUVAVALI{16};

}  // namespace

// The squares around a sunk ship were blocked when it was laid, so no ship
// can be there: they are shown as misses and nobody need shoot them.
void UppoamisenEsitys::UpotaRuutu(int Ruutu) {
    // Right after the player's shot the turn is still the player's: the
    // square is on the computer's grid.
    UpotaRuutu(t.PelaajanVuoro ? Puoli::Kone : Puoli::Pelaaja, Ruutu);
}

void UppoamisenEsitys::UpotaRuutu(Puoli puoli, int Ruutu) {
    Ruudukko& ruudut = t.Ruudut(puoli);
    if (!OnRuudukossa(Ruutu) || ruudut[Ruutu] != Sana::uponnut) return;

    for (const int m : Naapurit(Ruutu, t.LaivojenKulmatSaavatKoskettaa)) {
        if (ruudut[m] != Sana::varattu) continue;
        ruudut[m] = Sana::ohi;
        if (puoli == Puoli::Kone) {
            r.AsetaRuutuKaytossa(puoli, m, false);
            r.AsetaSormiosoitin(puoli, m, false);
        }
        r.NaytaKuva(puoli, m, Kuva::Ohi);
    }
}

void UppoamisenEsitys::UpotaLaiva(Puoli puoli, std::span<const int> ruudut) {
    const int pituus = static_cast<int>(ruudut.size());
    const int laukaus = t.KoneenViimeisinLaukaus;
    t.Kuulutus = puoli == Puoli::Kone
                     ? teksti::Upposi(pituus)
                     : teksti::VastustajaAmpui(Rivi(laukaus), Sarake(laukaus), true, pituus);
    if (!t.NaytetaanLaivojenUppoaminen) {
        peli_.Soita(Aani::Uppoaminen);
        for (const int ruutu : ruudut) UpotaRuutu(puoli, ruutu);
        return;
    }
    // The animation waits for a moment when no click can reach the grid: the
    // computer's turn, or the end of the game.
    t.Uppoava = UppoavaLaiva{puoli, {ruudut.begin(), ruudut.end()}};
}

bool UppoamisenEsitys::Aloita(Jatko jatko) {
    if (!t.Uppoava) return false;
    t.Uppoamassa = Uppoaminen{std::move(*t.Uppoava), n.Nyt(), jatko};
    t.Uppoava.reset();
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    peli_.Paivita();
    NaytaVedenpinta(t.Uppoamassa->laiva, 0.0);
    peli_.Soita(Aani::Uppoaminen);
    t.Uppoamassa->seuraavaKuva = n.Nyt() + std::min(KUVAVALI, peli_.UppoamisenKesto);
    peli_.Ajoita();
    return true;
}

std::optional<Jatko> UppoamisenEsitys::Jatka() {
    const std::chrono::milliseconds kesto = peli_.UppoamisenKesto;
    const std::chrono::milliseconds kulunut = n.Nyt() - t.Uppoamassa->alkoi;
    if (kulunut < kesto) {
        // A shortened sinking plays the whole curve in its own time.
        NaytaVedenpinta(t.Uppoamassa->laiva,
                        Vedenpinta(kulunut * UPPOAMISEN_KESTO.count() / kesto.count()));
        t.Uppoamassa->seuraavaKuva = n.Nyt() + std::min(KUVAVALI, kesto - kulunut);
        peli_.Ajoita();
        return std::nullopt;
    }
    const Uppoaminen uponnut = std::move(*t.Uppoamassa);
    t.Uppoamassa.reset();
    NaytaVedenpinta(uponnut.laiva, std::nullopt);
    for (const int ruutu : uponnut.laiva.ruudut) UpotaRuutu(uponnut.laiva.puoli, ruutu);
    peli_.Paivita();
    n.AsetaOsoitin(Osoitin::Oletus);
    return uponnut.jatko;
}

void UppoamisenEsitys::Peru() {
    t.Uppoava.reset();
    if (t.Uppoamassa) NaytaVedenpinta(t.Uppoamassa->laiva, std::nullopt);
    t.Uppoamassa.reset();
}

void UppoamisenEsitys::NaytaVedenpinta(const UppoavaLaiva& laiva, std::optional<double> pinta) {
    for (const int ruutu : laiva.ruudut) r.NaytaVedenpinta(laiva.puoli, ruutu, pinta);
}
