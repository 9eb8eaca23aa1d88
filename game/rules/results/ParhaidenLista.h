#pragma once

#include <optional>
#include <string>

#include "ParhaatTulokset.h"

// The name of an empty place; its score is 0.
inline constexpr const char* LISTAN_OLETUSNIMI = "Relvano";

// Whether a streak earns a place holding `tulos`: it must beat the score, and
// a streak of no games earns nothing even where a stored score is negative.
bool AnsaitseePaikan(int voitot, int tulos);

// The place a streak earns: the first whose score it beats. A streak equal to
// scores already listed goes below them, so the older entry keeps its place.
std::optional<int> SijaListalla(const ParhaatTulokset& lista, int voitot);

// Stages the live list with the new entry at `sija`; the tenth entry drops out.
void ValmisteleLisays(ParhaatTulokset& lista, int sija, const std::string& nimi, int voitot);

// Enters a finished streak: staged, saved, and read back from the store. When
// the save does not fully succeed the staged list stays live, so the entry the
// player just made is not lost for the rest of the run. A list that was not
// read whole is read again first; if it still cannot be, nothing is saved, so
// the defaults standing in for unread places never replace stored results. A
// streak that earns no place leaves the list untouched.
void LisaaListalle(ParhaatTulokset& lista, const std::string& nimi, int voitot);

// Whether any place holds something other than the default entry; the name is
// compared exactly, letter case included.
bool ListallaTuloksia(const ParhaatTulokset& lista);

// Writes the default entry to all ten places, also to those that held it
// already, and puts it in the live list.
void TyhjennaLista(ParhaatTulokset& lista);
