#pragma once

#include <string>

#include "store/KokonainenTallennus.h"
#include "store/Tallennustulos.h"

// The forms in which the window's options and the game's settings are stored
// under the game's key, beside the best-results list.

// Booleans are stored as "True" and "False".
std::string Totuusarvona(bool arvo);

// A view option as the window reads it at start: "True", or no value at all,
// turns it on; "False" turns it off; any other text leaves `suunniteltu`, the
// state the menu was drawn with.
bool LueNakymavalinta(const std::string& nimi, bool suunniteltu);

// A game setting as the game reads it at start: "True" or "False"; no value,
// or any other text, leaves `alku`, the value a run starts from.
bool LueTotuusasetus(const std::string& nimi, bool alku);

// A text value under the game's key as it is stored, or "Not Found".
std::string LueAsetus(const std::string& nimi);

// Writes one text value under the game's key; true when every step
// succeeded, Varattu when another copy of the game held the store.
Tallennustulos Tallenna(const std::string& nimi, const std::string& arvo);

// Stores the texts, by value name, as one: a crash at any moment leaves all
// of them as they were or all new. Nothing is stored while another copy of
// the game holds the key: that is Varattu, at once.
Tallennustulos TallennaYhdessa(const Tekstit& tekstit);

// Stores the four game settings, in the order PelinAloitustapa,
// LaivojenKulmatSaavatKoskettaa, LaivaSaaSijaitaReunassa,
// NaytetaanLaivojenUppoaminen, as one: a crash at any moment leaves all four
// as they were or all four new. Nothing is stored while another copy of the
// game holds the key: that is Varattu, at once. True when stored.
Tallennustulos TallennaAsetukset(const std::string& aloitustapa, bool kulmat, bool reuna,
                                 bool uppoaminen);
