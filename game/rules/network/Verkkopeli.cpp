#include "rules/network/Verkkopeli.h"

#include <algorithm>

#include "platform/crypto/Salaus.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/firing/Osumantulkinta.h"
#include "rules/network/frmVerkkopeliMalli.h"
#include "rules/settings/Aloitustavat.h"

namespace {

// A friend that connects but never greets is let go after this.
constexpr std::chrono::milliseconds TERVEHDYKSEN_AIKA{10000};
// How often the open dialog asks the network again which games wait.
constexpr std::chrono::milliseconds HAUN_VALI{2000};
// More lines than a sinking can honestly hold up is a flood.
constexpr std::size_t PIDATETTYJA_ENINTAAN = 8;

}  // namespace

Verkkopeli::Verkkopeli(Peli& peli, Pelitila& tila, Nakyma& nakyma, Verkko& verkko)
    : peli_(peli), t(tila), n(nakyma), verkko_(verkko) {}

Verkkopeli::~Verkkopeli() = default;

void Verkkopeli::Avaa() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    peli_.Paivita();
    const std::string& viimeisin = t.ViimeksiListallePaassytPelaaja;
    frmVerkkopeliMalli malli(!nimi_.empty()      ? nimi_
                             : viimeisin.empty() ? std::string(teksti::NIMETON)
                                                 : viimeisin,
                             verkko_.OmatOsoitteet(), n);
    dialogi_ = &malli;
    if (!Kaynnissa()) verkko_.Hae();
    n.PyydaAjastin(HAUN_VALI);
    n.NaytaDialogi(malli);
    dialogi_ = nullptr;
    PalautaAjastin();
    n.AsetaOsoitin(Osoitin::Oletus);
    // The search ends with its dialog.
    if (!Kaynnissa()) verkko_.Sulje();
    if (!malli.Hyvaksytty()) return;
    if (Kaynnissa()) {
        Laheta(viestit::Lopeta{});
        Palaa();
    } else if (!peli_.JataKesken()) {
        return;
    }
    nimi_ = malli.Nimi;
    if (malli.Tapa == frmVerkkopeliMalli::ODOTA) {
        Kuuntele();
    } else {
        Yhdista(malli.Osoite);
    }
}

// While the dialog is open its search repeats, so that games started after
// it opened show up too; no game's timer runs behind a dialog.
bool Verkkopeli::Dialogille(const Tapahtuma& tapahtuma) {
    if (dialogi_ == nullptr) return std::holds_alternative<PeliLoytyi>(tapahtuma);
    if (const auto* peli = std::get_if<PeliLoytyi>(&tapahtuma)) {
        dialogi_->Loytyi(*peli);
        return true;
    }
    if (!std::holds_alternative<AjastinLaukesi>(tapahtuma)) return false;
    if (!Kaynnissa()) verkko_.Hae();
    n.PyydaAjastin(HAUN_VALI);
    return true;
}

void Verkkopeli::AloitaOttelu(Vaihe vaihe) {
    vaihe_ = vaihe;
    vastustaja_.clear();
    voitot_ = {};
    peleja_ = 0;
    isantaVoitti_.reset();
    omatKulmat_ = t.LaivojenKulmatSaavatKoskettaa;
    omaReuna_ = t.LaivaSaaSijaitaReunassa;
    aloitustapa_ = t.PelinAloitustapa;
    peli_.AsetaVastustaja(this);
    peli_.UusiPeli();
    // Nobody lays ships before both programs know the rules.
    t.SijoitusKaynnissa = false;
    t.PelaajanVuoro = false;
}

void Verkkopeli::Kuuntele() {
    verkko_.Sulje();
    if (!verkko_.Kuuntele(nimi_)) {
        peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_KUUNNELLA, Kuvake::Huutomerkki);
        return;
    }
    isanta_ = true;
    osoitteet_ = verkko_.OmatOsoitteet();
    AloitaOttelu(Vaihe::Odottaa);
}

void Verkkopeli::Yhdista(const std::string& osoite) {
    verkko_.Sulje();
    isanta_ = false;
    AloitaOttelu(Vaihe::Yhdistaa);
    verkko_.Yhdista(osoite);
}

void Verkkopeli::Yhdistetty() {
    if (vaihe_ != Vaihe::Odottaa && vaihe_ != Vaihe::Yhdistaa) return;
    vaihe_ = Vaihe::Tervehtii;
    if (!isanta_) Laheta(viestit::Tervehdys{PROTOKOLLAN_VERSIO, nimi_});
    tervehdysLoppuu_ = n.Nyt() + TERVEHDYKSEN_AIKA;
    n.PyydaAjastin(TERVEHDYKSEN_AIKA);
}

// No game's timer runs behind the dialog, whose search had the timer: it
// goes back to the greeting's deadline, or stops.
void Verkkopeli::PalautaAjastin() {
    if (!tervehdysLoppuu_) return n.PeruAjastin();
    n.PyydaAjastin(std::max(std::chrono::milliseconds::zero(), *tervehdysLoppuu_ - n.Nyt()));
}

// The greeting's deadline runs only before any game of the match, when the
// timer has nothing else to wait for.
void Verkkopeli::Ajastin() {
    if (vaihe_ != Vaihe::Tervehtii || !tervehdysLoppuu_) return;
    const auto jaljella = *tervehdysLoppuu_ - n.Nyt();
    if (jaljella > std::chrono::milliseconds::zero()) {
        n.PyydaAjastin(jaljella);
        return;
    }
    tervehdysLoppuu_.reset();
    Katkesi(Katkos::Hiljaisuus);
}

void Verkkopeli::Katkesi(Katkos syy) {
    if (!Kaynnissa()) return;
    // Whoever connected and went before greeting is no opponent: the host
    // goes on waiting for one.
    if (isanta_ && (vaihe_ == Vaihe::Odottaa || vaihe_ == Vaihe::Tervehtii)) {
        tervehdysLoppuu_.reset();
        n.PeruAjastin();
        verkko_.Sulje();
        if (verkko_.Kuuntele(nimi_)) {
            vaihe_ = Vaihe::Odottaa;
            return;
        }
        return Paata(teksti::EI_KUUNNELLA);
    }
    switch (syy) {
        case Katkos::Virheellinen:
            return Paata(teksti::VIRHEELLINEN_VIESTI);
        case Katkos::EiYhteytta:
            return Paata(vaihe_ == Vaihe::Yhdistaa ? teksti::EI_YHTEYTTA : teksti::YHTEYS_KATKESI);
        case Katkos::Suljettu:
        case Katkos::Hiljaisuus:
            return Paata(teksti::YHTEYS_KATKESI);
    }
}

void Verkkopeli::Rivi(const std::string& rivi) {
    if (!Kaynnissa()) return;
    const auto viesti = Tulkitse(rivi);
    if (!viesti) return Virhe();
    if (t.Uppoamassa) {
        if (pidatetyt_.size() == PIDATETTYJA_ENINTAAN) return Virhe();
        pidatetyt_.push_back(*viesti);
        return;
    }
    Kasittele(*viesti);
}

void Verkkopeli::KasittelePidatetyt() {
    while (!pidatetyt_.empty() && !t.Uppoamassa && Kaynnissa()) {
        const viestit::Viesti viesti = std::move(pidatetyt_.front());
        pidatetyt_.pop_front();
        Kasittele(viesti);
    }
}

void Verkkopeli::Kasittele(const viestit::Viesti& viesti) {
    if (std::holds_alternative<viestit::Lopeta>(viesti) && !vastustaja_.empty())
        return Paata(teksti::Lopetti(vastustaja_));
    if (std::holds_alternative<viestit::Varattu>(viesti) && !isanta_ && vaihe_ == Vaihe::Tervehtii)
        return Paata(teksti::VARATTU);
    if (const auto* v = std::get_if<viestit::Tervehdys>(&viesti); v && vaihe_ == Vaihe::Tervehtii)
        return Tervehditty(*v);
    if (const auto* v = std::get_if<viestit::Peliehdot>(&viesti);
        v && !isanta_ && vaihe_ == Vaihe::Ehdot)
        return EhdotSaatu(*v);
    if (const auto* v = std::get_if<viestit::Arpa>(&viesti);
        v && isanta_ && vaihe_ == Vaihe::Sijoitus && !vierasArpa_)
        return ArpaSaatu(*v);
    if (const auto* v = std::get_if<viestit::Valmis>(&viesti);
        v && vaihe_ == Vaihe::Sijoitus && !vastustajanSitoumus_)
        return ValmisSaatu(*v);
    if (const auto* v = std::get_if<viestit::Aloita>(&viesti);
        v && !isanta_ && vaihe_ == Vaihe::Sijoitus && omaValmis_ && vastustajanSitoumus_)
        return AloitaSaatu(*v);
    if (const auto* v = std::get_if<viestit::Ammu>(&viesti))
        return vaihe_ == Vaihe::Ammunta ? AmmuttuMinuun(v->ruutu) : Virhe();
    if (std::holds_alternative<viestit::Ohi>(viesti) ||
        std::holds_alternative<viestit::Osui>(viesti) ||
        std::holds_alternative<viestit::Upposi>(viesti))
        return vaihe_ == Vaihe::Ammunta && odotettu_ ? Vastattu(viesti) : Virhe();
    if (const auto* v = std::get_if<viestit::Paljasta>(&viesti);
        v && vaihe_ == Vaihe::Loppu && !paljastus_)
        return PaljastusSaatu(*v);
    if (std::holds_alternative<viestit::Uusi>(viesti) && Pelissa()) return UusiSaatu();
    if (std::holds_alternative<viestit::EiUutta>(viesti) && pyydetty_) return EiUuttaSaatu();
    Virhe();
}

bool Verkkopeli::Pelissa() const { return vaihe_ >= Vaihe::Ehdot; }

void Verkkopeli::Tervehditty(const viestit::Tervehdys& tervehdys) {
    tervehdysLoppuu_.reset();
    n.PeruAjastin();
    if (tervehdys.versio != PROTOKOLLAN_VERSIO) {
        // The friend hears it from our greeting in turn.
        if (isanta_) Laheta(viestit::Tervehdys{PROTOKOLLAN_VERSIO, nimi_});
        return Paata(teksti::ERI_VERSIO);
    }
    vastustaja_ = tervehdys.nimi;
    if (!isanta_) {
        vaihe_ = Vaihe::Ehdot;
        return;
    }
    Laheta(viestit::Tervehdys{PROTOKOLLAN_VERSIO, nimi_});
    AloitaPeli();
}

viestit::Avaaja Verkkopeli::Avaajasaanto() const {
    if (aloitustapa_ == aloitustapa::ARVOTAAN) return viestit::Avaaja::Arvonta;
    if (aloitustapa_ == aloitustapa::VUOROALOITUS)
        return peleja_ % 2 == 0 ? viestit::Avaaja::Isanta : viestit::Avaaja::Vieras;
    if (aloitustapa_ == aloitustapa::VOITTAJA)
        return isantaVoitti_.value_or(true) ? viestit::Avaaja::Isanta : viestit::Avaaja::Vieras;
    return viestit::Avaaja::Isanta;
}

void Verkkopeli::AloitaPeli() {
    if (!SatunnaisetTavut(omaArpa_)) return Paata(teksti::EI_SATUNNAISUUTTA);
    ehdot_ = {omatKulmat_, omaReuna_, Avaajasaanto(), Sha256(omaArpa_)};
    Laheta(ehdot_);
    AloitaSijoitus();
}

void Verkkopeli::EhdotSaatu(const viestit::Peliehdot& ehdot) {
    if (!SatunnaisetTavut(omaArpa_)) return Paata(teksti::EI_SATUNNAISUUTTA);
    ehdot_ = ehdot;
    Laheta(viestit::Arpa{omaArpa_});
    AloitaSijoitus();
    if (peleja_ == 1)
        peli_.Ilmoita(
            teksti::VERKKOPELI_OTSIKKO,
            teksti::Saannot(vastustaja_, ehdot.kulmatSaavatKoskettaa, ehdot.reunaSallittu),
            Kuvake::Tieto);
}

void Verkkopeli::AloitaSijoitus() {
    vaihe_ = Vaihe::Sijoitus;
    ++peleja_;
    vierasArpa_.reset();
    omaValmis_ = false;
    vastustajanSitoumus_.reset();
    odotettu_.reset();
    vastaukset_.clear();
    paljastus_.reset();
    pyydetty_ = false;
    pidatetyt_.clear();
    AsetaSaannot(ehdot_.kulmatSaavatKoskettaa, ehdot_.reunaSallittu);
    peli_.UusiPeli();
}

void Verkkopeli::LaivastoValmis() {
    if (!SatunnaisetTavut(kertakoodi_)) return Paata(teksti::EI_SATUNNAISUUTTA);
    laivasto_ = LaivastonTeksti(OmaLaivasto(t));
    omaValmis_ = true;
    Laheta(viestit::Valmis{Sitoumus(kertakoodi_, laivasto_)});
    if (isanta_ && vastustajanSitoumus_) Ammunnanalku();
}

void Verkkopeli::ArpaSaatu(const viestit::Arpa& arpa) { vierasArpa_ = arpa.arvo; }

void Verkkopeli::ValmisSaatu(const viestit::Valmis& valmis) {
    // The joining side's part of the draw comes before its fleet.
    if (isanta_ && !vierasArpa_) return Virhe();
    vastustajanSitoumus_ = valmis.sitoumus;
    if (isanta_ && omaValmis_) Ammunnanalku();
}

void Verkkopeli::AloitaSaatu(const viestit::Aloita& aloita) {
    if (Sha256(aloita.arvo) != ehdot_.arvonnanSinetti) return Virhe();
    vierasArpa_ = aloita.arvo;
    Ammunnanalku();
}

// The draw: the host sealed its part before the joining side chose its
// own, and opened it only after, so neither could steer the result.
bool Verkkopeli::IsantaAloittaa() const {
    switch (ehdot_.avaaja) {
        case viestit::Avaaja::Isanta:
            return true;
        case viestit::Avaaja::Vieras:
            return false;
        case viestit::Avaaja::Arvonta:
            return ((omaArpa_[0] ^ (*vierasArpa_)[0]) & 1) == 0;
    }
    return true;
}

void Verkkopeli::Ammunnanalku() {
    if (isanta_) Laheta(viestit::Aloita{omaArpa_});
    vaihe_ = Vaihe::Ammunta;
    peli_.AvaaAmmunta(IsantaAloittaa() == isanta_);
}

void Verkkopeli::Ammu(int ruutu) {
    // A square answered once is known: a miss stays water on this grid.
    const bool vastattu =
        std::ranges::find(vastaukset_, ruutu, &Vastaus::ruutu) != vastaukset_.end();
    if (vaihe_ != Vaihe::Ammunta || odotettu_ || !OnRuudukossa(ruutu) || vastattu) return;
    if (t.KoneenRuudut[ruutu] != Sana::vesi) return;
    odotettu_ = ruutu;
    t.PelaajanVuoro = false;
    Laheta(viestit::Ammu{ruutu});
}

void Verkkopeli::AmmuttuMinuun(int ruutu) {
    // The friend sees every square it shot, and those around a sunk ship, as
    // known: none of them is shot again.
    const Sana sana = t.PelaajanRuudut[ruutu];
    if (t.PelaajanVuoro || odotettu_ || omaVuoroSeuraa_ || sana == Sana::ohi ||
        sana == Sana::uponnut)
        return Virhe();
    omaVuoroSeuraa_ = true;
    if (!peli_.MerkitseVastustajanLaukaus(ruutu)) {
        Laheta(viestit::Ohi{});
        return peli_.UppoamisenJalkeen(Jatko::Verkko);
    }
    const auto laivat = t.Laivat(Puoli::Pelaaja);
    const auto laiva = std::ranges::find_if(laivat, [&](const Laiva& l) {
        return std::ranges::find(l.ruudut, ruutu) != l.ruudut.end();
    });
    const std::vector<int> ruudut(laiva->ruudut.begin(), laiva->ruudut.end());
    if (TulkitseOsuma(peli_, t, Puoli::Pelaaja, ruutu) == Tulkinta::Upposi) {
        Laheta(viestit::Upposi{ruudut});
    } else {
        Laheta(viestit::Osui{});
        peli_.Soita(Aani::Osuma);
    }
    if (t.KoneenOsumat == 20) PeliPaattyi();
    peli_.UppoamisenJalkeen(Jatko::Verkko);
}

void Verkkopeli::Vastattu(const viestit::Viesti& vastaus) {
    const int ruutu = *std::exchange(odotettu_, std::nullopt);
    omaVuoroSeuraa_ = false;
    if (std::holds_alternative<viestit::Ohi>(vastaus)) {
        vastaukset_.push_back({ruutu, Vastaus::Tulos::Ohi, {}});
        peli_.MerkitseOmaLaukaus(ruutu, false);
        return peli_.UppoamisenJalkeen(Jatko::Verkko);
    }
    const auto* upposi = std::get_if<viestit::Upposi>(&vastaus);
    if (upposi && !Upotettavissa(ruutu, upposi->ruudut)) return Virhe();
    peli_.MerkitseOmaLaukaus(ruutu, true);
    if (upposi) {
        vastaukset_.push_back({ruutu, Vastaus::Tulos::Upposi, upposi->ruudut});
        Upota(ruutu, upposi->ruudut);
    } else {
        vastaukset_.push_back({ruutu, Vastaus::Tulos::Osui, {}});
        peli_.Soita(Aani::Osuma);
    }
    if (t.PelaajanOsumat == 20) PeliPaattyi();
    peli_.UppoamisenJalkeen(Jatko::Verkko);
}

// A sunk ship holds the square just shot and squares already hit, and a
// record of its length is still free on this side's view of the friend's fleet.
bool Verkkopeli::Upotettavissa(int ruutu, const std::vector<int>& ruudut) {
    if (std::ranges::find(ruudut, ruutu) == ruudut.end()) return false;
    for (int r : ruudut) {
        if (r != ruutu && t.KoneenRuudut[r] != Sana::uponnut) return false;
        if (std::ranges::count(ruudut, r) != 1) return false;
    }
    const auto laivat = t.Laivat(Puoli::Kone);
    return std::ranges::any_of(
        laivat, [&](const Laiva& l) { return !l.sijoitettu && l.ruudut.size() == ruudut.size(); });
}

// The friend's ship enters its record, and the squares around it are
// blocked as they were for the friend, so the sinking shows them.
void Verkkopeli::Upota(int ruutu, const std::vector<int>& ruudut) {
    auto laivat = t.Laivat(Puoli::Kone);
    const auto laiva = std::ranges::find_if(
        laivat, [&](const Laiva& l) { return !l.sijoitettu && l.ruudut.size() == ruudut.size(); });
    std::ranges::copy(ruudut, laiva->ruudut.begin());
    laiva->sijoitettu = true;
    for (int r : ruudut) {
        for (int m : Naapurit(r, t.LaivojenKulmatSaavatKoskettaa)) {
            if (t.KoneenRuudut[m] == Sana::vesi) t.KoneenRuudut[m] = Sana::varattu;
        }
    }
    TulkitseOsuma(peli_, t, Puoli::Kone, ruutu);
}

void Verkkopeli::UppoaminenEsitetty() {
    if (vaihe_ == Vaihe::Ammunta && std::exchange(omaVuoroSeuraa_, false)) t.PelaajanVuoro = true;
    if (vaihe_ == Vaihe::Loppu && paljastus_) Tulos();
    KasittelePidatetyt();
}

void Verkkopeli::PeliPaattyi() {
    vaihe_ = Vaihe::Loppu;
    omaVuoroSeuraa_ = false;
    t.PeliKaynnissa = false;
    t.AmmuntaKaynnissa = false;
    t.PelaajanVuoro = false;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) n.AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    Laheta(viestit::Paljasta{kertakoodi_, laivasto_});
}

void Verkkopeli::PaljastusSaatu(const viestit::Paljasta& paljastus) {
    paljastus_ = paljastus;
    if (!t.Uppoamassa) Tulos();
}

// The friend's fleet is what it committed to, one it could have laid, and
// the one every answer came from; otherwise the game counts for nobody.
void Verkkopeli::Tulos() {
    vaihe_ = Vaihe::Paattynyt;
    const auto laivasto =
        LueLaivasto(paljastus_->laivasto, ehdot_.kulmatSaavatKoskettaa, ehdot_.reunaSallittu);
    if (!laivasto ||
        Sitoumus(paljastus_->kertakoodi, paljastus_->laivasto) != *vastustajanSitoumus_ ||
        !VastauksetTasmaavat(*laivasto, vastaukset_)) {
        peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_TASMAA, Kuvake::Huutomerkki);
        return;
    }
    const bool voitin = t.PelaajanOsumat == 20;
    ++voitot_[voitin ? 0 : 1];
    isantaVoitti_ = voitin == isanta_;
    if (voitin) {
        peli_.Soita(Aani::Voitto);
        peli_.Ilmoita(teksti::VOITTO_OTSIKKO, teksti::VerkkoVoitto(vastustaja_), Kuvake::Tieto);
        return;
    }
    peli_.Soita(Aani::Tappio);
    // The friend's ships this side never hit come to light.
    for (const auto& laiva : *laivasto) {
        for (int ruutu : laiva) {
            if (t.KoneenRuudut[ruutu] != Sana::uponnut)
                n.NaytaKuva(Puoli::Kone, ruutu, Kuva::Laiva);
        }
    }
    peli_.Ilmoita(teksti::TAPPIO_OTSIKKO, teksti::VerkkoTappio(vastustaja_), Kuvake::Huutomerkki);
}

void Verkkopeli::UusiPeli() {
    if (!Pelissa()) {
        // Waiting for a friend ends, and the computer plays again.
        Palaa();
        return;
    }
    if (pyydetty_ || vastustaja_.empty()) return;
    pyydetty_ = true;
    Laheta(viestit::Uusi{});
}

void Verkkopeli::UusiSaatu() {
    if (!pyydetty_) {
        if (!peli_.Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::HaluaaUudestaan(vastustaja_))) {
            Laheta(viestit::EiUutta{});
            return;
        }
        Laheta(viestit::Uusi{});
    }
    pyydetty_ = false;
    if (isanta_) return AloitaPeli();
    vaihe_ = Vaihe::Ehdot;
    peli_.UusiPeli();
    t.SijoitusKaynnissa = false;
    t.PelaajanVuoro = false;
}

void Verkkopeli::EiUuttaSaatu() {
    pyydetty_ = false;
    peli_.Ilmoita(teksti::UUSI_PELI_OTSIKKO, teksti::EiHaluaUudestaan(vastustaja_), Kuvake::Tieto);
}

void Verkkopeli::Lopeta() {
    if (!Kaynnissa()) return;
    if (!vastustaja_.empty()) Laheta(viestit::Lopeta{});
    verkko_.Sulje();
    vaihe_ = Vaihe::Ei;
}

void Verkkopeli::Laheta(const viestit::Viesti& viesti) { verkko_.Laheta(Muotoile(viesti)); }

void Verkkopeli::Virhe() { Paata(teksti::VIRHEELLINEN_VIESTI); }

void Verkkopeli::Paata(const std::string& syy) {
    Palaa();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, syy, Kuvake::Huutomerkki);
}

void Verkkopeli::Palaa() {
    verkko_.Sulje();
    vaihe_ = Vaihe::Ei;
    tervehdysLoppuu_.reset();
    pidatetyt_.clear();
    AsetaSaannot(omatKulmat_, omaReuna_);
    peli_.AsetaVastustaja(nullptr);
    peli_.UusiPeli();
}

void Verkkopeli::AsetaSaannot(bool kulmat, bool reuna) {
    t.LaivojenKulmatSaavatKoskettaa = kulmat;
    t.LaivaSaaSijaitaReunassa = reuna;
}

void Verkkopeli::OmatSaannot() {
    if (Kaynnissa()) AsetaSaannot(omatKulmat_, omaReuna_);
}

void Verkkopeli::OttelunSaannot() {
    if (!Kaynnissa()) return;
    omatKulmat_ = t.LaivojenKulmatSaavatKoskettaa;
    omaReuna_ = t.LaivaSaaSijaitaReunassa;
    if (Pelissa() && vaihe_ != Vaihe::Ehdot)
        AsetaSaannot(ehdot_.kulmatSaavatKoskettaa, ehdot_.reunaSallittu);
}

void Verkkopeli::Nayta(Tilanne& tilanne) const {
    if (!vastustaja_.empty()) tilanne.otsikko = teksti::Ottelu(voitot_[0], vastustaja_, voitot_[1]);
    tilanne.UusiPeliKaytossa = !t.Uppoamassa && !pyydetty_;
    tilanne.ohje = Ohje(tilanne.ohje);
}

std::string Verkkopeli::Ohje(const std::string& pelin) const {
    if (pyydetty_) return teksti::OdotetaanVastausta(vastustaja_);
    switch (vaihe_) {
        case Vaihe::Odottaa:
            return teksti::OdotetaanVastustajaa(osoitteet_);
        case Vaihe::Ei:
        case Vaihe::Yhdistaa:
        case Vaihe::Tervehtii:
        case Vaihe::Ehdot:
            return teksti::YHDISTETAAN;
        case Vaihe::Sijoitus:
            return omaValmis_ ? teksti::VastustajaSijoittaa(vastustaja_) : pelin;
        case Vaihe::Ammunta:
            return t.PelaajanVuoro ? pelin : teksti::VastustajaAmpuu(vastustaja_);
        case Vaihe::Loppu:
        case Vaihe::Paattynyt:
            return teksti::HAVITTY;
    }
    return pelin;
}
