#pragma once

// The game's registry key under HKEY_CURRENT_USER. The removal tool shares
// nothing else with the game, so it keeps its own copy of the path; the parent
// Software\Relvano belongs to more than this one product and stays.
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

// Deletes the game's key. Any refusal of the platform (no key, no hive, no
// access) counts as a failure and leaves the stored data as it was.
PoistonTulos PoistaJarjestelmatiedot();
