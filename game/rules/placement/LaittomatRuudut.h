#pragma once

#include "rules/Nakyma.h"
#include "rules/Pelitila.h"

// The squares where no ship of the side now laying its fleet may go: around
// every ship laid, and the outer ring when ships are kept off the edge. On
// the player's grid they show as misses while the view option asks for it.
void VaraaLaittomatRuudut(Pelitila& t, Nakyma& n);

// The view option of the blocked squares toggled while the player lays ships.
void NaytaEpakelvotRuudut(Pelitila& t, Nakyma& n, bool nayta);

// Takes back what a refused ship had laid so far.
void PeruLaiva(Pelitila& t, Nakyma& n, Puoli puoli, const Laiva& laiva);
