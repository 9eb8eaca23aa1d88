#pragma once

#include "rules/Nakyma.h"
#include "rules/Pelitila.h"

class Peli;

// The player shoots at the computer's grid; a shot that does not win hands
// the computer its turn.
class PelaajanLaukaus {
  public:
    PelaajanLaukaus(Peli& peli, Pelitila& tila, Nakyma& nakyma) : peli_(peli), t(tila), n(nakyma) {}

    void imgKone_Click(int ruutu);
    void MihinLaivaanPelaajaOsui(int RuutuJohonAmmuttiin);

  private:
    Peli& peli_;
    Pelitila& t;
    Nakyma& n;
};
