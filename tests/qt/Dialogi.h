#pragma once

#include "qt/Ikkunapalvelut.h"
#include "qt/Valintaikkuna.h"

// A dialog as the game opens it: its model loaded from the test's game state,
// asking Qt's services of the screen, and the generic dialog over that model.
template <class Malli>
struct Dialogi {
    template <class... Tila>
    explicit Dialogi(Tila&... tila) : malli(tila..., palvelut), ikkuna(malli, nullptr) {}

    Ikkunapalvelut palvelut{nullptr, [this](bool kylla) { malli.Vastattu(kylla); }};
    Malli malli;
    Valintaikkuna ikkuna;
};
