#pragma once

#include "qt/Ikkunapalvelut.h"

// A dialog as the game opens it: its model loaded from the test's game state,
// asking Qt's services of the screen, and the dialog over that model.
template <class Ikkuna, class Malli>
struct Dialogi {
    template <class... Tila>
    explicit Dialogi(Tila&... tila) : malli(tila..., palvelut), ikkuna(malli, nullptr) {}

    Ikkunapalvelut palvelut{nullptr};
    Malli malli;
    Ikkuna ikkuna;
};
