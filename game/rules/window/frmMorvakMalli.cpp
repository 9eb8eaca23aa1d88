#include "rules/window/frmMorvakMalli.h"

#include "rules/Asettelu.h"
#include "rules/Tekstit.h"
#include "rules/about/Linkit.h"
#include "rules/about/frmTietojaMalli.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"
#include "store/Asetusarvot.h"

frmMorvakMalli::frmMorvakMalli(Pelitila& tila, Nakyma& nakyma, Satunnaisluvut& arpa)
    : t(tila), n(nakyma), nakyvat_(nakyma), peli_(tila, nakyvat_, arpa) {}

int frmMorvakMalli::Korkeus(bool painikkeet) {
    return painikkeet ? KORKEUS_PAINIKKEIN : KORKEUS_ILMAN_PAINIKKEITA;
}

void frmMorvakMalli::Form_Load(int pisteitaTuumalla) {
    // Both options were drawn unchecked.
    t.NaytaPainikkeet = LueNakymavalinta("NaytaPainikkeet", false);
    t.NaytaMahdottomatLaivaruudut = LueNakymavalinta("NaytaMahdottomatLaivaruudut", false);
    n.AsetaKorkeus(Korkeus(t.NaytaPainikkeet));
    // The layout was drawn for 96 and 120 dots per inch; at other densities
    // the captions can outgrow their controls.
    if (pisteitaTuumalla != 96 && pisteitaTuumalla != 120)
        peli_.Ilmoita(teksti::TIHEYS_OTSIKKO, teksti::TIHEYS, Kuvake::Tieto);
    peli_.AloitaOhjelma();
    peli_.Paivita();
}

namespace {

// Counts an event of the window for as long as it is being handled.
class Kasittely {
  public:
    explicit Kasittely(int& kasittelyssa) : kasittelyssa_(kasittelyssa) { ++kasittelyssa_; }
    ~Kasittely() { --kasittelyssa_; }
    Kasittely(const Kasittely&) = delete;
    Kasittely& operator=(const Kasittely&) = delete;

  private:
    int& kasittelyssa_;
};

}  // namespace

void frmMorvakMalli::Suorita(Komento komento) {
    const Kasittely kasittely(kasittelyssa_);
    switch (komento) {
        case Komento::UusiPeli:
            mUusiPeli_Click();
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
        case Komento::NaytaParhaatTulokset:
            mNaytaParhaatTulokset_Click();
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
    n.TilanneMuuttui();
}

void frmMorvakMalli::imgPelaaja_MouseUp(int ruutu, int painike) {
    const Kasittely kasittely(kasittelyssa_);
    peli_.imgPelaaja_MouseUp(ruutu, painike);
    n.TilanneMuuttui();
}

void frmMorvakMalli::imgKone_Click(int ruutu) {
    const Kasittely kasittely(kasittelyssa_);
    peli_.imgKone_Click(ruutu);
    n.TilanneMuuttui();
}

// A new game starts only between events. A click the window system delivers
// late (a button's access key presses it a moment after the key) can arrive
// while a box of the game is open or the computer lays its fleet; a game
// started there would be pulled from under the event still being handled.
void frmMorvakMalli::mUusiPeli_Click() {
    if (Sisakkainen()) return;
    peli_.mUusiPeli_Click();
}

void frmMorvakMalli::mLopeta_Click() {
    if (peli_.VahvistaLopetus()) Lopeta();
}

bool frmMorvakMalli::Form_QueryUnload(Sulkutapa tapa) {
    const Kasittely kasittely(kasittelyssa_);
    if (tapa == Sulkutapa::Koodi) return true;
    if (!peli_.VahvistaLopetus()) return false;
    Lopeta();
    return true;
}

void frmMorvakMalli::Lopeta() { n.Lopeta(); }

// Hidden buttons still take their access keys; only visible ones act.
void frmMorvakMalli::cmdPainike_Click(int Index) {
    if (!t.NaytaPainikkeet) return;
    if (Index == 0) {
        mUusiPeli_Click();
    } else {
        mLopeta_Click();
    }
}

void frmMorvakMalli::mNaytaPainikkeet_Click() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.NaytaPainikkeet = !t.NaytaPainikkeet;
    // Hidden buttons are off until the state is next shown; from then on
    // they take their access keys again, and their clicks do nothing.
    n.AsetaPainikkeetKaytossa(t.NaytaPainikkeet);
    // Without the band the client area ends above it, cutting off the
    // instruction frame and both buttons.
    n.AsetaKorkeus(Korkeus(t.NaytaPainikkeet));
    Tallenna("NaytaPainikkeet", Totuusarvona(t.NaytaPainikkeet));
    n.AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvakMalli::mNaytaMahdottomatLaivaruudut_Click() {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    t.NaytaMahdottomatLaivaruudut = !t.NaytaMahdottomatLaivaruudut;
    Tallenna("NaytaMahdottomatLaivaruudut", Totuusarvona(t.NaytaMahdottomatLaivaruudut));
    peli_.NaytaEpakelvotRuudut(t.NaytaMahdottomatLaivaruudut);
    n.AsetaOsoitin(Osoitin::Oletus);
}

// A dialog opened from the menu: under the hourglass, over a model loaded
// afresh, with the window up to date while it is open.
template <class Malli, class... Tila>
void frmMorvakMalli::NaytaDialogi(void (Nakyma::*nayta)(Malli&), Tila&... tila) {
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    peli_.Paivita();
    Malli malli(tila..., n);
    (n.*nayta)(malli);
    n.AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvakMalli::mNaytaParhaatTulokset_Click() {
    NaytaDialogi<frmParhaatTuloksetMalli>(&Nakyma::NaytaParhaatTulokset, t);
}

void frmMorvakMalli::mNaytaAsetukset_Click() {
    const bool kulmat = t.LaivojenKulmatSaavatKoskettaa;
    const bool reuna = t.LaivaSaaSijaitaReunassa;
    NaytaDialogi<frmAsetuksetMalli>(&Nakyma::NaytaAsetukset, t);
    if (t.LaivojenKulmatSaavatKoskettaa != kulmat || t.LaivaSaaSijaitaReunassa != reuna)
        peli_.SijoitussaannotMuuttuivat();
}

void frmMorvakMalli::mTietojaOhjelmasta_Click() {
    NaytaDialogi<frmTietojaMalli>(&Nakyma::NaytaTietoja);
}
