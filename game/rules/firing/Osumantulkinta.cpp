#include <algorithm>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"

namespace {

enum class Tulkinta { Osui, Upposi, Virhe };

bool Uponnut(std::span<const int> laiva, const Ruudukko& ruudut) {
    return std::ranges::all_of(
        laiva, [&](int r) { return OnRuudukossa(r) && ruudut[r] == Sana::uponnut; });
}

// Both sides' hits: find the ship of `puoli` that holds square R and, when
// this hit completed it, sink it square by square in record order.
Tulkinta TulkitseOsuma(Peli& peli, Pelitila& t, Puoli puoli, int R) {
    const Ruudukko& ruudut = t.Ruudut(puoli);
    if (!OnRuudukossa(R) || ruudut[R] != Sana::uponnut) return Tulkinta::Osui;

    const auto laivat = t.Laivat(puoli);
    const auto laiva = std::ranges::find_if(
        laivat, [&](const Laiva& l) { return std::ranges::find(l.ruudut, R) != l.ruudut.end(); });
    if (laiva == laivat.end()) {
        peli.Ilmoita(teksti::OHJELMAN_NIMI, teksti::OsumanTulkintavirhe(R), Kuvake::Ei);
        return Tulkinta::Virhe;
    }
    if (!Uponnut(laiva->ruudut, ruudut)) return Tulkinta::Osui;
    peli.UpotaLaiva(puoli, laiva->ruudut);
    return Tulkinta::Upposi;
}

}  // namespace

void Peli::MihinLaivaanPelaajaOsui(int RuutuJohonAmmuttiin) {
    if (TulkitseOsuma(*this, t, Puoli::Kone, RuutuJohonAmmuttiin) == Tulkinta::Virhe) return;
    if (t.PelaajanOsumat != 20) return;

    t.PeliKaynnissa = false;
    t.AmmuntaKaynnissa = false;
    t.EdellinenVoittaja = Puoli::Pelaaja;
    ++t.PerakkaisetVoitot;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) n.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    // The last ship sinks before the word of the win.
    UppoamisenJalkeen(Jatko::Voitto);
}

void Peli::MihinLaivaanTietokoneOsui(int RuutuJohonAmmuttiin) {
    t.KoneUpottiLaivan = false;
    const Tulkinta tulos = TulkitseOsuma(*this, t, Puoli::Pelaaja, RuutuJohonAmmuttiin);
    if (tulos == Tulkinta::Virhe) {
        KoneenVuoroLoppuu();
        return;
    }
    t.KoneUpottiLaivan = tulos == Tulkinta::Upposi;
    // Still the computer's turn: no click reaches the player's grid.
    UppoamisenJalkeen(Jatko::KoneenOsuma);
}

void Peli::KoneenOsumaRatkaistu() {
    if (t.KoneenOsumat == 20) {
        t.PeliKaynnissa = false;
        t.AmmuntaKaynnissa = false;
        t.EdellinenVoittaja = Puoli::Kone;
        Ilmoita(teksti::TAPPIO_OTSIKKO, teksti::TAPPIO, Kuvake::Huutomerkki);
        // The computer's ships the player never hit come to light.
        for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
            n.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
            if (t.KoneenRuudut[ruutu] == Sana::laiva) n.NaytaKuva(Puoli::Kone, ruutu, Kuva::Laiva);
        }
        PaataVoittoputki();
    }
    KoneenVuoroLoppuu();
}
