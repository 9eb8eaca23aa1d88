#include <QApplication>
#include <QEventLoop>

#include "Kuvaruutu.h"
#include "NaytonOsoitin.h"
#include "Viestilaatikot.h"
#include "frmMorvak.h"

Kuvaruutu* frmMorvak::Ruutu(Puoli ruudukko, int ruutu) const {
    return ruudukko == Puoli::Pelaaja ? imgPelaaja[ruutu] : imgKone[ruutu];
}

void frmMorvak::NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) {
    Ruutu(ruudukko, ruutu)->NaytaKuva(kuva);
}

void frmMorvak::AsetaSormiosoitin(Puoli ruudukko, int ruutu, bool sormi) {
    if (sormi) {
        Ruutu(ruudukko, ruutu)->setCursor(sormikursori_);
    } else {
        Ruutu(ruudukko, ruutu)->unsetCursor();
    }
}

void frmMorvak::AsetaRuutuKaytossa(Puoli ruudukko, int ruutu, bool kaytossa) {
    Ruutu(ruudukko, ruutu)->setEnabled(kaytossa);
}

void frmMorvak::AsetaOsoitin(Osoitin osoitin) { AsetaNaytonOsoitin(osoitin); }

void frmMorvak::AsetaIkkunaKaytossa(bool kaytossa) { setEnabled(kaytossa); }

bool frmMorvak::EpakelvotRuudutNakyvissa() const {
    return mNaytaMahdottomatLaivaruudut->isChecked();
}

void frmMorvak::Ilmoita(const std::string& otsikko, const std::string& teksti, Kuvake kuvake) {
    NaytaViesti(this, QString::fromStdString(otsikko), QString::fromStdString(teksti), kuvake);
}

bool frmMorvak::Kysy(const std::string& otsikko, const std::string& teksti) {
    return KysyVahvistus(this, QString::fromStdString(otsikko), QString::fromStdString(teksti));
}

void frmMorvak::KasitteleTapahtumat() { QCoreApplication::processEvents(); }

// The computer's pause waits in an event loop of its own, so the window
// repaints, the turn timer ticks and the menus answer without the processor
// spinning. It lasts its full length and at least one tick of the timer.
bool frmMorvak::Tauko() {
    if (lopetetaan_) return false;
    // The commands go out of reach before the first event of the pause can
    // use them, not only at the timer's next tick.
    tmrAjastin_Timer();
    QEventLoop silmukka;
    tauko_ = &silmukka;
    tauonAikaKulunut_ = false;
    tikkiTauonAikana_ = false;
    QTimer::singleShot(tauonPituus_, &silmukka, [this] {
        tauonAikaKulunut_ = true;
        PaataTaukoJosValmis();
    });
    silmukka.exec();
    tauko_ = nullptr;
    return !lopetetaan_;
}

void frmMorvak::PaataTaukoJosValmis() {
    if (tauonAikaKulunut_ && tikkiTauonAikana_) tauko_->quit();
}
