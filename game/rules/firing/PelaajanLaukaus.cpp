#include "rules/firing/PelaajanLaukaus.h"

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/firing/Osumantulkinta.h"
#include "rules/firing/ViimeisinLaukaus.h"

void PelaajanLaukaus::imgKone_Click(int ruutu) {
    if (!t.PelaajanVuoro || !t.AmmuntaKaynnissa) return;

    PalautaTavallinenKuva(n, Puoli::Kone, t.PelaajanViimeisinLaukaus, t.PelaajanViimeisinOsui);
    if (t.KoneenRuudut[ruutu] != Sana::laiva) {
        n.NaytaKuva(Puoli::Kone, ruutu, Kuva::OhiViimeksi);
        peli_.Soita(Aani::Ohi);
        t.PelaajanViimeisinLaukaus = ruutu;
        t.PelaajanViimeisinOsui = Osui::ei;
    } else {
        n.NaytaKuva(Puoli::Kone, ruutu, Kuva::OsumaViimeksi);
        t.KoneenRuudut[ruutu] = Sana::uponnut;
        t.PelaajanViimeisinLaukaus = ruutu;
        t.PelaajanViimeisinOsui = Osui::kylla;
        ++t.PelaajanOsumat;
        MihinLaivaanPelaajaOsui(ruutu);
    }
    n.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    n.AsetaRuutuKaytossa(Puoli::Kone, ruutu, false);

    // The winning shot has already ended the game: nobody shoots after it.
    const bool peliJatkuu = t.PeliKaynnissa;
    t.PelaajanVuoro = false;
    if (peliJatkuu) peli_.AmmuTietokoneenPuolesta();
}

void PelaajanLaukaus::MihinLaivaanPelaajaOsui(int RuutuJohonAmmuttiin) {
    const Tulkinta tulos = TulkitseOsuma(peli_, t, Puoli::Kone, RuutuJohonAmmuttiin);
    if (tulos == Tulkinta::Virhe) return;
    // A sinking has a sound of its own.
    if (tulos == Tulkinta::Osui) peli_.Soita(Aani::Osuma);
    if (t.PelaajanOsumat != 20) return;

    t.PeliKaynnissa = false;
    t.AmmuntaKaynnissa = false;
    t.EdellinenVoittaja = Puoli::Pelaaja;
    ++t.PerakkaisetVoitot;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) n.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    // The last ship sinks before the word of the win.
    peli_.UppoamisenJalkeen(Jatko::Voitto);
}
