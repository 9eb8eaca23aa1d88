#include "rules/network/frmVerkkopeliMalli.h"

#include <algorithm>

#include "rules/Tekstit.h"
#include "rules/network/Protokolla.h"

frmVerkkopeliMalli::frmVerkkopeliMalli(std::string nimi, std::vector<std::string> osoitteet,
                                       Palvelut& palvelut)
    : Valintaikkunamalli(palvelut, frmVerkkopeliAsettelu()),
      Nimi(std::move(nimi)),
      osoitteet_(std::move(osoitteet)) {
    std::vector<Sidonta> sidonnat{
        sido::Tekstikentta(
            "txtNimi", Nimi,
            [this](const std::string& uusi) {
                Nimi = uusi;
                Paivita();
            },
            NIMEN_MERKIT),
        {.saadin = "optOdota",
         .valittu = [this] { return Tapa == ODOTA; },
         .valinta = [this](bool valittu) { ValitseTapa(valittu, ODOTA); }},
        {.saadin = "optLiity",
         .valittu = [this] { return Tapa == LIITY; },
         .valinta = [this](bool valittu) { ValitseTapa(valittu, LIITY); }},
        sido::Nimio("lblOsoitteet", osoiteteksti_),
        sido::Kaytossa("fraPelit", liitytaan_),
        sido::Kaytossa("lblOsoite", liitytaan_),
        {.saadin = "txtOsoite",
         .teksti = [this] { return Osoite; },
         .kaytossa = [this] { return liitytaan_; },
         .muutos =
             [this](const std::string& osoite) {
                 Osoite = osoite;
                 riviValittu_ = false;
                 Paivita();
             }},
        sido::Painike(
            "cmdAloita", [this] { Unload(); }, &aloitaKaytossa_),
        sido::Painike("cmdPeruuta", [this] { Unload(); }),
    };
    for (std::size_t i = 0; i < RIVEJA; ++i) {
        sidonnat.push_back({.saadin = "optPeli" + std::to_string(i + 1),
                            .teksti = [this, i] { return rivit_[i]; },
                            .valittu =
                                [this, i] {
                                    return riviValittu_ && i < pelit_.size() &&
                                           pelit_[i].peli.osoite == Osoite;
                                },
                            .kaytossa = [this, i] { return riviKaytossa_[i]; },
                            .valinta =
                                [this, i](bool valittu) {
                                    if (valittu) ValitsePeli(i);
                                }});
    }
    Sido(std::move(sidonnat));
    Paivita();
}

void frmVerkkopeliMalli::Haettu() {
    ++haku_;
    std::erase_if(pelit_, [this](const Loydetty& l) { return l.haku + 1 < haku_; });
    Paivita();
    Muuttui();
}

void frmVerkkopeliMalli::Loytyi(const PeliLoytyi& peli) {
    const auto sama = std::ranges::find_if(
        pelit_, [&](const Loydetty& l) { return l.peli.osoite == peli.osoite; });
    if (sama != pelit_.end()) {
        *sama = {peli, haku_};
    } else if (pelit_.size() < RIVEJA) {
        pelit_.push_back({peli, haku_});
    }
    Paivita();
    Muuttui();
}

void frmVerkkopeliMalli::ValitseTapa(bool valittu, std::size_t tapa) {
    if (!valittu) return;
    Tapa = tapa;
    Paivita();
}

// A game found is joined at its address, which the box then shows.
// A row the face still showed may have emptied since.
void frmVerkkopeliMalli::ValitsePeli(std::size_t rivi) {
    if (rivi >= pelit_.size()) return;
    riviValittu_ = true;
    Osoite = pelit_[rivi].peli.osoite;
    Paivita();
}

std::string frmVerkkopeliMalli::Rivi(std::size_t rivi) const {
    if (rivi < pelit_.size())
        return teksti::LoydettyPeli(rivi + 1, pelit_[rivi].peli.nimi, pelit_[rivi].peli.osoite);
    return rivi == 0 ? "Etsitään pelejä..." : "";
}

void frmVerkkopeliMalli::Paivita() {
    liitytaan_ = Tapa == LIITY;
    osoiteteksti_ = Tapa == ODOTA ? teksti::Liitettavissa(osoitteet_) : "";
    for (std::size_t i = 0; i < RIVEJA; ++i) {
        rivit_[i] = Rivi(i);
        riviKaytossa_[i] = liitytaan_ && i < pelit_.size();
    }
    aloitaKaytossa_ = KelvollinenNimi(Nimi) && (Tapa == ODOTA || !Osoite.empty());
}

void frmVerkkopeliMalli::Sulje() { Unload(); }
