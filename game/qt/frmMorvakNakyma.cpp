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

void frmMorvak::NaytaTilanne(const Tilannemuutos& muutos) {
    if (muutos.otsikko) setWindowTitle(QString::fromStdString(*muutos.otsikko));
    if (muutos.ohje) NaytaOhje(*muutos.ohje);
    for (const Komentotila& tila : muutos.komennot) {
        for (const auto& [toiminto, komento] : komennot_) {
            if (komento != tila.komento) continue;
            toiminto->setEnabled(tila.kaytossa);
            if (tila.valittu) toiminto->setChecked(*tila.valittu);
        }
        for (const int i : {0, 1}) {
            if (Painikekomento(i) == tila.komento) cmdPainike[i]->setEnabled(tila.kaytossa);
        }
    }
    NaytaNappaimisto(muutos);
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
