#include "rules/Peli.h"
#include "rules/firing/Maalinvalinta.h"
#include "rules/firing/ViimeisinLaukaus.h"

void Peli::AmmuTietokoneenPuolesta() {
    // A ship the player's shot sank goes down as the computer's turn begins.
    if (!EsitaUppoaminen()) return;
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    // The commands go out of reach before the first event of the pause can
    // use them.
    Paivita();
    // The program is ending: the interrupted shot must leave no trace.
    if (!n.Tauko()) return;
    Paivita();
    n.AsetaOsoitin(Osoitin::Oletus);

    const int maali = ValitseMaali(t, arpa);
    if (maali != 0) {
        PalautaTavallinenKuva(n, Puoli::Pelaaja, t.KoneenViimeisinLaukaus, t.KoneenViimeisinOsui);
        if (t.PelaajanRuudut[maali] == Sana::laiva) {
            n.NaytaKuva(Puoli::Pelaaja, maali, Kuva::OsumaViimeksi);
            t.PelaajanRuudut[maali] = Sana::uponnut;
            t.KoneenViimeisinLaukaus = maali;
            t.KoneenViimeisinOsui = Osui::kylla;
            ++t.KoneenOsumat;
            MihinLaivaanTietokoneOsui(maali);
            if (ohjelmaLoppuu_) return;
            // Hits made during a hunt belong to it; a sinking ends it before
            // the next choice of target.
            if (!t.KohdeOsuma) AloitaJahti(t, arpa, maali);
        } else {
            n.NaytaKuva(Puoli::Pelaaja, maali, Kuva::OhiViimeksi);
            t.PelaajanRuudut[maali] = Sana::ohi;
            t.KoneenViimeisinLaukaus = maali;
            t.KoneenViimeisinOsui = Osui::ei;
        }
    }
    t.PelaajanVuoro = true;
}
