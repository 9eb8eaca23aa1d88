#include "qt/Kuvaruudukko.h"
#include "qt/frmMorvak.h"

void frmMorvak::NaytaNappaimisto() {
    for (Kuvaruudukko* ruudukko : ruudukot_) ruudukko->NaytaKohdistus();
    const Kohdistus& nappaimisto = malli_.Nappaimisto();
    if (nappaimisto.luovutuksia == luovutuksiaNaytetty_) return;
    luovutuksiaNaytetty_ = nappaimisto.luovutuksia;
    ruudukot_[static_cast<std::size_t>(nappaimisto.ruudukko)]->setFocus(Qt::OtherFocusReason);
}
