#pragma once

// The game's registry key under HKEY_CURRENT_USER. The removal tool shares
// nothing else with the game but the registry layer's lock on the key, so it
// keeps its own copy of the path; the parent Software\Relvano belongs to more
// than this one product and stays.
inline constexpr const char* MORVAKIN_AVAIN = "Software\\Relvano\\Morvak 1.2 Freeware";

// What the user is told afterwards: the text and the title of the one box.
struct PoistonTulos {
    const char* teksti;
    const char* otsikko;
};

inline constexpr PoistonTulos POISTETTU = {"Morvak-ohjelman järjestelmätiedot poistettu!",
                                           "Poistettu"};
inline constexpr PoistonTulos EI_POISTETTU = {
    "Morvak-ohjelman järjestelmätietojen poisto ei onnistu.", "Virhe"};

// Deletes the game's key once no copy of the game is saving into it, waiting
// for one that is as long as the game's saves wait for each other. Any
// refusal of the platform (no key, no hive, no access, a save that does not
// end within the wait) counts as a failure and leaves the stored data as it
// was.
PoistonTulos PoistaJarjestelmatiedot();
