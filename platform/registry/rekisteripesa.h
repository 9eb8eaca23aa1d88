#pragma once

#include <sqlite3.h>

#include <functional>
#include <string>

// The per-user SQLite file behind the registry operations, and the one
// connection a process keeps to it. Callers serialise their calls.
//
// A batch is one write transaction that the changes and reads of this process
// join while it is open, so that several registry operations are stored at
// once or not at all; KirjoitusEra opens it.
namespace rekisteripesa {

// Another process held the hive: nothing was waited for, and nothing of the
// change was made.
bool Varattu(int tulos);

// Where the current user's hive lives.
std::string Polku();

// The connection for reading, or nullptr when there is no hive. Creates nothing.
// Inside a batch, the batch's connection.
sqlite3* LukuYhteys();

// A change that returns SQLITE_OK to be committed; anything else rolls it back
// and is handed on.
using Muutos = std::function<int(sqlite3*)>;

// Runs a change in one durable transaction on an existing hive, or inside
// the open batch.
int Muuta(const Muutos& muutos);

// Runs a change in one durable transaction, creating the folder, the file and
// the tables when missing, or inside the open batch. A file that is not a
// database is put aside and the change is made in a fresh hive.
int Kirjoita(const Muutos& muutos);

// Opens a batch on the hive, creating it as Kirjoita does; SQLITE_OK when the
// batch is open. Batches do not nest.
int AloitaEra();

// Commits the batch with one durable commit; SQLITE_OK when everything made
// in it is stored. A change in it that failed makes the commit a rollback.
int VahvistaEra();

// Rolls the batch back.
void PeruEra();

}  // namespace rekisteripesa
