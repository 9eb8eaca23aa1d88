#include "qt/Valintaikkuna.h"
#include "qt/frmMorvak.h"

// Any dialog the rules open, modal over the main window.
void frmMorvak::NaytaDialogi(Valintaikkunamalli& malli) {
    Jonoon([this, &malli] {
        Valintaikkuna(malli, this).exec();
        return true;
    });
}
