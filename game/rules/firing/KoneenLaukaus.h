#pragma once

#include "rules/Nakyma.h"
#include "rules/Pelitila.h"
#include "rules/Satunnaisluvut.h"

class Peli;

// The computer's turn: the pause, the shot at the player's grid, and what
// its hit comes to.
class KoneenLaukaus {
  public:
    KoneenLaukaus(Peli& peli, Pelitila& tila, Nakyma& nakyma, Ruutunakymat& ruudut,
                  Satunnaisluvut& satunnaisluvut)
        : peli_(peli), t(tila), n(nakyma), r(ruudut), arpa(satunnaisluvut) {}

    // Firing has opened: when the computer is to start, its turn begins now.
    void AnnaEnsimmainenVuoro();
    // The pause begins; the shot follows when it ends.
    void AloitaTauko();
    // The timer ran out during the pause: the shot, or, when it ran out
    // early, another wait for the rest.
    void JatkaTaukoa();
    void MihinLaivaanTietokoneOsui(int RuutuJohonAmmuttiin);
    // The opponent's shot lands on the player's grid: its picture, sound and
    // count. True for a hit.
    bool MerkitseLaukaus(int maali);
    // The rest of the computer's hit once its sinking, if any, has played:
    // the loss, the hunt, and the turn back to the player.
    void KoneenOsumaRatkaistu();

  private:
    // The computer picks its target and shoots.
    void KoneAmpuu();
    void KoneenVuoroLoppuu();

    Peli& peli_;
    Pelitila& t;
    Nakyma& n;
    Ruutunakymat& r;
    Satunnaisluvut& arpa;
};
