#pragma once

#include "rules/Pelitila.h"

// The keys the grids answer, whatever a face calls them.
enum class Ruutunappain {
    Vasemmalle,
    Oikealle,
    Ylos,
    Alas,
    RivinAlkuun,       // Home
    RivinLoppuun,      // End
    Valilyonti,        // the left button on the focus square
    VaihtoValilyonti,  // Shift+Space: any other button on it
};

// The focus square after a key; a key that moves nothing leaves it. The
// focus stops at the grid's edges instead of wrapping to another row.
int Siirretty(int ruutu, Ruutunappain nappain);

// The mouse button a key stands for on the focus square: 1 the left, 2 any
// other; 0 for a key that only moves the focus.
int Painikkeena(Ruutunappain nappain);

// A new game: both focus squares back on square 1 and the keyboard handed to
// the player's grid.
void AloitaKohdistus(Kohdistus& kohdistus);
void LuovutaNappaimisto(Kohdistus& kohdistus, Puoli ruudukko);
