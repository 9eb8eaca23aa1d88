#pragma once

#include <optional>
#include <string>

#include "rules/Nakyma.h"

// What only the opponent knows of what the main window shows; the game
// makes the window's state of it.
struct Tilanneosuus {
    // A line of its own in place of the game's.
    std::optional<std::string> ohje;
    // The match's score, for the caption.
    std::optional<std::string> tulos;
    // "Uusi peli" asks the opponent, so it can be asked in its turn too.
    bool kysyyUutta = false;
};

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
    // Its part of what the window shows.
    virtual Tilanneosuus Tilanteesta() const = 0;
};
