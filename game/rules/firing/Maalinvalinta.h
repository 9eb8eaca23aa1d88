#pragma once

#include "rules/Pelitila.h"
#include "rules/Satunnaisluvut.h"

// The computer's aim. It never looks at where the player's ships are: it
// knows only the squares it has seen as "ohi" or "uponnut", whether its
// latest shot hit, and where the rules let no ship lie.

// The computer forgets the ship its last hit sank: the hunt for it is over.
void UnohdaUponnutKohde(Pelitila& t);

// The square to shoot next: along the hunt when one is on, else at random
// among the squares not yet known where a ship may lie. 0 when there is none.
// A hunt whose ship has sunk is forgotten first.
int ValitseMaali(Pelitila& t, Satunnaisluvut& arpa);

// A hit on a ship not yet hunted: the search goes out from it in one of the
// eight orders, drawn afresh.
void AloitaJahti(Pelitila& t, Satunnaisluvut& arpa, int osuma);
