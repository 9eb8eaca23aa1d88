#include "frmMorvak.h"

// What the menus open: the dialogs and the outside links.

void frmMorvak::mNaytaParhaatTulokset_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mNaytaAsetukset_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mTietojaOhjelmasta_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mReadmeOhje_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mOhjelmapaivitykset_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mPalautettaOhjelmasta_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mVirheilmoitukset_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    AsetaOsoitin(Osoitin::Oletus);
}

// Settles the streak that has ended: without a name entry it is given up.
void frmMorvak::NaytaKysyNimi() { tila_.PerakkaisetVoitot = 0; }
