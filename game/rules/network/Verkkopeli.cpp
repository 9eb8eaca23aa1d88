#include "rules/network/Verkkopeli.h"

#include "rules/Tekstit.h"
#include "rules/network/frmVerkkopeliMalli.h"

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
    : peli_(peli),
      t(tila),
      n(nakyma),
      verkko_(verkko),
      yhteys_(verkko),
      kierros_(peli, tila, *this, yhteys_),
      ottelu_(peli, tila, *this, yhteys_, kierros_) {}

Verkkopeli::~Verkkopeli() = default;

void Verkkopeli::Avaa() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    const std::string& viimeisin = t.ViimeksiListallePaassytPelaaja;
    const std::string& nimi = yhteys_.Nimi();
    auto malli =
        std::make_unique<frmVerkkopeliMalli>(!nimi.empty()       ? nimi
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
    if (!Kaynnissa()) yhteys_.Sulje();
    if (!malli.Hyvaksytty()) return;
    const auto aloita = [this, nimi = malli.Nimi, tapa = malli.Tapa, osoite = malli.Osoite] {
        if (tapa == frmVerkkopeliMalli::ODOTA) {
            Kuuntele(nimi);
        } else {
            Yhdista(nimi, osoite);
        }
    };
    if (!Kaynnissa()) return peli_.JataKesken(aloita);
    if (!yhteys_.Vastustaja().empty()) Laheta(viestit::Lopeta{});
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
    yhteys_.Hae();
    dialogi_->Haettu();
}

void Verkkopeli::AloitaOttelu() {
    odotus_ = Odotus::Ei;
    ottelu_.Alkaa();
    peli_.AsetaVastustaja(this);
    ottelu_.OdotaEhtoja();
}

void Verkkopeli::Kuuntele(const std::string& nimi) {
    if (!yhteys_.Kuuntele(nimi)) {
        peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, teksti::EI_KUUNNELLA, Kuvake::Huutomerkki);
        return;
    }
    AloitaOttelu();
}

void Verkkopeli::Yhdista(const std::string& nimi, const std::string& osoite) {
    yhteys_.Yhdista(nimi);
    AloitaOttelu();
    yhteys_.Soita(osoite);
}

void Verkkopeli::OdotaSeuraavaa() {
    if (!yhteys_.OdotaSeuraavaa()) Paata(teksti::EI_KUUNNELLA);
}

void Verkkopeli::Yhdistetty(const VerkkoYhdistetty& yhdistetty) {
    yhteys_.Yhdistetty(yhdistetty.yhteys);
}

Odotus Verkkopeli::Odotettava() const {
    if (ottelu_.Pyydetty()) return Odotus::Uusinta;
    switch (yhteys_.Tila()) {
        case Yhteydenotto::Vaihe::Tervehtii:
            return Odotus::Tervehdys;
        case Yhteydenotto::Vaihe::Tervehditty:
            return kierros_.Kaynnissa() ? kierros_.Odotettava() : Odotus::Ehdot;
        case Yhteydenotto::Vaihe::Ei:
        case Yhteydenotto::Vaihe::Odottaa:
        case Yhteydenotto::Vaihe::Yhdistaa:
            break;
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
        if (yhteys_.Isanta()) return OdotaSeuraavaa();
        return Paata(teksti::YHTEYS_KATKESI);
    }
    // A friend that was only slow hears why the match ended.
    Laheta(viestit::Lopeta{});
    Paata(teksti::EiVastannut(yhteys_.Vastustaja()));
}

void Verkkopeli::Katkesi(const VerkkoKatkesi& katkos) {
    if (!yhteys_.Oma(katkos.yhteys)) return;
    if (const auto syy = yhteys_.Katkesi(katkos.syy)) Paata(*syy);
}

void Verkkopeli::Rivi(const VerkkoRivi& rivi) {
    if (!yhteys_.Oma(rivi.yhteys)) return;
    const auto viesti = Tulkitse(rivi.rivi);
    // Whoever reached the port is let go without a word.
    if (yhteys_.Vieras(viesti)) return OdotaSeuraavaa();
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

// Each line goes to the part it belongs to; one that none takes is a fault.
void Verkkopeli::Kasittele(const viestit::Viesti& viesti) {
    const std::string& vastustaja = yhteys_.Vastustaja();
    const bool tervehtii = yhteys_.Tila() == Yhteydenotto::Vaihe::Tervehtii;
    if (std::holds_alternative<viestit::Lopeta>(viesti) && !vastustaja.empty())
        return Paata(teksti::Lopetti(vastustaja));
    if (std::holds_alternative<viestit::Varattu>(viesti) && !yhteys_.Isanta() && tervehtii)
        return Paata(teksti::VARATTU);
    if (const auto* v = std::get_if<viestit::Tervehdys>(&viesti); v && tervehtii)
        return Tervehditty(*v);
    if (ottelu_.Kasittele(viesti)) return;
    switch (kierros_.Kasittele(viesti)) {
        case Kierros::Seuraus::Kasitelty:
            return;
        case Kierros::Seuraus::Ratkaistava:
            return ottelu_.Tulos();
        case Kierros::Seuraus::EiOma:
            break;
    }
    Virhe();
}

void Verkkopeli::Tervehditty(const viestit::Tervehdys& tervehdys) {
    if (!yhteys_.Tervehdi(tervehdys)) return Paata(teksti::ERI_VERSIO);
    if (yhteys_.Isanta()) ottelu_.AloitaPeli();
}

void Verkkopeli::UppoaminenEsitetty() {
    if (kierros_.UppoaminenEsitetty()) ottelu_.Tulos();
    KasittelePidatetyt();
}

void Verkkopeli::UusiPeli() {
    if (!yhteys_.Tervehditty()) {
        // Waiting for a friend ends, and the computer plays again.
        Palaa();
        return;
    }
    ottelu_.UusiPeli();
}

void Verkkopeli::Lopeta() {
    if (!Kaynnissa()) return;
    if (!yhteys_.Vastustaja().empty()) Laheta(viestit::Lopeta{});
    yhteys_.Sulje();
    kierros_.Lopeta();
}

void Verkkopeli::Virhe() { Paata(teksti::VIRHEELLINEN_VIESTI); }

// A match that ends while the friend's reveal is awaited ends a game that
// counts for nobody, and the player hears so.
void Verkkopeli::Paata(const std::string& syy) {
    const bool paljastamatta = kierros_.Paljastamatta();
    const std::string kenenkaan = teksti::EiPaljastanut(yhteys_.Vastustaja());
    Palaa();
    peli_.Ilmoita(teksti::VERKKOPELI_OTSIKKO, paljastamatta ? syy + " " + kenenkaan : syy,
                  Kuvake::Huutomerkki);
}

void Verkkopeli::Palaa() {
    yhteys_.Sulje();
    kierros_.Lopeta();
    odotus_ = Odotus::Ei;
    pidatetyt_.clear();
    ottelu_.OmatSaannot();
    peli_.AsetaVastustaja(nullptr);
    peli_.UusiPeli();
}

void Verkkopeli::OmatSaannot() {
    if (Kaynnissa()) ottelu_.OmatSaannot();
}

void Verkkopeli::OttelunSaannot() {
    if (Kaynnissa()) ottelu_.OttelunSaannot();
}

Tilanneosuus Verkkopeli::Tilanteesta() const { return {Ohje(), ottelu_.Pisteet(), true}; }

std::optional<std::string> Verkkopeli::Ohje() const {
    const std::string& vastustaja = yhteys_.Vastustaja();
    if (ottelu_.Pyydetty()) return teksti::OdotetaanVastausta(vastustaja);
    if (yhteys_.Tila() == Yhteydenotto::Vaihe::Odottaa)
        return teksti::OdotetaanVastustajaa(yhteys_.Osoitteet());
    // Until the friend has greeted and the game's rules are agreed.
    if (!yhteys_.Tervehditty() || !kierros_.Kaynnissa()) return teksti::YHDISTETAAN;
    return kierros_.Ohje(vastustaja);
}
