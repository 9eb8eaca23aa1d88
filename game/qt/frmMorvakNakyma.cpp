#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "qt/Kuvanimio.h"
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
    if (muutos.laivastot) NaytaLaivastot(*muutos.laivastot);
    for (std::size_t i = 0; i < laivastot_.size(); ++i) {
        if (muutos.katsaus[i]) laivastot_[i]->Nayta(QString::fromStdString(*muutos.katsaus[i]));
    }
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
    if (muutos.kuulutus) kuulutus_.Kuuluta(QString::fromStdString(*muutos.kuulutus));
}

void frmMorvak::NaytaLaivastot(bool nayta) {
    Sijoita(alalaita_, malli_.Sijoittelu());
    for (Kuvanimio* laivasto : laivastot_) laivasto->setVisible(nayta);
    // Placing set the line's letters back to their own width.
    NaytaOhje(lblOhje->text().toStdString());
}

void frmMorvak::AsetaKorkeus(int twipit) {
    centralWidget()->setFixedHeight(Twipeista(twipit - IKKUNAN_KEHYKSET));
    layout()->activate();
}

void frmMorvak::SoitaAani(Aani aani) { aanet_.Soita(aani); }

void frmMorvak::PyydaAjastin(std::optional<std::chrono::milliseconds> kesto) {
    if (kesto) return ajastin_.start(*kesto);
    ajastin_.stop();
}
