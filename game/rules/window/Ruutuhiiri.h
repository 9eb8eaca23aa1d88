#pragma once

#include <optional>

#include "rules/Asettelu.h"

// The grids' mouse as an image control has it: the square a press lands on
// takes that press and every release after it until no button is held,
// wherever the pointer has gone, and a click is the left button pressed and
// let go on that same square. A square that is switched off takes no press.
class Ruutuhiiri {
  public:
    // What a release makes of the press: the square that took it, the
    // button let go (1 left, 2 right, 4 middle), and whether it was a click.
    struct Vapautus {
        Ruutupaikka paikka;
        int painike;
        bool klikkaus;
    };

    // `paikka`: the square under the pointer, if any; `muitaAlhaalla`: other
    // buttons were held already. A press with none held starts afresh, so a
    // release the window never saw leaves nothing behind.
    void Alas(std::optional<Ruutupaikka> paikka, int painike, bool muitaAlhaalla, bool kaytossa) {
        if (!muitaAlhaalla) painallus_.reset();
        if (painallus_) {
            if (painike == 1) painallus_->vasen = true;
            return;
        }
        if (paikka && kaytossa) painallus_ = Painallus{*paikka, painike == 1};
    }
    std::optional<Vapautus> Ylos(std::optional<Ruutupaikka> paikka, int painike,
                                 bool muitaAlhaalla) {
        if (!painallus_) return std::nullopt;
        const Vapautus vapautus{painallus_->paikka, painike,
                                painike == 1 && painallus_->vasen && paikka == painallus_->paikka};
        if (painike == 1) painallus_->vasen = false;
        if (!muitaAlhaalla) painallus_.reset();
        return vapautus;
    }

  private:
    struct Painallus {
        Ruutupaikka paikka;
        bool vasen;
    };
    std::optional<Painallus> painallus_;
};
