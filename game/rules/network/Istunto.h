#pragma once

#include <string>

#include "rules/network/Protokolla.h"

// What the friend is expected to do next; each has its time.
enum class Odotus {
    Ei,
    Tervehdys,  // its greeting
    Ehdot,      // the host's rules for the next game
    Laivat,     // the friend's fleet
    Aloitus,    // the host's start of firing
    Vastaus,    // the answer to this side's shot
    Laukaus,    // the friend's shot
    Paljastus,  // the friend's fleet revealed after the game
    Uusinta,    // the answer to this side's request for another game
};

// What the match and its game ask of the session around them.
class Istunto {
  public:
    virtual ~Istunto() = default;
    virtual void Laheta(const viestit::Viesti& viesti) = 0;
    // The match ends with a word to the player; the computer is the
    // opponent again.
    virtual void Paata(const std::string& syy) = 0;
    // The match ends without a word.
    virtual void Palaa() = 0;
    // A game of the match begins: lines held back in the last one are
    // dropped with it.
    virtual void PeliAlkaa() = 0;
};
