#include "win32/frmAsetukset.h"
#include "win32/frmKysyNimi.h"
#include "win32/frmMorvak.h"
#include "win32/frmParhaatTulokset.h"
#include "win32/frmTietoja.h"

// The dialogs the rules open, each modal over the window that is active.

void frmMorvak::NaytaAsetukset(frmAsetuksetMalli& malli) {
    frmAsetukset(malli).Nayta(Aktiivinen());
}

void frmMorvak::NaytaParhaatTulokset(frmParhaatTuloksetMalli& malli) {
    frmParhaatTulokset(malli).Nayta(Aktiivinen());
}

void frmMorvak::NaytaKysyNimi(frmKysyNimiMalli& malli) { frmKysyNimi(malli).Nayta(Aktiivinen()); }

void frmMorvak::NaytaTietoja(frmTietojaMalli& malli) { frmTietoja(malli).Nayta(Aktiivinen()); }
