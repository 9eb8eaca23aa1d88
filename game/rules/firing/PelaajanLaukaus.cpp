#include "rules/firing/PelaajanLaukaus.h"

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/firing/Osumantulkinta.h"
#include "rules/firing/ViimeisinLaukaus.h"

void PelaajanLaukaus::imgKone_Click(int ruutu) {
    if (!t.PelaajanVuoro || !t.AmmuntaKaynnissa) return;

    const bool osui = t.KoneenRuudut[ruutu] == Sana::laiva;
    MerkitseLaukaus(ruutu, osui);
    if (osui) MihinLaivaanPelaajaOsui(ruutu);
    PoistaKaytosta(ruutu);

    // The winning shot has already ended the game: nobody shoots after it.
    const bool peliJatkuu = t.PeliKaynnissa;
    t.PelaajanVuoro = false;
    if (peliJatkuu) peli_.AmmuTietokoneenPuolesta();
}

void PelaajanLaukaus::MerkitseLaukaus(int ruutu, bool osui) {
    PalautaTavallinenKuva(r, Puoli::Kone, t.PelaajanViimeisinLaukaus, t.PelaajanViimeisinOsui);
    t.PelaajanViimeisinLaukaus = ruutu;
    ++t.PelaajanLaukaukset;
    t.Kuulutus = osui ? teksti::KUULUTUS_OSUMA : teksti::KUULUTUS_OHI;
    if (!osui) {
        r.NaytaKuva(Puoli::Kone, ruutu, Kuva::OhiViimeksi);
        peli_.Soita(Aani::Ohi);
        t.PelaajanViimeisinOsui = Osui::ei;
        return;
    }
    r.NaytaKuva(Puoli::Kone, ruutu, Kuva::OsumaViimeksi);
    t.KoneenRuudut[ruutu] = Sana::uponnut;
    t.PelaajanViimeisinOsui = Osui::kylla;
    ++t.PelaajanOsumat;
}

void PelaajanLaukaus::PoistaKaytosta(int ruutu) {
    r.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    r.AsetaRuutuKaytossa(Puoli::Kone, ruutu, false);
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
    peli_.Tilastoi(Lopputulos::Voitto);
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) r.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    // The last ship sinks before the word of the win.
    peli_.UppoamisenJalkeen(Jatko::Voitto);
}
