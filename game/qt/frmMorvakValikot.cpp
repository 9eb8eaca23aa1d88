#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "frmMorvak.h"

namespace {

QAction* Komento(QMenu* valikko, const char* nimi, const QString& teksti) {
    QAction* komento = valikko->addAction(teksti);
    komento->setObjectName(nimi);
    return komento;
}

QAction* Valinta(QMenu* valikko, const char* nimi, const QString& teksti) {
    QAction* valinta = Komento(valikko, nimi, teksti);
    valinta->setCheckable(true);
    return valinta;
}

void Erotin(QMenu* valikko, const char* nimi) { valikko->addSeparator()->setObjectName(nimi); }

QMenu* Valikko(QMenuBar* palkki, const char* nimi, const QString& teksti) {
    QMenu* valikko = palkki->addMenu(teksti);
    valikko->setObjectName(nimi);
    return valikko;
}

}  // namespace

// The trailing spaces of some captions keep their menus wide, as they always were.
void frmMorvak::LuoValikot() {
    QMenu* mnuTiedosto = Valikko(menuBar(), "mnuTiedosto", "&Tiedosto");
    mUusiPeli = Komento(mnuTiedosto, "mUusiPeli", "&Uusi peli    ");
    mUusiPeli->setShortcut(Qt::Key_F2);
    Erotin(mnuTiedosto, "vTiedosto");
    mLopeta = Komento(mnuTiedosto, "mLopeta", "&Lopeta");

    QMenu* mnuNayta = Valikko(menuBar(), "mnuNayta", "&Näytä");
    mNaytaPainikkeet = Valinta(mnuNayta, "mNaytaPainikkeet", "&Ikkunan alalaidan painikkeet    ");
    mNaytaMahdottomatLaivaruudut = Valinta(mnuNayta, "mNaytaMahdottomatLaivaruudut",
                                           "&Epäkelvot ruudut laivoja sijoiteltaessa");
    Erotin(mnuNayta, "vNayta");
    mNaytaParhaatTulokset = Komento(mnuNayta, "mNaytaParhaatTulokset", "&Parhaat tulokset...");
    mNaytaAsetukset = Komento(mnuNayta, "mNaytaAsetukset", "&Asetukset...");

    QMenu* mnuOhje = Valikko(menuBar(), "mnuOhje", "&Ohje");
    mReadmeOhje = Komento(mnuOhje, "mReadmeOhje", "&Readme-ohje");
    mReadmeOhje->setShortcut(Qt::Key_F1);
    Erotin(mnuOhje, "vOhje");
    mOhjelmapaivitykset = Komento(mnuOhje, "mOhjelmapaivitykset", "Ohjelma&päivitykset...");
    mPalautettaOhjelmasta =
        Komento(mnuOhje, "mPalautettaOhjelmasta", "P&alautetta ohjelmasta...    ");
    mVirheilmoitukset = Komento(mnuOhje, "mVirheilmoitukset", "&Virheilmoitukset...");
    Erotin(mnuOhje, "vOhje2");
    mTietojaOhjelmasta = Komento(mnuOhje, "mTietojaOhjelmasta", "&Tietoja ohjelmasta...");

    const std::pair<QAction*, void (frmMorvak::*)()> kasittelijat[] = {
        {mUusiPeli, &frmMorvak::mUusiPeli_Click},
        {mLopeta, &frmMorvak::mLopeta_Click},
        {mNaytaPainikkeet, &frmMorvak::mNaytaPainikkeet_Click},
        {mNaytaMahdottomatLaivaruudut, &frmMorvak::mNaytaMahdottomatLaivaruudut_Click},
        {mNaytaParhaatTulokset, &frmMorvak::mNaytaParhaatTulokset_Click},
        {mNaytaAsetukset, &frmMorvak::mNaytaAsetukset_Click},
        {mReadmeOhje, &frmMorvak::mReadmeOhje_Click},
        {mOhjelmapaivitykset, &frmMorvak::mOhjelmapaivitykset_Click},
        {mPalautettaOhjelmasta, &frmMorvak::mPalautettaOhjelmasta_Click},
        {mVirheilmoitukset, &frmMorvak::mVirheilmoitukset_Click},
        {mTietojaOhjelmasta, &frmMorvak::mTietojaOhjelmasta_Click},
    };
    for (const auto& [komento, kasittelija] : kasittelijat)
        connect(komento, &QAction::triggered, this, kasittelija);
}
