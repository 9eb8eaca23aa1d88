#include "win32/Valintaikkuna.h"
#include "win32/frmMorvak.h"

// Any dialog the rules open, modal over the window that is active.
void frmMorvak::NaytaDialogi(Valintaikkunamalli& malli) {
    Jonoon([this, &malli] {
        Valintaikkuna(malli).Nayta(Aktiivinen());
        return true;
    });
}
