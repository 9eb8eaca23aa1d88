#pragma once

#include <string>

#include "platform/registry/rekisteri.h"

// A value as text, or "Not Found", with the registry's answer to the first
// step that failed.
struct Arvo {
    std::string teksti;
    LONG tila;
};

// Reads one value: opens the key, queries the value into a buffer of 2048
// spaces, and closes the key whatever happened.
Arvo LueArvo(HKEY juuri, const std::string& avain, const std::string& nimi);

// Whether the read tells what the store holds: the value, its absence, or a
// value too long to read, which the game takes as missing all the same.
// Anything else (the hive held by another process, a failing disk) leaves it
// unknown.
bool Luettu(LONG tila);

// Stores a text with one terminating zero as the value `nimi` of an open key.
LONG AsetaTeksti(HKEY kahva, const std::string& nimi, DWORD tyyppi, const std::string& teksti);
