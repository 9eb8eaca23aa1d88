#pragma once

#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"

class Peli;

// The player shoots at the computer's grid; a shot that does not win hands
// the computer its turn.
class PelaajanLaukaus {
  public:
    PelaajanLaukaus(Peli& peli, Pelitila& tila, Ruutunakymat& ruudut)
        : peli_(peli), t(tila), r(ruudut) {}

    void imgKone_Click(int ruutu);
    void MihinLaivaanPelaajaOsui(int RuutuJohonAmmuttiin);
    // The shot's picture, sound and count on the opponent's grid, hit or miss.
    void MerkitseLaukaus(int ruutu, bool osui);
    // A square shot at is shot at once.
    void PoistaKaytosta(int ruutu);

  private:
    Peli& peli_;
    Pelitila& t;
    Ruutunakymat& r;
};
