#include "rules/Peli.h"

#include <algorithm>
#include <utility>

#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/access/Nappaimisto.h"
#include "rules/fleets/Jaljella.h"
#include "rules/placement/LaittomatRuudut.h"
#include "rules/results/ParhaidenLista.h"
#include "rules/results/Tilastomuoto.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "rules/settings/Asetustenluku.h"
#include "store/Asetusarvot.h"
#include "store/mdlMorvak2.h"

namespace {

std::string Sijoitusohje(const Pelitila& t) {
    const auto sijoitetut = t.Sijoitetut(Puoli::Pelaaja);
    const auto seuraava = std::ranges::find(sijoitetut, false);
    // A complete fleet keeps the last ship's prompt.
    const auto i = std::min<std::ptrdiff_t>(seuraava - sijoitetut.begin(), 9);
    return teksti::SIJOITUSOHJEET[static_cast<std::size_t>(i)];
}

std::string Ohje(const Pelitila& t) {
    if (!t.PeliKaynnissa && t.PelaajanOsumat == 20) return teksti::Voitettu(t.PerakkaisetVoitot);
    if (!t.PeliKaynnissa && t.KoneenOsumat == 20) return teksti::HAVITTY;
    if (t.PeliKaynnissa && t.PelaajanVuoro && t.AmmuntaKaynnissa) return teksti::PELAAJAN_VUORO;
    if (t.PelaajanVuoro && !t.AmmuntaKaynnissa) return Sijoitusohje(t);
    if (!t.KoneenSukellusveneSijoitettu[4] && t.PeliKaynnissa) return teksti::KONE_SIJOITTAA;
    return teksti::KONE_AMPUU;
}

}  // namespace

Peli::Peli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& satunnaisluvut)
    : t(tila),
      n(nakyma),
      arpa(satunnaisluvut),
      ruudut_(nakyma),
      koneenSijoitus_(tila, ruudut_, satunnaisluvut, KoneenSijoitusyrityksia),
      pelaajanSijoitus_(*this, tila, ruudut_, satunnaisluvut),
      pelaajanLaukaus_(*this, tila, ruudut_),
      koneenLaukaus_(*this, tila, nakyma, ruudut_, satunnaisluvut),
      esitys_(*this, tila, nakyma, ruudut_),
      laatikot_(nakyma),
      tietokone_(*this, tila, koneenSijoitus_, pelaajanLaukaus_, koneenLaukaus_) {}

void Peli::AloitaOhjelma() {
    LueAsetukset(t);
    LataaParhaatTulokset(t.Parhaat);
    // Stored figures that do not read start the statistics over.
    t.PidaTilastoa = LueTotuusasetus(PIDA_TILASTOA, false);
    t.Tilasto = LueTilastoteksti(LueAsetus(TILASTOT)).value_or(Tilastot{});
    t.Verkkotilasto = LueVerkkoteksti(LueAsetus(VERKKOTILASTOT)).value_or(Verkkotilastot{});
    t.PerakkaisetVoitot = 0;
    mUusiPeli_Click();
    n.AsetaOsoitin(Osoitin::Oletus);
}

void Peli::PoistaLaivat() {
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        for (Laiva& laiva : t.Laivat(puoli)) {
            laiva.sijoitettu = false;
            std::ranges::fill(laiva.ruudut, -1);
        }
    }
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        t.PelaajanRuudut[ruutu] = Sana::vesi;
        ruudut_.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        ruudut_.AsetaSormiosoitin(Puoli::Pelaaja, ruutu, true);
        t.KoneenRuudut[ruutu] = Sana::vesi;
        ruudut_.NaytaKuva(Puoli::Kone, ruutu, Kuva::Vesi);
        ruudut_.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    }
}

void Peli::UusiPeli() {
    Tilastoi(Lopputulos::Kesken);
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    n.AsetaIkkunaKaytossa(false);
    t.PelaajanOsumat = 0;
    t.KoneenOsumat = 0;
    t.PelaajanLaukaukset = 0;
    t.KoneenLaukaukset = 0;
    t.KohdeOsuma.reset();
    t.KohdeRuutu = 0;
    esitys_.Peru();
    t.TauonLoppu.reset();
    t.PelaajanVuoro = false;
    PoistaLaivat();
    const bool sijoitettavissa = vastustaja_->SijoitaLaivasto();
    t.PelaajanVuoro = true;
    // What is blocked before the first ship shows while the player lays it.
    VaraaLaittomatRuudut();
    t.SijoitusKaynnissa = sijoitettavissa;
    t.AmmuntaKaynnissa = false;
    t.PeliKaynnissa = false;
    AloitaKohdistus(t.Nappaimisto);
    Ajoita();
    n.AsetaIkkunaKaytossa(true);
    n.AsetaOsoitin(Osoitin::Oletus);
}

void Peli::TeePelinAlkuvalmistelut() {
    t.PelaajanViimeisinLaukaus = 0;
    t.PelaajanViimeisinOsui = Osui::tyhja;
    t.KoneenViimeisinLaukaus = 0;
    t.KoneenViimeisinOsui = Osui::tyhja;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        ruudut_.AsetaSormiosoitin(Puoli::Pelaaja, ruutu, false);
        ruudut_.AsetaSormiosoitin(Puoli::Kone, ruutu, true);
        ruudut_.AsetaRuutuKaytossa(Puoli::Kone, ruutu, true);
    }
}

void Peli::SijoitussaannotMuuttuivat() { vastustaja_->SijoitussaannotMuuttuivat(); }

void Peli::mUusiPeli_Click() {
    // The command is off while the computer shoots or a ship sinks, but a
    // key that was already on its way when that began still arrives.
    if ((!t.PelaajanVuoro && t.PeliKaynnissa) || t.Uppoamassa) return;
    JataKesken([this] { UusiPeli(); });
}

void Peli::JataKesken(std::function<void()> sitten) {
    if (t.PerakkaisetVoitot == 0 || !t.PeliKaynnissa) return sitten();
    Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::UUSI_PELI_KESKEN,
         [this, sitten = std::move(sitten)](bool kylla) {
             if (kylla) PaataVoittoputki(sitten);
         });
}

void Peli::AloitaAmmunta() {
    // The marks helped only while laying ships; the words stay for the
    // sinking display.
    if (t.NaytaMahdottomatLaivaruudut) {
        for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
            if (t.PelaajanRuudut[ruutu] == Sana::varattu)
                ruudut_.NaytaKuva(Puoli::Pelaaja, ruutu, Kuva::Vesi);
        }
    }
    t.SijoitusKaynnissa = false;
    vastustaja_->LaivastoValmis();
}

void Peli::AvaaAmmunta(bool pelaajaAloittaa) {
    t.AmmuntaKaynnissa = true;
    TeePelinAlkuvalmistelut();
    LuovutaNappaimisto(t.Nappaimisto, Puoli::Kone);
    t.PelaajanVuoro = pelaajaAloittaa;
}

void Peli::imgKone_Click(int ruutu) { vastustaja_->Ammu(ruutu); }

void Peli::MerkitseOmaLaukaus(int ruutu, bool osui) {
    pelaajanLaukaus_.MerkitseLaukaus(ruutu, osui);
    pelaajanLaukaus_.PoistaKaytosta(ruutu);
}

void Peli::VaraaLaittomatRuudut() { ::VaraaLaittomatRuudut(t, ruudut_); }

void Peli::NaytaEpakelvotRuudut(bool nayta) { ::NaytaEpakelvotRuudut(t, ruudut_, nayta); }

void Peli::Ajoita() {
    std::optional<std::chrono::milliseconds> aikaisin;
    const auto ota = [&aikaisin](std::optional<std::chrono::milliseconds> kohta) {
        if (kohta && (!aikaisin || *kohta < *aikaisin)) aikaisin = kohta;
    };
    ota(t.TauonLoppu);
    if (t.Uppoamassa) ota(t.Uppoamassa->seuraavaKuva);
    if (maaraajat_) ota(maaraajat_->Maaraaika());
    ota(t.Tallennukset.Maaraaika());
    // A timer already running for it runs on undisturbed.
    if (aikaisin == pyydetty_) return;
    pyydetty_ = aikaisin;
    std::optional<std::chrono::milliseconds> kesto;
    if (aikaisin) kesto = std::max(std::chrono::milliseconds::zero(), *aikaisin - n.Nyt());
    n.PyydaAjastin(kesto);
}

void Peli::Ajastin() {
    // The face's timer runs out once; one that ran out early asks again for
    // the rest.
    pyydetty_.reset();
    t.Tallennukset.Jatka(n.Nyt());
    if (t.Uppoamassa) {
        if (const auto jatko = esitys_.Jatka()) Jatka(*jatko);
    } else if (t.TauonLoppu) {
        koneenLaukaus_.JatkaTaukoa();
    }
}

void Peli::UppoamisenJalkeen(Jatko jatko) {
    if (!esitys_.Aloita(jatko)) Jatka(jatko);
}

void Peli::Jatka(Jatko jatko) {
    switch (jatko) {
        case Jatko::KoneenVuoro:
            koneenLaukaus_.AloitaTauko();
            break;
        case Jatko::Voitto:
            Soita(Aani::Voitto);
            Ilmoita(teksti::VOITTO_OTSIKKO, teksti::VOITTO, Kuvake::Tieto);
            break;
        case Jatko::KoneenOsuma:
            koneenLaukaus_.KoneenOsumaRatkaistu();
            break;
        case Jatko::Verkko:
            vastustaja_->UppoaminenEsitetty();
            break;
    }
}

Tilanne Peli::NykyinenTilanne() const {
    const Tilanneosuus osuus = vastustaja_->Tilanteesta();
    const bool koneAmpuu = !t.PelaajanVuoro && t.PeliKaynnissa && !osuus.kysyyUutta;
    const bool sijoittaa = t.PelaajanVuoro && t.SijoitusKaynnissa && !t.AmmuntaKaynnissa;
    Tilanne tilanne{osuus.ohje ? *osuus.ohje : Ohje(t),
                    !koneAmpuu && !t.Uppoamassa,
                    t.NaytaPainikkeet,
                    t.NaytaMahdottomatLaivaruudut,
                    t.Aanet,
                    sijoittaa,
                    osuus.tulos ? *osuus.tulos : teksti::OHJELMAN_NIMI,
                    t.NaytaLaivastot,
                    {}};
    if (t.NaytaLaivastot) {
        for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone})
            tilanne.katsaus[static_cast<std::size_t>(puoli)] = Katsaus(puoli, Uponneet(t, puoli));
    }
    return tilanne;
}

void Peli::Paivita() {
    Tilannemuutos muutos = naytetty_.Muutos(NykyinenTilanne(), t.Nappaimisto);
    std::string kuulutus = std::exchange(t.Kuulutus, {});
    if (muutos.ohje && !muutos.ohje->empty())
        kuulutus += (kuulutus.empty() ? "" : " ") + *muutos.ohje;
    if (!kuulutus.empty()) muutos.kuulutus = std::move(kuulutus);
    n.NaytaTilanne(muutos);
}

void Peli::Tilastoi(Lopputulos tulos) {
    if (!std::exchange(t.PeliTilastoimatta, false) || !t.PidaTilastoa) return;
    Kirjaa(t.Tilasto, tulos, t.PelaajanLaukaukset, t.PelaajanOsumat, t.KoneenLaukaukset);
    TallennaTilasto(TILASTOT, Tilastoteksti(t.Tilasto));
}

void Peli::TilastoiVerkkopeli(const std::string& vastustaja, bool voitti) {
    if (!t.PidaTilastoa) return;
    Kirjaa(t.Verkkotilasto, vastustaja, voitti);
    TallennaTilasto(VERKKOTILASTOT, Verkkoteksti(t.Verkkotilasto));
}

void Peli::TallennaTilasto(const char* nimi, std::string teksti) {
    t.Tallennukset.Tallenna(n.Nyt(),
                            [nimi, teksti = std::move(teksti)] { return Tallenna(nimi, teksti); });
}

void Peli::Soita(Aani aani) {
    if (t.Aanet) n.SoitaAani(aani);
}

void Peli::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake,
                   std::function<void()> sitten) {
    Paivita();
    laatikot_.Ilmoita(otsikko, teksti, kuvake, [this, sitten = std::move(sitten)] {
        Paivita();
        if (sitten) sitten();
    });
}

void Peli::Kysy(const std::string& otsikko, const std::string& teksti,
                std::function<void(bool)> sitten) {
    Paivita();
    laatikot_.Kysy(otsikko, teksti, [this, sitten = std::move(sitten)](bool kylla) {
        Paivita();
        sitten(kylla);
    });
}

void Peli::Avaa(std::unique_ptr<Valintaikkunamalli> malli,
                std::function<void(Valintaikkunamalli&)> sitten) {
    Paivita();
    laatikot_.Avaa(std::move(malli), [this, sitten = std::move(sitten)](Valintaikkunamalli& m) {
        Paivita();
        if (sitten) sitten(m);
    });
}

void Peli::VahvistaLopetus(std::function<void(bool)> vastaus) {
    Kysy(teksti::LOPETA_OTSIKKO, teksti::LOPETA, [this, vastaus = std::move(vastaus)](bool kylla) {
        if (!kylla) return vastaus(false);
        const auto loppuu = [this, vastaus] {
            n.AsetaOsoitin(Osoitin::Tiimalasi);
            vastaus(true);
        };
        // Quitting ends the streak too, but there is nothing left to reset:
        // only a streak worth a place on the list is kept, through the name
        // entry.
        if (!AnsaitseePaikan(t.PerakkaisetVoitot, t.Parhaat.ParasTulos[9])) return loppuu();
        KysyNimi(loppuu);
    });
}

void Peli::PaataVoittoputki(std::function<void()> sitten) {
    if (AnsaitseePaikan(t.PerakkaisetVoitot, t.Parhaat.ParasTulos[9])) return KysyNimi(sitten);
    t.PerakkaisetVoitot = 0;
    if (sitten) sitten();
}

void Peli::KysyNimi(std::function<void()> sitten) {
    n.AsetaOsoitin(Osoitin::Oletus);
    Avaa(std::make_unique<frmKysyNimiMalli>(t, n), [sitten = std::move(sitten)](auto&) {
        if (sitten) sitten();
    });
}
