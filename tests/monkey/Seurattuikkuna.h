#pragma once

#include <array>
#include <string>
#include <vector>

#include "qt/frmMorvak.h"

// The real main window with eyes on what the rules ask of it: every shot
// draws one "latest shot" picture on its square, and every new game disables
// the window while the computer lays its fleet. Everything is passed on to
// the window unchanged.
class Seurattuikkuna : public frmMorvak {
  public:
    using frmMorvak::frmMorvak;

    void NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) override;
    void AsetaIkkunaKaytossa(bool kaytossa) override;
    // The computer's pause or a sinking is under way.
    bool Odottaa() { return Tila().TauonLoppu || Tila().Uppoamassa; }

    // Squares shot in this game on each grid, in order; index by Puoli.
    const std::vector<int>& Laukaukset(Puoli ruudukko) const {
        return laukaukset_[static_cast<std::size_t>(ruudukko)];
    }
    // What went wrong in the middle of a handler, where no check can stop it.
    std::vector<std::string> havainnot;
    // The phase each new game ended: a game can be won or lost, its box
    // answered and the next one begun inside one event, with no check between.
    std::vector<std::string> paattyneetVaiheet;
    int pelejaAloitettu = 0;
    bool koneSijoittaa = false;

  private:
    std::array<std::vector<int>, 2> laukaukset_;
    // The picture each square was last handed with.
    std::array<std::array<Kuva, 101>, 2> kuvat_{};
};
