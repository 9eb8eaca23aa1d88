#include "rules/window/frmMorvakMalli.h"

#include <algorithm>
#include <utility>

#include "rules/Asettelu.h"
#include "rules/Tekstit.h"
#include "rules/about/Linkit.h"
#include "rules/about/frmTietojaMalli.h"
#include "rules/fleets/Jaljella.h"
#include "rules/pictures/Laivastokuva.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/results/frmTilastotMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"
#include "store/Asetusarvot.h"

frmMorvakMalli::frmMorvakMalli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& arpa, Verkko* verkko)
    : t(tila), n(nakyma), verkko_(verkko), peli_(tila, nakyma, arpa) {
    if (verkko_) {
        verkkopeli_.emplace(peli_, tila, nakyma, *verkko_);
        peli_.LisaaMaaraajat(&*verkkopeli_);
    }
}

int frmMorvakMalli::Korkeus(bool painikkeet, bool laivastot) {
    return (painikkeet ? KORKEUS_PAINIKKEIN : KORKEUS_ILMAN_PAINIKKEITA) +
           (laivastot ? LAIVASTOKAISTA : 0);
}

Sovitus frmMorvakMalli::Sijoittelu() const { return frmMorvakSijoittelu(t.NaytaLaivastot); }

piirros::Pikselikuva frmMorvakMalli::Laivastokuva(Puoli puoli, int leveys, int korkeus) const {
    return piirros::Laivastokuva(Uponneet(t, puoli), leveys, korkeus);
}

void frmMorvakMalli::Form_Load(int pisteitaTuumalla) {
    kasittelyssa_ = true;
    peli_.Ruudut().Kerataan();
    // Both options were drawn unchecked.
    t.NaytaPainikkeet = LueNakymavalinta("NaytaPainikkeet", false);
    t.NaytaMahdottomatLaivaruudut = LueNakymavalinta("NaytaMahdottomatLaivaruudut", false);
    // A game that has never been asked to make a sound stays silent.
    t.Aanet = LueTotuusasetus("Aanet", false);
    // A band the window never had stays away until asked for.
    t.NaytaLaivastot = LueTotuusasetus("NaytaLaivastot", false);
    n.AsetaKorkeus(Korkeus(t.NaytaPainikkeet, t.NaytaLaivastot));
    const auto aloita = [this] {
        peli_.AloitaOhjelma();
        peli_.Paivita();
    };
    // The layout was drawn for 96 and 120 dots per inch; at other densities
    // the captions can outgrow their controls.
    if (pisteitaTuumalla != 96 && pisteitaTuumalla != 120) {
        peli_.Ilmoita(teksti::TIHEYS_OTSIKKO, teksti::TIHEYS, Kuvake::Tieto, aloita);
    } else {
        aloita();
    }
    kasittelyssa_ = false;
    KasitteleJono();
}

void frmMorvakMalli::Tapahtuu(const Tapahtuma& tapahtuma) {
    if (poistumassa_) return Poistuessa(tapahtuma);
    if (LopetusVastaa(tapahtuma)) return;
    if (const auto* soketti = std::get_if<SokettiValmis>(&tapahtuma)) {
        if (verkko_) LueSoketti(soketti->kahva);
        return;
    }
    if (Tulva(tapahtuma)) {
        verkko_->Sulje();
        jono_.push_back(
            VerkkoKatkesi{Katkos::Virheellinen, std::get<VerkkoRivi>(tapahtuma).yhteys});
    } else {
        jono_.push_back(tapahtuma);
    }
    KasitteleJono();
}

// A friend has no reason to send more than a few lines while a box is up;
// more than this waiting in line is a flood, not a game.
bool frmMorvakMalli::Tulva(const Tapahtuma& tapahtuma) const {
    constexpr std::ptrdiff_t RIVEJA_JONOSSA = 64;
    return std::holds_alternative<VerkkoRivi>(tapahtuma) &&
           std::ranges::count_if(jono_, [](const Tapahtuma& e) {
               return std::holds_alternative<VerkkoRivi>(e);
           }) >= RIVEJA_JONOSSA;
}

// The transport hands what it read back through Tapahtuu; it waits in line
// until the socket's turn is over.
void frmMorvakMalli::LueSoketti(std::intptr_t kahva) {
    const bool kasittelyssa = std::exchange(kasittelyssa_, true);
    verkko_->SokettiValmis(kahva);
    kasittelyssa_ = kasittelyssa;
    KasitteleJono();
}

// While a box or a dialog is open only its answer, and what the open
// network dialog takes, are handled; everything else waits for the answer,
// in the order it came.
bool frmMorvakMalli::Pidetaan(const Tapahtuma& tapahtuma) const {
    if (!peli_.LaatikkoAuki() || std::holds_alternative<Vastattu>(tapahtuma)) return false;
    if (std::holds_alternative<PeliLoytyi>(tapahtuma)) return false;
    return !(std::holds_alternative<AjastinLaukesi>(tapahtuma) && verkkopeli_ &&
             verkkopeli_->DialogiAuki());
}

// Events that came in while one was handled wait for it: none is handled
// inside another.
void frmMorvakMalli::KasitteleJono() {
    if (kasittelyssa_) return;
    kasittelyssa_ = true;
    peli_.Ruudut().Kerataan();
    bool tapahtui = false;
    for (auto seuraava = jono_.begin(); seuraava != jono_.end() && !poistumassa_;) {
        if (Pidetaan(*seuraava)) {
            ++seuraava;
            continue;
        }
        const Tapahtuma tapahtuma = *seuraava;
        jono_.erase(seuraava);
        Kasittele(tapahtuma);
        if (poistumassa_) break;
        if (verkkopeli_) verkkopeli_->Ajoita();
        peli_.Ajoita();
        tapahtui = true;
        // The answer may have let through what waited behind the box.
        seuraava = jono_.begin();
    }
    kasittelyssa_ = false;
    if (poistumassa_) {
        jono_.clear();
        return;
    }
    peli_.Ruudut().Nayta();
    if (tapahtui) peli_.Paivita();
}

// A request to quit while the quit question is open, or while the program
// is on its way out, is answered by that question; a second one waiting
// behind the first would only ask again.
bool frmMorvakMalli::LopetusVastaa(const Tapahtuma& tapahtuma) const {
    const auto lopettaa = [](const Tapahtuma& e) {
        if (std::holds_alternative<SulkemisPyynto>(e)) return true;
        const auto* komento = std::get_if<KomentoValittu>(&e);
        return komento &&
               (komento->komento == Komento::Lopeta || komento->komento == Komento::LopetaPainike);
    };
    if (!lopettaa(tapahtuma)) return false;
    return lopetetaan_ || std::ranges::any_of(jono_, lopettaa);
}

void frmMorvakMalli::Kasittele(const Tapahtuma& tapahtuma) {
    std::visit(
        [this](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, KomentoValittu>) {
                Suorita(e.komento);
            } else if constexpr (std::is_same_v<T, HiiriPainettu>) {
                const bool kaytossa =
                    e.kohdalla && peli_.Ruudut()(e.kohdalla->ruudukko, e.kohdalla->ruutu).kaytossa;
                hiiri_.Alas(e.kohdalla, e.painike, e.muitaAlhaalla, kaytossa);
            } else if constexpr (std::is_same_v<T, HiiriVapautettu>) {
                HiiriYlos(e);
            } else if constexpr (std::is_same_v<T, RuudukonNappain>) {
                Ruudukko_KeyDown(e.ruudukko, e.nappain);
            } else if constexpr (std::is_same_v<T, EnterPainettu>) {
                Enter();
            } else if constexpr (std::is_same_v<T, Vastattu>) {
                peli_.Vastattu(e.kylla);
            } else if constexpr (std::is_same_v<T, AjastinLaukesi>) {
                Ajastin();
            } else if constexpr (std::is_same_v<T, PeliLoytyi>) {
                if (verkkopeli_) verkkopeli_->Loytyi(e);
            } else if constexpr (std::is_same_v<T, VerkkoYhdistetty>) {
                if (verkkopeli_) verkkopeli_->Yhdistetty(e);
            } else if constexpr (std::is_same_v<T, VerkkoRivi>) {
                if (verkkopeli_) verkkopeli_->Rivi(e);
            } else if constexpr (std::is_same_v<T, VerkkoKatkesi>) {
                if (verkkopeli_) verkkopeli_->Katkesi(e);
            } else if constexpr (std::is_same_v<T, SulkemisPyynto>) {
                Form_QueryUnload(e.tapa);
            }
        },
        tapahtuma);
}

// The player's grid takes every button's release, the computer's only the
// left button's click.
void frmMorvakMalli::HiiriYlos(const HiiriVapautettu& vapautus) {
    const auto ylos = hiiri_.Ylos(vapautus.kohdalla, vapautus.painike, vapautus.muitaAlhaalla);
    if (!ylos) return;
    if (ylos->paikka.ruudukko == Puoli::Pelaaja) {
        peli_.imgPelaaja_MouseUp(ylos->paikka.ruutu, ylos->painike);
    } else if (ylos->klikkaus) {
        peli_.imgKone_Click(ylos->paikka.ruutu);
    }
}

void frmMorvakMalli::Suorita(Komento komento) {
    // A command out of reach as the state stands is dropped: a shortcut key,
    // or a click the window system delivers late, can still bring one.
    if (!Kaytossa(peli_.NykyinenTilanne(), komento)) return;
    switch (komento) {
        case Komento::UusiPeli:
            UusiPeli();
            break;
        case Komento::SijoitaLaivatSatunnaisesti:
            peli_.SijoitaLaivatSatunnaisesti();
            break;
        case Komento::Lopeta:
            mLopeta_Click();
            break;
        case Komento::NaytaPainikkeet:
            mNaytaPainikkeet_Click();
            break;
        case Komento::NaytaMahdottomatLaivaruudut:
            mNaytaMahdottomatLaivaruudut_Click();
            break;
        case Komento::Aanet:
            mAanet_Click();
            break;
        case Komento::NaytaLaivastot:
            mNaytaLaivastot_Click();
            break;
        case Komento::Verkkopeli:
            if (verkkopeli_) verkkopeli_->Avaa();
            break;
        case Komento::NaytaParhaatTulokset:
            mNaytaParhaatTulokset_Click();
            break;
        case Komento::NaytaTilastot:
            NaytaDialogi<frmTilastotMalli>({}, t);
            break;
        case Komento::NaytaAsetukset:
            mNaytaAsetukset_Click();
            break;
        case Komento::ReadmeOhje:
            AvaaReadmeOhje(n);
            break;
        case Komento::Ohjelmapaivitykset:
            AvaaKotisivu(n);
            break;
        case Komento::PalautettaOhjelmasta:
        case Komento::Virheilmoitukset:
            AvaaPalautelinkki(n);
            break;
        case Komento::TietojaOhjelmasta:
            mTietojaOhjelmasta_Click();
            break;
        case Komento::UusiPeliPainike:
            cmdPainike_Click(0);
            break;
        case Komento::LopetaPainike:
            cmdPainike_Click(1);
            break;
    }
}

// Enter that no button took stands for the window's default button.
void frmMorvakMalli::Enter() {
    for (const Nappainkomento& komento : Nappainkomennot()) {
        if (komento.nappain == Nappain::Enter) Suorita(komento.komento);
    }
}

void frmMorvakMalli::mLopeta_Click() { Lopetus(); }

void frmMorvakMalli::Form_QueryUnload(Sulkutapa tapa) {
    if (tapa == Sulkutapa::Koodi) {
        Lopeta();
        return;
    }
    Lopetus();
}

void frmMorvakMalli::Lopetus() {
    lopetetaan_ = true;
    peli_.VahvistaLopetus([this](bool loppuu) {
        lopetetaan_ = false;
        if (loppuu) Lopeta();
    });
}

void frmMorvakMalli::Ajastin() {
    peli_.Ajastin();
    if (verkkopeli_) verkkopeli_->Ajastin();
}

void frmMorvakMalli::UusiPeli() {
    if (verkkopeli_ && verkkopeli_->Kaynnissa()) {
        verkkopeli_->UusiPeli();
    } else {
        peli_.mUusiPeli_Click();
    }
}

// Whatever the game was waiting for ends with it. A save still waiting for
// another copy of the game to let go of the store keeps the program, its
// window taking nothing, for at most the rest of its five seconds: it is made
// at its deadline, as any other, and the program ends after it.
void frmMorvakMalli::Lopeta() {
    if (verkkopeli_) verkkopeli_->Lopeta();
    peli_.Tilastoi(Lopputulos::Kesken);
    poistumassa_ = true;
    t.TauonLoppu.reset();
    t.Uppoamassa.reset();
    if (t.Tallennukset.Odottaa()) n.AsetaIkkunaKaytossa(false);
    Poistu();
}

void frmMorvakMalli::Poistuessa(const Tapahtuma& tapahtuma) {
    if (loppunut_) return;
    if (std::holds_alternative<AjastinLaukesi>(tapahtuma)) peli_.Ajastin();
    Poistu();
}

void frmMorvakMalli::Poistu() {
    if (t.Tallennukset.Odottaa()) return peli_.Ajoita();
    loppunut_ = true;
    n.Lopeta();
}

// Hidden buttons still take their access keys; only visible ones act.
void frmMorvakMalli::cmdPainike_Click(int Index) {
    if (!t.NaytaPainikkeet) return;
    if (Index == 0) {
        UusiPeli();
    } else {
        mLopeta_Click();
    }
}

void frmMorvakMalli::mNaytaPainikkeet_Click() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.NaytaPainikkeet = !t.NaytaPainikkeet;
    // The buttons go off while the band changes, and the showing at the end
    // of the command turns them on again: from then on hidden buttons take
    // their access keys, and their clicks do nothing.
    peli_.PainikkeetKaytossa(t.NaytaPainikkeet);
    // Without the band the client area ends above it, cutting off the
    // instruction frame and both buttons.
    n.AsetaKorkeus(Korkeus(t.NaytaPainikkeet, t.NaytaLaivastot));
    TallennaValinta("NaytaPainikkeet", t.NaytaPainikkeet);
    n.AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvakMalli::mNaytaMahdottomatLaivaruudut_Click() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.NaytaMahdottomatLaivaruudut = !t.NaytaMahdottomatLaivaruudut;
    TallennaValinta("NaytaMahdottomatLaivaruudut", t.NaytaMahdottomatLaivaruudut);
    peli_.NaytaEpakelvotRuudut(t.NaytaMahdottomatLaivaruudut);
    n.AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvakMalli::TallennaValinta(const std::string& nimi, bool arvo) {
    t.Tallennukset.Tallenna(n.Nyt(), [nimi, arvo] { return Tallenna(nimi, Totuusarvona(arvo)); });
}

void frmMorvakMalli::mAanet_Click() {
    t.Aanet = !t.Aanet;
    TallennaValinta("Aanet", t.Aanet);
}

// The band comes or goes with the showing at the end of the command; the
// window's height changes with it.
void frmMorvakMalli::mNaytaLaivastot_Click() {
    t.NaytaLaivastot = !t.NaytaLaivastot;
    n.AsetaKorkeus(Korkeus(t.NaytaPainikkeet, t.NaytaLaivastot));
    TallennaValinta("NaytaLaivastot", t.NaytaLaivastot);
}

// A dialog opened from the menu: under the hourglass, over a model loaded
// afresh, with the window up to date while it is open.
template <class Malli, class... Tila>
void frmMorvakMalli::NaytaDialogi(std::function<void()> sitten, Tila&... tila) {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    peli_.Avaa(std::make_unique<Malli>(tila..., n), [this, sitten = std::move(sitten)](auto&) {
        n.AsetaOsoitin(Osoitin::Oletus);
        if (sitten) sitten();
    });
}

void frmMorvakMalli::mNaytaParhaatTulokset_Click() { NaytaDialogi<frmParhaatTuloksetMalli>({}, t); }

void frmMorvakMalli::mNaytaAsetukset_Click() {
    const bool kulmat = t.LaivojenKulmatSaavatKoskettaa;
    const bool reuna = t.LaivaSaaSijaitaReunassa;
    if (verkkopeli_) verkkopeli_->OmatSaannot();
    NaytaDialogi<frmAsetuksetMalli>(
        [this, kulmat, reuna] {
            if (verkkopeli_) verkkopeli_->OttelunSaannot();
            if (t.LaivojenKulmatSaavatKoskettaa != kulmat || t.LaivaSaaSijaitaReunassa != reuna)
                peli_.SijoitussaannotMuuttuivat();
        },
        t);
}

void frmMorvakMalli::mTietojaOhjelmasta_Click() { NaytaDialogi<frmTietojaMalli>({}); }
