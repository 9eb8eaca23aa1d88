#include "frmAsetukset.h"
#include "frmKysyNimi.h"
#include "frmMorvak.h"
#include "frmParhaatTulokset.h"
#include "frmTietoja.h"

// The dialogs the rules open, each modal over the window that is active.

void frmMorvak::NaytaAsetukset(frmAsetuksetMalli& malli) {
    frmAsetukset(malli).Nayta(Aktiivinen());
}

void frmMorvak::NaytaParhaatTulokset(frmParhaatTuloksetMalli& malli) {
    frmParhaatTulokset(malli).Nayta(Aktiivinen());
}

void frmMorvak::NaytaKysyNimi(frmKysyNimiMalli& malli) { frmKysyNimi(malli).Nayta(Aktiivinen()); }

void frmMorvak::NaytaTietoja(frmTietojaMalli& malli) { frmTietoja(malli).Nayta(Aktiivinen()); }
