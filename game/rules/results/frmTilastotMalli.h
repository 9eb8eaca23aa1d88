#pragma once

#include <array>
#include <string>

#include "rules/Pelitila.h"
#include "rules/Valintaikkunamalli.h"

// "Tilastot": the player's games against the computer in figures and two
// pictures, the network games by friend, whether they are kept at all, and
// the command that clears them.
class frmTilastotMalli : public Valintaikkunamalli {
  public:
    frmTilastotMalli(Pelitila& tila, Palvelut& palvelut);

    // lblArvo(0..5): played, won, lost, the share of hits, the fewest shots
    // of a win, the computer's average in its wins.
    std::array<std::string, 6> Arvo;
    std::string Jakauma;    // imgJakauma's name
    std::string Viimeiset;  // imgViimeiset's name
    std::string Verkko;     // lblVerkko: a row per friend
    bool TyhjennaKaytossa = false;

    void Sulje() override { Unload(); }

  private:
    void TaytaLuvut();
    void PidaMuuttui(bool pida);
    void Tyhjenna();

    Pelitila& t;
};
