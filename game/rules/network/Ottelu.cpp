#include "rules/network/Ottelu.h"

#include "rules/Tekstit.h"
#include "rules/network/Kierros.h"
#include "rules/network/Yhteydenotto.h"
#include "rules/settings/Aloitustavat.h"

void Ottelu::Alkaa() {
    // A request the last match left unanswered is no part of this one.
    pyydetty_ = false;
    voitot_ = {};
    peleja_ = 0;
    isantaVoitti_.reset();
    omatKulmat_ = t.LaivojenKulmatSaavatKoskettaa;
    omaReuna_ = t.LaivaSaaSijaitaReunassa;
    aloitustapa_ = t.PelinAloitustapa;
}

void Ottelu::OdotaEhtoja() {
    peli_.UusiPeli();
    t.SijoitusKaynnissa = false;
    t.PelaajanVuoro = false;
}

viestit::Avaaja Ottelu::Avaajasaanto() const {
    if (aloitustapa_ == aloitustapa::ARVOTAAN) return viestit::Avaaja::Arvonta;
    if (aloitustapa_ == aloitustapa::VUOROALOITUS)
        return peleja_ % 2 == 0 ? viestit::Avaaja::Isanta : viestit::Avaaja::Vieras;
    if (aloitustapa_ == aloitustapa::VOITTAJA)
        return isantaVoitti_.value_or(true) ? viestit::Avaaja::Isanta : viestit::Avaaja::Vieras;
    return viestit::Avaaja::Isanta;
}

void Ottelu::AloitaPeli() {
    if (!kierros_.Ehdota(omatKulmat_, omaReuna_, Avaajasaanto()))
        return istunto_.Paata(teksti::EI_SATUNNAISUUTTA);
    AloitaSijoitus();
}

bool Ottelu::Kasittele(const viestit::Viesti& viesti) {
    if (const auto* v = std::get_if<viestit::Peliehdot>(&viesti);
        v && !yhteys_.Isanta() && yhteys_.Tervehditty() && !kierros_.Kaynnissa()) {
        EhdotSaatu(*v);
        return true;
    }
    if (std::holds_alternative<viestit::Uusi>(viesti) && yhteys_.Tervehditty()) {
        UusiSaatu();
        return true;
    }
    if (std::holds_alternative<viestit::EiUutta>(viesti) && pyydetty_) {
        EiUuttaSaatu();
        return true;
    }
    return false;
}

void Ottelu::EhdotSaatu(const viestit::Peliehdot& ehdot) {
    if (!kierros_.Hyvaksy(ehdot)) return istunto_.Paata(teksti::EI_SATUNNAISUUTTA);
    AloitaSijoitus();
    if (peleja_ == 1)
        peli_.Ilmoita(
            teksti::VERKKOPELI_OTSIKKO,
            teksti::Saannot(yhteys_.Vastustaja(), ehdot.kulmatSaavatKoskettaa, ehdot.reunaSallittu),
            Kuvake::Tieto);
}

void Ottelu::AloitaSijoitus() {
    kierros_.Aloita();
    ++peleja_;
    pyydetty_ = false;
    istunto_.PeliAlkaa();
    AsetaSaannot(kierros_.Ehdot().kulmatSaavatKoskettaa, kierros_.Ehdot().reunaSallittu);
    peli_.UusiPeli();
}

// Otherwise the game counts for nobody.
void Ottelu::Tulos() {
    const auto laivasto = kierros_.Ratkaise();
    if (!laivasto) {
        peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_TASMAA, Kuvake::Huutomerkki);
        return;
    }
    const bool voitin = t.PelaajanOsumat == 20;
    ++voitot_[voitin ? 0 : 1];
    isantaVoitti_ = voitin == yhteys_.Isanta();
    const std::string& vastustaja = yhteys_.Vastustaja();
    peli_.TilastoiVerkkopeli(vastustaja, voitin);
    if (voitin) {
        peli_.Soita(Aani::Voitto);
        peli_.Ilmoita(teksti::VOITTO_OTSIKKO, teksti::VerkkoVoitto(vastustaja), Kuvake::Tieto);
        return;
    }
    peli_.Soita(Aani::Tappio);
    kierros_.NaytaUppoamattomat(*laivasto);
    peli_.Ilmoita(teksti::TAPPIO_OTSIKKO, teksti::VerkkoTappio(vastustaja), Kuvake::Huutomerkki);
}

void Ottelu::UusiPeli() {
    if (pyydetty_) return PeruPyynto();
    pyydetty_ = true;
    istunto_.Laheta(viestit::Uusi{});
}

// A request can only be taken back with the match: a friend may already
// have agreed and started the next game.
void Ottelu::PeruPyynto() {
    peli_.Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::PeruPyynto(yhteys_.Vastustaja()),
               [this](bool kylla) {
                   if (!kylla) return;
                   istunto_.Laheta(viestit::Lopeta{});
                   istunto_.Palaa();
               });
}

void Ottelu::UusiSaatu() {
    if (pyydetty_) return Uusintaan();
    peli_.Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::HaluaaUudestaan(yhteys_.Vastustaja()),
               [this](bool kylla) {
                   if (!kylla) return istunto_.Laheta(viestit::EiUutta{});
                   istunto_.Laheta(viestit::Uusi{});
                   Uusintaan();
               });
}

void Ottelu::Uusintaan() {
    pyydetty_ = false;
    if (yhteys_.Isanta()) return AloitaPeli();
    kierros_.Lopeta();
    OdotaEhtoja();
}

void Ottelu::EiUuttaSaatu() {
    pyydetty_ = false;
    peli_.Ilmoita(teksti::UUSI_PELI_OTSIKKO, teksti::EiHaluaUudestaan(yhteys_.Vastustaja()),
                  Kuvake::Tieto);
}

std::optional<std::string> Ottelu::Pisteet() const {
    if (yhteys_.Vastustaja().empty()) return std::nullopt;
    return teksti::Ottelu(voitot_[0], yhteys_.Vastustaja(), voitot_[1]);
}

void Ottelu::AsetaSaannot(bool kulmat, bool reuna) {
    t.LaivojenKulmatSaavatKoskettaa = kulmat;
    t.LaivaSaaSijaitaReunassa = reuna;
}

void Ottelu::OmatSaannot() { AsetaSaannot(omatKulmat_, omaReuna_); }

void Ottelu::OttelunSaannot() {
    omatKulmat_ = t.LaivojenKulmatSaavatKoskettaa;
    omaReuna_ = t.LaivaSaaSijaitaReunassa;
    if (kierros_.Kaynnissa())
        AsetaSaannot(kierros_.Ehdot().kulmatSaavatKoskettaa, kierros_.Ehdot().reunaSallittu);
}
