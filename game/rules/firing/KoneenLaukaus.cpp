#include "rules/Peli.h"
#include "rules/firing/Maalinvalinta.h"
#include "rules/firing/ViimeisinLaukaus.h"

void Peli::AmmuTietokoneenPuolesta() {
    // A ship the player's shot sank goes down as the computer's turn begins.
    UppoamisenJalkeen(Jatko::KoneenVuoro);
}

void Peli::AloitaTauko() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.TauonLoppu = n.Nyt() + TauonPituus;
    n.PyydaAjastin(TauonPituus);
    // The commands go out of reach before the first event of the pause can
    // use them.
    Paivita();
}

void Peli::JatkaTaukoa() {
    const std::chrono::milliseconds jaljella = *t.TauonLoppu - n.Nyt();
    if (jaljella > std::chrono::milliseconds::zero()) {
        n.PyydaAjastin(jaljella);
        return;
    }
    t.TauonLoppu.reset();
    Paivita();
    n.AsetaOsoitin(Osoitin::Oletus);
    KoneAmpuu();
}

void Peli::KoneAmpuu() {
    const int maali = ValitseMaali(t, arpa);
    if (maali == 0) {
        t.PelaajanVuoro = true;
        return;
    }
    PalautaTavallinenKuva(n, Puoli::Pelaaja, t.KoneenViimeisinLaukaus, t.KoneenViimeisinOsui);
    t.KoneenViimeisinLaukaus = maali;
    if (t.PelaajanRuudut[maali] != Sana::laiva) {
        n.NaytaKuva(Puoli::Pelaaja, maali, Kuva::OhiViimeksi);
        t.PelaajanRuudut[maali] = Sana::ohi;
        t.KoneenViimeisinOsui = Osui::ei;
        t.PelaajanVuoro = true;
        return;
    }
    n.NaytaKuva(Puoli::Pelaaja, maali, Kuva::OsumaViimeksi);
    t.PelaajanRuudut[maali] = Sana::uponnut;
    t.KoneenViimeisinOsui = Osui::kylla;
    ++t.KoneenOsumat;
    MihinLaivaanTietokoneOsui(maali);
}

void Peli::KoneenVuoroLoppuu() {
    // Hits made during a hunt belong to it; a sinking ends it before the
    // next choice of target.
    if (!t.KohdeOsuma) AloitaJahti(t, arpa, t.KoneenViimeisinLaukaus);
    t.PelaajanVuoro = true;
}
