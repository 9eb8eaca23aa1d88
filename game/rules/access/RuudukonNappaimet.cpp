#include "rules/Ruudut.h"
#include "rules/access/Ruudunnimet.h"
#include "rules/window/frmMorvakMalli.h"

void frmMorvakMalli::Ruudukko_KeyDown(Puoli ruudukko, Ruutunappain nappain) {
    int& kohdistus = t.Nappaimisto.ruutu[static_cast<std::size_t>(ruudukko)];
    const int painike = Painikkeena(nappain);
    if (painike == 0) {
        kohdistus = Siirretty(kohdistus, nappain);
        return;
    }
    // A square that the mouse cannot click takes no key either.
    if (!peli_.Ruudut()(ruudukko, kohdistus).kaytossa) return;
    // The computer's squares answer only a click of the left button.
    if (ruudukko == Puoli::Pelaaja) {
        peli_.imgPelaaja_MouseUp(kohdistus, painike);
    } else if (painike == 1) {
        peli_.imgKone_Click(kohdistus);
    }
}

std::string frmMorvakMalli::RuudunNimi(Puoli ruudukko, int ruutu) const {
    return ::RuudunNimi(t, ruudukko, ruutu, peli_.Ruudut()(ruudukko, ruutu).kuva);
}

std::vector<int> frmMorvakMalli::MuuttuneetNimet(Puoli ruudukko, bool kuunnellaan) {
    auto& kerrotut = kerrotut_[static_cast<std::size_t>(ruudukko)];
    if (!kuunnellaan) {
        kerrotut = {};
        return {};
    }
    std::vector<int> muuttuneet;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        std::string nimi = RuudunNimi(ruudukko, ruutu);
        std::string& kerrottu = kerrotut[static_cast<std::size_t>(ruutu)];
        if (nimi == kerrottu) continue;
        if (!kerrottu.empty()) muuttuneet.push_back(ruutu);
        kerrottu = std::move(nimi);
    }
    return muuttuneet;
}
