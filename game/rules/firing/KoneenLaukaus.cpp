#include "rules/firing/KoneenLaukaus.h"

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/firing/Aloittaja.h"
#include "rules/firing/Maalinvalinta.h"
#include "rules/firing/Osumantulkinta.h"
#include "rules/firing/ViimeisinLaukaus.h"

void KoneenLaukaus::AnnaEnsimmainenVuoro() {
    const Puoli aloittaja = ValitseAloittaja(t, arpa);
    t.EdellinenAloittaja = aloittaja;
    if (aloittaja == Puoli::Pelaaja) return;
    // The computer opens exactly as it answers a shot: the pause, its
    // prompt, the commands out of reach, then the player's turn.
    t.PelaajanVuoro = false;
    peli_.AmmuTietokoneenPuolesta();
}

void KoneenLaukaus::AloitaTauko() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.TauonLoppu = n.Nyt() + peli_.TauonPituus;
    peli_.Ajoita();
    // The commands go out of reach before the first event of the pause can
    // use them.
    peli_.Paivita();
}

void KoneenLaukaus::JatkaTaukoa() {
    if (*t.TauonLoppu > n.Nyt()) return peli_.Ajoita();
    t.TauonLoppu.reset();
    peli_.Paivita();
    n.AsetaOsoitin(Osoitin::Oletus);
    KoneAmpuu();
}

void KoneenLaukaus::KoneAmpuu() {
    const int maali = ValitseMaali(t, arpa);
    if (maali == 0 || !MerkitseLaukaus(maali)) {
        t.PelaajanVuoro = true;
        return;
    }
    MihinLaivaanTietokoneOsui(maali);
}

bool KoneenLaukaus::MerkitseLaukaus(int maali) {
    PalautaTavallinenKuva(r, Puoli::Pelaaja, t.KoneenViimeisinLaukaus, t.KoneenViimeisinOsui);
    t.KoneenViimeisinLaukaus = maali;
    ++t.KoneenLaukaukset;
    const bool osui = t.PelaajanRuudut[maali] == Sana::laiva;
    t.Kuulutus = teksti::VastustajaAmpui(Rivi(maali), Sarake(maali), osui);
    if (!osui) {
        r.NaytaKuva(Puoli::Pelaaja, maali, Kuva::OhiViimeksi);
        peli_.Soita(Aani::Ohi);
        t.PelaajanRuudut[maali] = Sana::ohi;
        t.KoneenViimeisinOsui = Osui::ei;
        return false;
    }
    r.NaytaKuva(Puoli::Pelaaja, maali, Kuva::OsumaViimeksi);
    t.PelaajanRuudut[maali] = Sana::uponnut;
    t.KoneenViimeisinOsui = Osui::kylla;
    ++t.KoneenOsumat;
    return true;
}

void KoneenLaukaus::KoneenVuoroLoppuu() {
    // Hits made during a hunt belong to it; a sinking ends it before the
    // next choice of target.
    if (!t.KohdeOsuma) AloitaJahti(t, arpa, t.KoneenViimeisinLaukaus);
    t.PelaajanVuoro = true;
}

void KoneenLaukaus::MihinLaivaanTietokoneOsui(int RuutuJohonAmmuttiin) {
    t.KoneUpottiLaivan = false;
    const Tulkinta tulos = TulkitseOsuma(peli_, t, Puoli::Pelaaja, RuutuJohonAmmuttiin);
    if (tulos == Tulkinta::Virhe) {
        KoneenVuoroLoppuu();
        return;
    }
    t.KoneUpottiLaivan = tulos == Tulkinta::Upposi;
    if (tulos == Tulkinta::Osui) peli_.Soita(Aani::Osuma);
    // Still the computer's turn: no click reaches the player's grid.
    peli_.UppoamisenJalkeen(Jatko::KoneenOsuma);
}

void KoneenLaukaus::KoneenOsumaRatkaistu() {
    if (t.KoneenOsumat == 20) {
        t.PeliKaynnissa = false;
        t.AmmuntaKaynnissa = false;
        t.EdellinenVoittaja = Puoli::Kone;
        peli_.Tilastoi(Lopputulos::Tappio);
        peli_.Soita(Aani::Tappio);
        // The game is over before its box opens: nothing waits on the box
        // but what the player sees after it.
        KoneenVuoroLoppuu();
        peli_.Ilmoita(teksti::TAPPIO_OTSIKKO, teksti::TAPPIO, Kuvake::Huutomerkki, [this] {
            // The computer's ships the player never hit come to light.
            for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
                r.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
                if (t.KoneenRuudut[ruutu] == Sana::laiva)
                    r.NaytaKuva(Puoli::Kone, ruutu, Kuva::Laiva);
            }
            peli_.PaataVoittoputki();
        });
        return;
    }
    KoneenVuoroLoppuu();
}
