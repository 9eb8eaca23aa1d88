#pragma once

#include <functional>
#include <string>

#include "platform/registry/rekisteri.h"
#include "store/ParhaatTulokset.h"
#include "store/Tallennustulos.h"

// The game's one registry key. Writers pass it with the trailing backslash,
// readers without; both name the same key.
inline constexpr const char* AVAIN_KIRJOITUS = "Software\\Relvano\\Morvak 1.2 Freeware\\";
inline constexpr const char* AVAIN_LUKU = "Software\\Relvano\\Morvak 1.2 Freeware";

// What a read answers when the value cannot be read for any reason.
inline constexpr const char* EI_LOYTYNYT = "Not Found";

// Writes one value. Never shows anything to the player; the result only tells
// the caller whether every step succeeded, or that another copy of the game
// held the store.
Tallennustulos KirjoitaRekisteriin(HKEY juuri, const std::string& avain, const std::string& nimi,
                                   DWORD tyyppi, const std::string& data);

// Reads one value as text, or "Not Found". A save cut in the middle is
// finished first, so the read finds the values before it or after it.
std::string LueRekisterista(HKEY juuri, const std::string& avain, const std::string& nimi);

// Loads the live list from the store, with "Relvano" / 0 for what is missing,
// and tells in LuettuKokonaan whether every place could be read. A save cut in
// the middle is finished first.
void LataaParhaatTulokset(ParhaatTulokset& lista);

// Writes the staged list, name then score, place 1 first, whole
// (KirjoitaKokonaan): a cut at any moment leaves the list before or after.
// Made inside the KirjoitusEra of PaivitaParhaatTulokset. True when all of it
// was written.
bool TallennaParhaatTulokset(const ParhaatTulokset& lista);

// Changes the list as it is stored at this moment, with no other copy of the
// game able to save between the read and the save. In one KirjoitusEra the
// stored list is read again into `lista`, `valmistele` stages the new list
// from it and says whether there is one, and the staged list is saved; the
// live list is then read back from the store. A save that a crash cut earlier
// is finished before the read, and this one leaves the old list or the new
// one whenever it is cut.
//
// True when the staged list is stored; Varattu, at once, when another copy
// of the game held the key. When the unit cannot be opened, or the stored
// list cannot be read whole (it is then marked so), `valmistele` stages from
// the list in memory and nothing is saved. So a save never
// overwrites what another copy saved or a removal took away, and defaults
// standing in for unread places never replace stored results.
Tallennustulos PaivitaParhaatTulokset(ParhaatTulokset& lista,
                                      const std::function<bool(ParhaatTulokset&)>& valmistele);
