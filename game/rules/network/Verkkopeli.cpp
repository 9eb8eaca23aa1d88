#include "rules/network/Verkkopeli.h"

#include <algorithm>
#include <ranges>

#include "platform/crypto/Salaus.h"
#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "rules/firing/Osumantulkinta.h"
#include "rules/network/frmVerkkopeliMalli.h"
#include "rules/settings/Aloitustavat.h"

namespace {

// A friend that connects but never greets is let go after this.
constexpr std::chrono::milliseconds TERVEHDYKSEN_AIKA{10000};
// What a friend's program answers at once: a program that has not answered
// in this time has stopped, even when its system still keeps the connection.
constexpr std::chrono::milliseconds OHJELMAN_AIKA{60000};
// What the friend's player does: lays a fleet, shoots, answers a question.
constexpr std::chrono::milliseconds PELAAJAN_AIKA{300000};
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
    const std::string& viimeisin = t.ViimeksiListallePaassytPelaaja;
    auto malli =
        std::make_unique<frmVerkkopeliMalli>(!nimi_.empty()      ? nimi_
                                             : viimeisin.empty() ? std::string(teksti::NIMETON)
                                                                 : viimeisin,
                                             verkko_.OmatOsoitteet(), n);
    dialogi_ = malli.get();
    Etsi();
    peli_.Avaa(std::move(malli), [this](Valintaikkunamalli& suljettu) {
        Suljettu(static_cast<frmVerkkopeliMalli&>(suljettu));
    });
}

void Verkkopeli::Suljettu(const frmVerkkopeliMalli& malli) {
    dialogi_ = nullptr;
    n.AsetaOsoitin(Osoitin::Oletus);
    // The search ends with its dialog.
    if (!Kaynnissa()) verkko_.Sulje();
    if (!malli.Hyvaksytty()) return;
    const auto aloita = [this, nimi = malli.Nimi, tapa = malli.Tapa, osoite = malli.Osoite] {
        nimi_ = nimi;
        if (tapa == frmVerkkopeliMalli::ODOTA) {
            Kuuntele();
        } else {
            Yhdista(osoite);
        }
    };
    if (!Kaynnissa()) return peli_.JataKesken(aloita);
    if (!vastustaja_.empty()) Laheta(viestit::Lopeta{});
    Palaa();
    aloita();
}

// While the dialog is open its search repeats, so that games started after
// it opened show up too; no game's timer runs behind a dialog.
void Verkkopeli::Loytyi(const PeliLoytyi& peli) {
    if (dialogi_) dialogi_->Loytyi(peli);
}

void Verkkopeli::Etsi() {
    hakuSeuraava_ = n.Nyt() + HAUN_VALI;
    if (Kaynnissa()) return;
    verkko_.Hae();
    dialogi_->Haettu();
}

void Verkkopeli::AloitaOttelu(Vaihe vaihe) {
    vaihe_ = vaihe;
    odotus_ = Odotus::Ei;
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
    ensimmainenYhteys_ = verkko_.SeuraavaYhteys();
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
    ensimmainenYhteys_ = verkko_.SeuraavaYhteys();
    verkko_.Yhdista(osoite);
}

void Verkkopeli::OdotaSeuraavaa() {
    vaihe_ = Vaihe::Odottaa;
    ensimmainenYhteys_ = verkko_.SeuraavaYhteys();
    if (!verkko_.Kuuntele(nimi_)) Paata(teksti::EI_KUUNNELLA);
}

bool Verkkopeli::Oma(int yhteys) const { return Kaynnissa() && yhteys >= ensimmainenYhteys_; }

void Verkkopeli::Yhdistetty(const VerkkoYhdistetty& yhdistetty) {
    if (!Oma(yhdistetty.yhteys) || (vaihe_ != Vaihe::Odottaa && vaihe_ != Vaihe::Yhdistaa)) return;
    vaihe_ = Vaihe::Tervehtii;
    if (!isanta_) Laheta(viestit::Tervehdys{PROTOKOLLAN_VERSIO, nimi_});
}

Verkkopeli::Odotus Verkkopeli::Odotettava() const {
    if (pyydetty_) return Odotus::Uusinta;
    switch (vaihe_) {
        case Vaihe::Tervehtii:
            return Odotus::Tervehdys;
        case Vaihe::Ehdot:
            return Odotus::Ehdot;
        case Vaihe::Sijoitus:
            if (!omaValmis_) return Odotus::Ei;
            return vastustajanSitoumus_ ? Odotus::Aloitus : Odotus::Laivat;
        case Vaihe::Ammunta:
            if (odotettu_) return Odotus::Vastaus;
            return YstavanVuoro() ? Odotus::Laukaus : Odotus::Ei;
        case Vaihe::Loppu:
            return paljastus_ ? Odotus::Ei : Odotus::Paljastus;
        case Vaihe::Ei:
        case Vaihe::Odottaa:
        case Vaihe::Yhdistaa:
        case Vaihe::Paattynyt:
            return Odotus::Ei;
    }
    return Odotus::Ei;
}

// Each wait's deadline is set as the wait begins.
void Verkkopeli::Ajoita() {
    KasittelePidatetyt();
    if (!Kaynnissa() || dialogi_) return;
    const Odotus odotus = Odotettava();
    if (odotus != odotus_) {
        odotus_ = odotus;
        const bool pelaaja =
            odotus == Odotus::Laivat || odotus == Odotus::Laukaus || odotus == Odotus::Uusinta;
        odotusLoppuu_ = n.Nyt() + (odotus == Odotus::Tervehdys ? TERVEHDYKSEN_AIKA
                                   : pelaaja                   ? PELAAJAN_AIKA
                                                               : OHJELMAN_AIKA);
    }
}

// While the dialog is open its search repeats; no game's wait runs behind
// a dialog, and a sinking hands the turn back here once it has played.
std::optional<std::chrono::milliseconds> Verkkopeli::Maaraaika() const {
    if (dialogi_) return hakuSeuraava_;
    if (!Kaynnissa() || t.Uppoamassa || odotus_ == Odotus::Ei) return std::nullopt;
    return odotusLoppuu_;
}

void Verkkopeli::Ajastin() {
    const auto maaraaika = Maaraaika();
    if (!maaraaika || n.Nyt() < *maaraaika) return;
    if (dialogi_) return Etsi();
    Myohassa();
}

void Verkkopeli::Myohassa() {
    if (odotus_ == Odotus::Tervehdys) {
        if (isanta_) return OdotaSeuraavaa();
        return Paata(teksti::YHTEYS_KATKESI);
    }
    // A friend that was only slow hears why the match ended.
    Laheta(viestit::Lopeta{});
    Paata(teksti::EiVastannut(vastustaja_));
}

void Verkkopeli::Katkesi(const VerkkoKatkesi& katkos) {
    if (!Oma(katkos.yhteys)) return;
    if (isanta_ && vaihe_ == Vaihe::Tervehtii) return OdotaSeuraavaa();
    switch (katkos.syy) {
        case Katkos::Virheellinen:
            return Paata(teksti::VIRHEELLINEN_VIESTI);
        case Katkos::EiYhteytta:
            return Paata(vaihe_ == Vaihe::Yhdistaa ? teksti::EI_YHTEYTTA : teksti::YHTEYS_KATKESI);
        case Katkos::Suljettu:
        case Katkos::Hiljaisuus:
            return Paata(teksti::YHTEYS_KATKESI);
    }
}

void Verkkopeli::Rivi(const VerkkoRivi& rivi) {
    if (!Oma(rivi.yhteys)) return;
    const auto viesti = Tulkitse(rivi.rivi);
    // Before a greeting nothing is an opponent: a browser or a scanner that
    // reached the port is let go without a word.
    if (isanta_ && vaihe_ == Vaihe::Tervehtii &&
        !(viesti && std::holds_alternative<viestit::Tervehdys>(*viesti)))
        return OdotaSeuraavaa();
    if (!viesti) return Virhe();
    if (t.Uppoamassa || !pidatetyt_.empty()) {
        if (pidatetyt_.size() == PIDATETTYJA_ENINTAAN) return Virhe();
        pidatetyt_.push_back(*viesti);
        return;
    }
    Kasittele(*viesti);
}

void Verkkopeli::KasittelePidatetyt() {
    while (!pidatetyt_.empty() && !t.Uppoamassa && !peli_.LaatikkoAuki() && Kaynnissa()) {
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
    if (const auto* v = std::get_if<viestit::Paljasta>(&viesti); v && !paljastus_) {
        if (vaihe_ == Vaihe::Loppu) return PaljastusSaatu(*v);
        if (YstavanVuoro()) return KeskenPaljastettu(*v);
        // The answer to the reveal this side gave on catching a lie.
        if (vaihe_ == Vaihe::Paattynyt) {
            paljastus_ = *v;
            return;
        }
    }
    if (std::holds_alternative<viestit::Uusi>(viesti) && Pelissa()) return UusiSaatu();
    if (std::holds_alternative<viestit::EiUutta>(viesti) && pyydetty_) return EiUuttaSaatu();
    Virhe();
}

bool Verkkopeli::Pelissa() const { return vaihe_ >= Vaihe::Ehdot; }

void Verkkopeli::Tervehditty(const viestit::Tervehdys& tervehdys) {
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
    ammututMinuun_ = {};
    pyydetty_ = false;
    pidatetyt_.clear();
    AsetaSaannot(ehdot_.kulmatSaavatKoskettaa, ehdot_.reunaSallittu);
    peli_.UusiPeli();
}

// Firing waits for the friend's fleet too.
void Verkkopeli::LaivastoValmis() {
    t.PelaajanVuoro = false;
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

// Water this side has not shot at. A miss leaves the square water on the
// friend's grid here, so the answers tell which were shot.
bool Verkkopeli::Ammuttava(int ruutu) const {
    return OnRuudukossa(ruutu) && t.KoneenRuudut[ruutu] == Sana::vesi &&
           std::ranges::find(vastaukset_, ruutu, &Vastaus::ruutu) == vastaukset_.end();
}

void Verkkopeli::Ammu(int ruutu) {
    if (!t.PelaajanVuoro || !t.AmmuntaKaynnissa) return;
    if (vaihe_ != Vaihe::Ammunta || odotettu_ || !Ammuttava(ruutu)) return;
    odotettu_ = ruutu;
    t.PelaajanVuoro = false;
    Laheta(viestit::Ammu{ruutu});
}

bool Verkkopeli::YstavanVuoro() const {
    return vaihe_ == Vaihe::Ammunta && !t.PelaajanVuoro && !odotettu_ && !omaVuoroSeuraa_;
}

// The friend sees the squares around a sunk ship as misses and has no reason
// to shoot them, but one that does shoots water.
void Verkkopeli::AmmuttuMinuun(int ruutu) {
    if (!YstavanVuoro() || std::exchange(ammututMinuun_[ruutu], true)) return Virhe();
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
    if (upposi && !Upotettavissa(ruutu, upposi->ruudut)) return Valhe();
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

// A sunk ship is a straight run in laying order through the square just
// shot and squares already hit, touches no other hit square as no two ships
// touch, and a record of its length is still free on this side's view of the
// friend's fleet.
bool Verkkopeli::Upotettavissa(int ruutu, const std::vector<int>& ruudut) const {
    if (!Jonossa(ruudut) || std::ranges::find(ruudut, ruutu) == ruudut.end()) return false;
    const auto muuOsuma = [&](int m) {
        return t.KoneenRuudut[m] == Sana::uponnut && std::ranges::find(ruudut, m) == ruudut.end();
    };
    for (int r : ruudut) {
        if (r != ruutu && t.KoneenRuudut[r] != Sana::uponnut) return false;
        if (std::ranges::any_of(Naapurit(r, t.LaivojenKulmatSaavatKoskettaa), muuOsuma))
            return false;
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

// With a fleet laid under the rules the squares shown as misses around a
// sunk ship are water, so every ship square can still be shot: a grid with
// none left while ships float was answered from no such fleet.
void Verkkopeli::UppoaminenEsitetty() {
    if (vaihe_ == Vaihe::Ammunta && std::exchange(omaVuoroSeuraa_, false)) {
        t.PelaajanVuoro = true;
        const auto ruudut = std::views::iota(1, RUUTUJA + 1);
        if (std::ranges::none_of(ruudut, [this](int r) { return Ammuttava(r); })) Valhe();
    }
    if (vaihe_ == Vaihe::Loppu && paljastus_) Tulos();
    KasittelePidatetyt();
}

void Verkkopeli::LopetaAmmunta() {
    omaVuoroSeuraa_ = false;
    t.PeliKaynnissa = false;
    t.AmmuntaKaynnissa = false;
    t.PelaajanVuoro = false;
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu)
        peli_.Ruudut().AsetaSormiosoitin(Puoli::Kone, ruutu, false);
    Laheta(viestit::Paljasta{kertakoodi_, laivasto_});
}

void Verkkopeli::PeliPaattyi() {
    vaihe_ = Vaihe::Loppu;
    LopetaAmmunta();
}

// The game ends here for nobody. This side's fleet is revealed in place of
// a shot, so that the friend's program can check it too.
void Verkkopeli::Valhe() {
    vaihe_ = Vaihe::Paattynyt;
    LopetaAmmunta();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_TASMAA, Kuvake::Huutomerkki);
}

void Verkkopeli::PaljastusSaatu(const viestit::Paljasta& paljastus) {
    paljastus_ = paljastus;
    if (!t.Uppoamassa) Tulos();
}

// The friend ended the game in its turn, as a side that caught a lie does.
// This side's answers were true, so the friend's fleet must be the liar, or
// its program is at fault.
void Verkkopeli::KeskenPaljastettu(const viestit::Paljasta& paljastus) {
    paljastus_ = paljastus;
    vaihe_ = Vaihe::Paattynyt;
    LopetaAmmunta();
    if (Paljastettu()) return Virhe();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_TASMAA, Kuvake::Huutomerkki);
}

std::optional<Laivasto> Verkkopeli::Paljastettu() const {
    auto laivasto =
        LueLaivasto(paljastus_->laivasto, ehdot_.kulmatSaavatKoskettaa, ehdot_.reunaSallittu);
    if (!laivasto ||
        Sitoumus(paljastus_->kertakoodi, paljastus_->laivasto) != *vastustajanSitoumus_ ||
        !VastauksetTasmaavat(*laivasto, vastaukset_))
        return std::nullopt;
    return laivasto;
}

// Otherwise the game counts for nobody.
void Verkkopeli::Tulos() {
    vaihe_ = Vaihe::Paattynyt;
    const auto laivasto = Paljastettu();
    if (!laivasto) {
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
                peli_.Ruudut().NaytaKuva(Puoli::Kone, ruutu, Kuva::Laiva);
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
    if (pyydetty_) return PeruPyynto();
    pyydetty_ = true;
    Laheta(viestit::Uusi{});
}

// A request can only be taken back with the match: a friend may already
// have agreed and started the next game.
void Verkkopeli::PeruPyynto() {
    peli_.Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::PeruPyynto(vastustaja_), [this](bool kylla) {
        if (!kylla) return;
        Laheta(viestit::Lopeta{});
        Palaa();
    });
}

void Verkkopeli::UusiSaatu() {
    if (pyydetty_) return Uusintaan();
    peli_.Kysy(teksti::UUSI_PELI_OTSIKKO, teksti::HaluaaUudestaan(vastustaja_), [this](bool kylla) {
        if (!kylla) return Laheta(viestit::EiUutta{});
        Laheta(viestit::Uusi{});
        Uusintaan();
    });
}

void Verkkopeli::Uusintaan() {
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

// A match that ends while the friend's reveal is awaited ends a game that
// counts for nobody, and the player hears so.
void Verkkopeli::Paata(const std::string& syy) {
    const bool paljastamatta = vaihe_ == Vaihe::Loppu && !paljastus_;
    const std::string kenenkaan = teksti::EiPaljastanut(vastustaja_);
    Palaa();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, paljastamatta ? syy + " " + kenenkaan : syy,
                  Kuvake::Huutomerkki);
}

void Verkkopeli::Palaa() {
    verkko_.Sulje();
    vaihe_ = Vaihe::Ei;
    odotus_ = Odotus::Ei;
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

Tilanneosuus Verkkopeli::Tilanteesta() const {
    Tilanneosuus osuus{Ohje(), std::nullopt, true};
    if (!vastustaja_.empty()) osuus.tulos = teksti::Ottelu(voitot_[0], vastustaja_, voitot_[1]);
    return osuus;
}

std::optional<std::string> Verkkopeli::Ohje() const {
    switch (Odotettava()) {
        case Odotus::Uusinta:
            return teksti::OdotetaanVastausta(vastustaja_);
        case Odotus::Laivat:
            return teksti::VastustajaSijoittaa(vastustaja_);
        case Odotus::Aloitus:
            return teksti::VastustajaAloittaa(vastustaja_);
        case Odotus::Vastaus:
            return teksti::VastustajaVastaa(vastustaja_);
        case Odotus::Laukaus:
            return teksti::VastustajaAmpuu(vastustaja_);
        case Odotus::Paljastus:
            return teksti::VastustajaPaljastaa(vastustaja_);
        case Odotus::Tervehdys:
        case Odotus::Ehdot:
            return teksti::YHDISTETAAN;
        case Odotus::Ei:
            break;
    }
    switch (vaihe_) {
        case Vaihe::Odottaa:
            return teksti::OdotetaanVastustajaa(osoitteet_);
        case Vaihe::Ammunta:
            // The friend's shot is still sinking one of this side's ships.
            if (t.PelaajanVuoro) return std::nullopt;
            return teksti::VastustajaAmpuu(vastustaja_);
        case Vaihe::Sijoitus:
            return std::nullopt;
        case Vaihe::Loppu:
        case Vaihe::Paattynyt:
            return teksti::HAVITTY;
        case Vaihe::Ei:
        case Vaihe::Yhdistaa:
        case Vaihe::Tervehtii:
        case Vaihe::Ehdot:
            return teksti::YHDISTETAAN;
    }
    return std::nullopt;
}
