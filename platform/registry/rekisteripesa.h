#pragma once

#include <sqlite3.h>

#include <functional>
#include <string>

// The per-user SQLite file behind the registry operations, and the one
// connection a process keeps to it. Callers serialise their calls.
namespace rekisteripesa {

// Where the current user's hive lives.
std::string Polku();

// The connection for reading, or nullptr when there is no hive. Creates nothing.
sqlite3* LukuYhteys();

// A change that returns SQLITE_OK to be committed; anything else rolls it back
// and is handed on.
using Muutos = std::function<int(sqlite3*)>;

// Runs a change in one durable transaction on an existing hive.
int Muuta(const Muutos& muutos);

// Runs a change in one durable transaction, creating the folder, the file and
// the tables when missing. A file that is not a database is put aside and the
// change is made in a fresh hive.
int Kirjoita(const Muutos& muutos);

}  // namespace rekisteripesa
