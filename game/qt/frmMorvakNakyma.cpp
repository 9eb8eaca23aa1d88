#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "qt/Kuvaruudukko.h"
#include "qt/Kuvaruutu.h"
#include "qt/Twipit.h"
#include "qt/frmMorvak.h"

// What the rules ask of the main window, realised on screen.

Kuvaruutu* frmMorvak::Ruutu(Puoli ruudukko, int ruutu) const {
    return ruudukot_[static_cast<std::size_t>(ruudukko)]->Ruutu(ruutu);
}

// Each square paints from the rules' record; only what changed is touched.
void frmMorvak::NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) {
    for (const auto& [ruudukko, numero, nakyma] : muutokset) {
        Kuvaruutu* ruutu = Ruutu(ruudukko, numero);
        ruutu->update();
        ruutu->setEnabled(nakyma.kaytossa);
        if (nakyma.sormi) {
            ruutu->setCursor(sormikursori_);
        } else {
            ruutu->unsetCursor();
        }
    }
}

void frmMorvak::AsetaIkkunaKaytossa(bool kaytossa) { setEnabled(kaytossa); }

void frmMorvak::NaytaTilanne(const Tilanne& tilanne) {
    if (tilanne.otsikko != naytetty_.otsikko)
        setWindowTitle(QString::fromStdString(tilanne.otsikko));
    if (tilanne.ohje != naytetty_.ohje) NaytaOhje(tilanne.ohje);
    for (const auto& [toiminto, komento] : komennot_) {
        const bool kaytossa = Kaytossa(tilanne, komento);
        if (toiminto->isEnabled() != kaytossa) toiminto->setEnabled(kaytossa);
    }
    NaytaValinnat(tilanne);
    for (int i = 0; i < 2; ++i) {
        QPushButton* painike = cmdPainike[static_cast<std::size_t>(i)];
        const bool kaytossa = Kaytossa(tilanne, Painikekomento(i));
        if (painike->isEnabledTo(painike->parentWidget()) != kaytossa)
            painike->setEnabled(kaytossa);
    }
    naytetty_ = tilanne;
    NaytaNappaimisto();
}

void frmMorvak::NaytaValinnat(const Tilanne& tilanne) {
    for (const auto& [toiminto, komento] : komennot_) {
        if (const auto valittu = Valittu(tilanne, komento)) toiminto->setChecked(*valittu);
    }
}

void frmMorvak::AsetaPainikkeetKaytossa(bool kaytossa) {
    for (QPushButton* painike : cmdPainike) painike->setEnabled(kaytossa);
}

void frmMorvak::AsetaKorkeus(int twipit) {
    centralWidget()->setFixedHeight(Twipeista(twipit - IKKUNAN_KEHYKSET));
    layout()->activate();
}

// The services every window's model shares.
void frmMorvak::AsetaOsoitin(Osoitin osoitin) { palvelut_.AsetaOsoitin(osoitin); }

void frmMorvak::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) {
    palvelut_.Ilmoita(otsikko, teksti, kuvake);
}

void frmMorvak::Kysy(const std::string& otsikko, const std::string& teksti) {
    palvelut_.Kysy(otsikko, teksti);
}

void frmMorvak::AvaaKuorella(const Kuorikohde& kohde, Nayttokomento naytto) {
    palvelut_.AvaaKuorella(kohde, naytto);
}

std::string frmMorvak::OhjelmanKansio() const { return palvelut_.OhjelmanKansio(); }

void frmMorvak::SoitaAani(Aani aani) { aanet_.Soita(aani); }

void frmMorvak::PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) {
    if (kesto) return ajastin_.start(*kesto);
    ajastin_.stop();
}

std::chrono::milliseconds frmMorvak::Nyt() const { return palvelut_.Nyt(); }
