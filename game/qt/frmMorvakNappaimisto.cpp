#include "qt/Kuvaruudukko.h"
#include "qt/frmMorvak.h"

void frmMorvak::NaytaNappaimisto(const Tilannemuutos& muutos) {
    for (std::size_t i = 0; i < ruudukot_.size(); ++i)
        ruudukot_[i]->NaytaKohdistus(muutos.kohdistus[i]);
    if (muutos.nappaimisto)
        ruudukot_[static_cast<std::size_t>(*muutos.nappaimisto)]->setFocus(Qt::OtherFocusReason);
}
