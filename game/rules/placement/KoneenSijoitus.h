#pragma once

#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"
#include "rules/Satunnaisluvut.h"

// The computer lays its fleet at random, ship by ship, under the placement
// rules of the settings.
class KoneenSijoitus {
  public:
    // `yrityksia`: the attempts one ship is given before the whole fleet is
    // laid again from a cleared grid.
    KoneenSijoitus(Pelitila& tila, Ruutunakymat& ruudut, Satunnaisluvut& satunnaisluvut,
                   const int& yrityksia)
        : t(tila), r(ruudut), arpa(satunnaisluvut), yrityksia_(yrityksia) {}

    // One try at the whole fleet on a cleared grid; false when it did not
    // come out at twenty squares.
    bool SijoitaKoneenLaivasto();
    // Lays the next unplaced ship of that length.
    void SijoitaKoneenLaiva(int Pituus);

  private:
    // One random try at a ship; false when it met a square that is not
    // water, and then nothing of it is left laid.
    bool SijoitaKoneenLaivaKerran(const Laiva& laiva);

    Pelitila& t;
    Ruutunakymat& r;
    Satunnaisluvut& arpa;
    const int& yrityksia_;
};
