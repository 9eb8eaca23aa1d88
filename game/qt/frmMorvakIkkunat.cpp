#include "Linkit.h"
#include "frmAsetukset.h"
#include "frmKysyNimi.h"
#include "frmMorvak.h"
#include "frmParhaatTulokset.h"
#include "frmTietoja.h"

// What the menus open: the dialogs and the outside links.

void frmMorvak::mNaytaParhaatTulokset_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    frmParhaatTulokset(tila_, this).exec();
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mNaytaAsetukset_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    frmAsetukset(tila_, this).exec();
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mTietojaOhjelmasta_Click() {
    AsetaOsoitin(Osoitin::Tiimalasi);
    frmTietoja(this).exec();
    AsetaOsoitin(Osoitin::Oletus);
}

void frmMorvak::mReadmeOhje_Click() { AvaaReadmeOhje(this); }

void frmMorvak::mOhjelmapaivitykset_Click() { AvaaKotisivu(this); }

void frmMorvak::mPalautettaOhjelmasta_Click() { AvaaPalautelinkki(this); }

void frmMorvak::mVirheilmoitukset_Click() { AvaaPalautelinkki(this); }

// The dialog settles the streak itself: entered or given up, it is 0 after
// either button; only its close box leaves the streak standing.
void frmMorvak::NaytaKysyNimi() { frmKysyNimi(tila_, this).exec(); }
