#pragma once

#include <array>
#include <string>
#include <vector>

#include "qt/frmMorvak.h"

// The real main window with eyes on what the rules ask of it: every shot
// draws one "latest shot" picture on its square, every new game disables the
// window while the computer lays its fleet, every computer's turn waits in
// the pause, and a sinking ship waits in a loop of its own like the pause.
// Everything is passed on to the window unchanged.
class Seurattuikkuna : public frmMorvak {
  public:
    using frmMorvak::frmMorvak;

    void NaytaKuva(Puoli ruudukko, int ruutu, Kuva kuva) override;
    void AsetaIkkunaKaytossa(bool kaytossa) override;
    bool Tauko() override;
    bool NaytaUppoaminen(Puoli ruudukko, const std::vector<int>& ruudut) override;

    // Squares shot in this game on each grid, in order; index by Puoli.
    const std::vector<int>& Laukaukset(Puoli ruudukko) const {
        return laukaukset_[static_cast<std::size_t>(ruudukko)];
    }
    // What went wrong in the middle of a handler, where no check can stop it.
    std::vector<std::string> havainnot;
    int pelejaAloitettu = 0;
    bool koneSijoittaa = false;
    int tauolla = 0;

  private:
    std::array<std::vector<int>, 2> laukaukset_;
};
