#include "net/Verkkoyhteys.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "net/Haku.h"
#include "net/Varattu.h"
#include "net/Verkkosaumat.h"
#include "platform/net/tcp.h"
#include "platform/net/udp.h"

namespace {

// How much one readiness may take before the face is given back its turn;
// the socket stays ready and is reported again.
constexpr int KIERROKSIA_KERRALLA = 16;

Katkos Katkoksena(Siirronloppu loppu) {
    return loppu == Siirronloppu::Vaikeni ? Katkos::Hiljaisuus : Katkos::Suljettu;
}

void Torju(std::intptr_t soketti) {
    const std::string rivi = std::string(VARATTU_RIVI) + '\n';
    KirjoitaTcp(soketti, rivi);
    LopetaTcp(soketti);
}

}  // namespace

Verkkoyhteys::Verkkoyhteys(Valvonta& valvonta, std::function<void(Tapahtuma)> kohde,
                           Ratkaisija ratkaisija)
    : valvonta_(valvonta),
      kohde_(std::move(kohde)),
      ratkaisija_(std::move(ratkaisija)),
      portti_(PorttiSaumasta(std::getenv("MORVAK_VERKKO_PORTTI")).value_or(PELIN_PORTTI)),
      lahetysosoite_(
          LahetysosoiteSaumasta(std::getenv("MORVAK_VERKKO_LAHETYS")).value_or(YLEISLAHETYS)) {}

Verkkoyhteys::~Verkkoyhteys() { Sulje(); }

bool Verkkoyhteys::Kuuntele(const std::string& nimi) {
    nimi_ = nimi;
    if (kuuntelija_ == EI_SOKETTIA && !AvaaKuuntelu()) return false;
    if (yhteys_ != EI_SOKETTIA) PoistaYhteys();
    HylkaaRatkaisu();
    // Searches went unanswered while an opponent was here; a port another
    // program took meanwhile only leaves this game to be found by address.
    if (hakuvastaaja_ == EI_SOKETTIA) {
        hakuvastaaja_ = AvaaUdp(portti_);
        if (hakuvastaaja_ != EI_SOKETTIA) valvonta_.Valvo(hakuvastaaja_, false);
    }
    odottaa_ = true;
    return true;
}

bool Verkkoyhteys::AvaaKuuntelu() {
    kuuntelija_ = KuunteleTcp(portti_);
    hakuvastaaja_ = AvaaUdp(portti_);
    if (kuuntelija_ == EI_SOKETTIA || hakuvastaaja_ == EI_SOKETTIA) {
        if (kuuntelija_ != EI_SOKETTIA) ::SuljeSoketti(std::exchange(kuuntelija_, EI_SOKETTIA));
        if (hakuvastaaja_ != EI_SOKETTIA) ::SuljeSoketti(std::exchange(hakuvastaaja_, EI_SOKETTIA));
        return false;
    }
    valvonta_.Valvo(kuuntelija_, false);
    valvonta_.Valvo(hakuvastaaja_, false);
    return true;
}

// A numeric address is tried at once; a name may keep the system's lookup
// waiting on a name server for seconds, so it is looked up aside and the
// attempt goes on when the answer wakes the face.
void Verkkoyhteys::Yhdista(const std::string& osoite) {
    if (yhteys_ != EI_SOKETTIA) PoistaYhteys();
    HylkaaRatkaisu();
    yhteysnro_ = seuraavaYhteys_++;
    kokeilematta_ = RatkaiseNumero(osoite, portti_);
    if (kokeilematta_.empty()) ratkaisu_ = Nimenratkaisu::Aloita(ratkaisija_, osoite, portti_);
    if (ratkaisu_)
        valvonta_.Valvo(ratkaisu_->Kahva(), false);
    else
        KokeileSeuraavaa();
    Toimita();
}

void Verkkoyhteys::Ratkaistu() {
    std::optional<std::vector<Osoite>> osoitteet = ratkaisu_->Tulos();
    if (!osoitteet) return;
    HylkaaRatkaisu();
    kokeilematta_ = std::move(*osoitteet);
    KokeileSeuraavaa();
}

void Verkkoyhteys::HylkaaRatkaisu() {
    if (!ratkaisu_) return;
    valvonta_.Lopeta(ratkaisu_->Kahva());
    ratkaisu_.reset();
}

// The addresses of a name are tried in turn until one answers.
void Verkkoyhteys::KokeileSeuraavaa() {
    while (!kokeilematta_.empty()) {
        const Osoite kohde = kokeilematta_.front();
        kokeilematta_.erase(kokeilematta_.begin());
        yhteys_ = AloitaYhteys(kohde);
        if (yhteys_ == EI_SOKETTIA) continue;
        kirjoitusValvottu_ = true;
        valvonta_.Valvo(yhteys_, true);
        return;
    }
    Ilmoita(VerkkoKatkesi{Katkos::EiYhteytta, yhteysnro_});
}

void Verkkoyhteys::Hae() {
    if (hakija_ == EI_SOKETTIA) {
        hakija_ = AvaaUdp(0);
        if (hakija_ == EI_SOKETTIA) return;
        valvonta_.Valvo(hakija_, false);
    }
    for (const Osoite& kohde : RatkaiseNumero(lahetysosoite_, portti_))
        if (LahetaUdp(hakija_, kohde, HAKUVIESTI)) return;
}

int Verkkoyhteys::SeuraavaYhteys() const { return seuraavaYhteys_; }

void Verkkoyhteys::Laheta(const std::string& rivi) {
    if (!yhdistetty_) return;
    lahtevat_ += rivi;
    lahtevat_ += '\n';
    Kirjoita();
    Toimita();
}

void Verkkoyhteys::Sulje() {
    if (yhdistetty_) KirjoitaJonosta();
    if (yhteys_ != EI_SOKETTIA) PoistaYhteys();
    HylkaaRatkaisu();
    odottaa_ = false;
    kokeilematta_.clear();
    LopetaValvonta(kuuntelija_);
    LopetaValvonta(hakuvastaaja_);
    LopetaValvonta(hakija_);
}

std::vector<std::string> Verkkoyhteys::OmatOsoitteet() const { return KoneenOsoitteet(); }

void Verkkoyhteys::SokettiValmis(std::intptr_t kahva) {
    if (kahva == EI_SOKETTIA) return;
    if (kahva == yhteys_ && !yhdistetty_) Yhdistamassa();
    if (kahva == yhteys_ && yhdistetty_) {
        Kirjoita();
        if (kahva == yhteys_) Lue();
    }
    if (kahva == kuuntelija_) Hyvaksy();
    if (kahva == hakuvastaaja_) VastaaHakuihin();
    if (kahva == hakija_) KeraaVastaukset();
    if (ratkaisu_ && kahva == ratkaisu_->Kahva()) Ratkaistu();
    Toimita();
}

void Verkkoyhteys::Yhdistamassa() {
    switch (YhteydenTila(yhteys_)) {
        case Yhteydentila::Kesken:
            return;
        case Yhteydentila::Epaonnistui:
            PoistaYhteys();
            KokeileSeuraavaa();
            return;
        case Yhteydentila::Valmis:
            yhdistetty_ = true;
            kokeilematta_.clear();
            Ilmoita(VerkkoYhdistetty{yhteysnro_});
            ValvoKirjoitusta(false);
            return;
    }
}

// The first to come is the opponent; from then on, until the rules wait for
// another, others are told so and closed, and searches go unanswered. Even
// once the opponent has gone: its place is not another's before the rules
// have heard it left.
void Verkkoyhteys::Hyvaksy() {
    for (int kierros = 0; kierros < KIERROKSIA_KERRALLA; ++kierros) {
        const std::intptr_t soketti = HyvaksyTcp(kuuntelija_);
        if (soketti == EI_SOKETTIA) return;
        if (!odottaa_) {
            Torju(soketti);
            continue;
        }
        odottaa_ = false;
        yhteys_ = soketti;
        yhteysnro_ = seuraavaYhteys_++;
        yhdistetty_ = true;
        kirjoitusValvottu_ = false;
        valvonta_.Valvo(yhteys_, false);
        LopetaValvonta(hakuvastaaja_);
        Ilmoita(VerkkoYhdistetty{yhteysnro_});
    }
}

void Verkkoyhteys::Lue() {
    std::array<char, 4096> puskuri;
    for (int kierros = 0; kierros < KIERROKSIA_KERRALLA; ++kierros) {
        const Siirto siirto = LueTcp(yhteys_, puskuri);
        if (siirto.loppu == Siirronloppu::Odottaa) return;
        if (siirto.loppu != Siirronloppu::Siirretty) return Katkaise(siirto.loppu);
        std::vector<std::string> rivit;
        const bool kelpo = saapuvat_.Lisaa({puskuri.data(), siirto.tavuja}, rivit);
        for (std::string& rivi : rivit) Ilmoita(VerkkoRivi{std::move(rivi), yhteysnro_});
        if (!kelpo) {
            PoistaYhteys();
            return Ilmoita(VerkkoKatkesi{Katkos::Virheellinen, yhteysnro_});
        }
    }
}

void Verkkoyhteys::Kirjoita() {
    const Siirronloppu loppu = KirjoitaJonosta();
    if (loppu != Siirronloppu::Siirretty && loppu != Siirronloppu::Odottaa) return Katkaise(loppu);
    ValvoKirjoitusta(!lahtevat_.empty());
}

Siirronloppu Verkkoyhteys::KirjoitaJonosta() {
    while (!lahtevat_.empty()) {
        const Siirto siirto = KirjoitaTcp(yhteys_, lahtevat_);
        if (siirto.loppu != Siirronloppu::Siirretty) return siirto.loppu;
        lahtevat_.erase(0, siirto.tavuja);
    }
    return Siirronloppu::Siirretty;
}

// Write readiness is asked only while something waits, so that an idle
// connection never wakes the face.
void Verkkoyhteys::ValvoKirjoitusta(bool kirjoitus) {
    if (kirjoitus == kirjoitusValvottu_) return;
    kirjoitusValvottu_ = kirjoitus;
    valvonta_.Valvo(yhteys_, kirjoitus);
}

void Verkkoyhteys::Katkaise(Siirronloppu loppu) {
    PoistaYhteys();
    Ilmoita(VerkkoKatkesi{Katkoksena(loppu), yhteysnro_});
}

void Verkkoyhteys::PoistaYhteys() {
    valvonta_.Lopeta(yhteys_);
    LopetaTcp(std::exchange(yhteys_, EI_SOKETTIA));
    yhdistetty_ = false;
    kirjoitusValvottu_ = false;
    saapuvat_ = Rivinjako();
    lahtevat_.clear();
}

void Verkkoyhteys::VastaaHakuihin() {
    const std::string vastaus = Hakuvastaus(nimi_);
    for (int kierros = 0; kierros < KIERROKSIA_KERRALLA; ++kierros) {
        const auto datagrammi = VastaanotaUdp(hakuvastaaja_);
        if (!datagrammi) return;
        if (datagrammi->tavut == HAKUVIESTI)
            LahetaUdp(hakuvastaaja_, datagrammi->lahettaja, vastaus);
    }
}

void Verkkoyhteys::KeraaVastaukset() {
    for (int kierros = 0; kierros < KIERROKSIA_KERRALLA; ++kierros) {
        const auto datagrammi = VastaanotaUdp(hakija_);
        if (!datagrammi) return;
        if (auto nimi = VastauksenNimi(datagrammi->tavut))
            Ilmoita(PeliLoytyi{std::move(*nimi), OsoiteTekstina(datagrammi->lahettaja)});
    }
}

void Verkkoyhteys::LopetaValvonta(std::intptr_t& kahva) {
    if (kahva == EI_SOKETTIA) return;
    valvonta_.Lopeta(kahva);
    ::SuljeSoketti(std::exchange(kahva, EI_SOKETTIA));
}

void Verkkoyhteys::Ilmoita(Tapahtuma tapahtuma) { ilmoitettavat_.push_back(std::move(tapahtuma)); }

// Events go out only once the transport's own state is settled, so that a
// sink that calls straight back finds it whole, and in the order they came.
void Verkkoyhteys::Toimita() {
    while (!ilmoitettavat_.empty()) {
        Tapahtuma tapahtuma = std::move(ilmoitettavat_.front());
        ilmoitettavat_.pop_front();
        kohde_(std::move(tapahtuma));
    }
}
