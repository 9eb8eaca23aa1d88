#pragma once

#include <functional>
#include <optional>
#include <string>

#include "store/ParhaatTulokset.h"
#include "store/Tallennustulos.h"

// Whether a streak earns a place holding `tulos`: it must beat the score, and
// a streak of no games earns nothing even where a stored score is negative.
bool AnsaitseePaikan(int voitot, int tulos);

// The place a streak earns: the first whose score it beats. A streak equal to
// scores already listed goes below them, so the older entry keeps its place.
std::optional<int> SijaListalla(const ParhaatTulokset& lista, int voitot);

// Stages the live list with the new entry at `sija`; the tenth entry drops out.
void ValmisteleLisays(ParhaatTulokset& lista, int sija, const std::string& nimi, int voitot);

// Enters a finished streak into the list as it is stored at this moment: its
// place is found in the stored list, and the list is saved and read back with
// no other copy able to save in between (PaivitaParhaatTulokset). When the
// save does not succeed the staged list stays live, so the entry the player
// just made is not lost for the rest of the run. A streak that earns no place
// in the stored list saves nothing.
Tallennustulos LisaaListalle(ParhaatTulokset& lista, const std::string& nimi, int voitot);

// Whether any place holds something other than the default entry; the name is
// compared exactly, letter case included.
bool ListallaTuloksia(const ParhaatTulokset& lista);

// Saves the default entry to all ten places, also to those that held it
// already, as any list is saved (PaivitaParhaatTulokset), and puts it in the
// live list even when the store cannot take it.
Tallennustulos TyhjennaLista(ParhaatTulokset& lista);

// A save of the list as the line of saves makes it (Tallennusjono). The
// first try is `tallennus` itself, whose list stays live whatever the store
// says. A try after it, once the store was found held, works on a copy that
// is taken into use only when it is stored: the live list already shows what
// the first try staged, and a second staging on it would enter it twice.
std::function<Tallennustulos()> ListanTallennus(
    ParhaatTulokset& lista, std::function<Tallennustulos(ParhaatTulokset&)> tallennus);
