#include "qt/frmAsetukset.h"
#include "qt/frmKysyNimi.h"
#include "qt/frmMorvak.h"
#include "qt/frmParhaatTulokset.h"
#include "qt/frmTietoja.h"

// The dialogs the rules open, each modal over the main window.

void frmMorvak::NaytaAsetukset(frmAsetuksetMalli& malli) { frmAsetukset(malli, this).exec(); }

void frmMorvak::NaytaParhaatTulokset(frmParhaatTuloksetMalli& malli) {
    frmParhaatTulokset(malli, this).exec();
}

void frmMorvak::NaytaKysyNimi(frmKysyNimiMalli& malli) { frmKysyNimi(malli, this).exec(); }

void frmMorvak::NaytaTietoja(frmTietojaMalli& malli) { frmTietoja(malli, this).exec(); }
