#pragma once

#include "rules/Nakyma.h"

// The side the player plays against, the computer or a friend across the
// network: the moments where the game turns to it.
class Vastustaja {
  public:
    virtual ~Vastustaja() = default;
    // A new game is being laid out: its fleet, if it lays one here. True when
    // the player may start laying ships.
    virtual bool SijoitaLaivasto() = 0;
    // The player's fleet is complete.
    virtual void LaivastoValmis() = 0;
    // The player shoots at a square of its grid.
    virtual void Ammu(int ruutu) = 0;
    // A sinking it waited for has played, or there was none to play.
    virtual void UppoaminenEsitetty() = 0;
    // The settings changed a placement rule.
    virtual void SijoitussaannotMuuttuivat() = 0;
    // The instruction line, the caption and the commands as it has them.
    virtual void Nayta(Tilanne& tilanne) const = 0;
};
