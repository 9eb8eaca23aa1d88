#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/registry/rekisteri.h"

// Saves of several values that a crash, a power cut or a kill at any moment
// leaves whole, old or new, on Windows as on the SQLite hive. The registry
// has no transaction: a journal of the change is stored before the values
// and taken away after them, and whoever reads the key through the store
// next finishes a save the journal is still there for.

// The texts of a save, by value name, in the order they are written.
using Tekstit = std::vector<std::pair<std::string, std::string>>;

// Writes the texts as REG_SZ values, whole. Made inside a KirjoitusEra of the
// key, so that no other copy of the game writes or finishes a save meanwhile.
// The journal, holding each value's text before and after, is written and
// flushed first; then the values and one flush; then the journal goes.
// True when all of it was written; after a failure between the journal and
// its removal, the next read finishes the save.
bool KirjoitaKokonaan(HKEY juuri, const std::string& avain, const Tekstit& tekstit);

// Inside a KirjoitusEra: finishes the save a journal in the key tells of,
// when the store can explain it: every value it names still holds its text
// before the save or after it. A journal it cannot explain (a later version's,
// a damaged one, or one whose values a program that knows no journal has
// changed since) is left as it is, and the values stand as they are.
void ViimeisteleKesken(HKEY juuri, const std::string& avain);

// Before a read: when the key holds a journal, opens the key's KirjoitusEra
// and finishes that save. Without one, only looks.
void KorjaaEnnenLukua(HKEY juuri, const std::string& avain);
