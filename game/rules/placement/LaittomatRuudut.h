#pragma once

#include "rules/Pelitila.h"
#include "rules/Ruutunakymat.h"

// The squares where no ship of the side now laying its fleet may go: around
// every ship laid, and the outer ring when ships are kept off the edge. On
// the player's grid they show as misses while the view option asks for it.
void VaraaLaittomatRuudut(Pelitila& t, Ruutunakymat& r);

// The view option of the blocked squares toggled while the player lays ships.
void NaytaEpakelvotRuudut(Pelitila& t, Ruutunakymat& r, bool nayta);

// Takes back what a refused ship had laid so far.
void PeruLaiva(Pelitila& t, Ruutunakymat& r, Puoli puoli, const Laiva& laiva);
