#pragma once

#include "platform/registry/rekisteri.h"

// Several registry operations on one key as one unit, made by the thread that
// makes the registry calls, one unit at a time. While a unit is open no other
// process opens one on the same key, so what is read inside it is still what
// the store holds when the writes inside it are made.
//
// On the SQLite hive the unit is one write transaction over the whole hive,
// which every registry operation of this process joins: nothing made inside
// it is stored before Vahvista, then all of it with one commit, and a crash
// before that leaves the hive as it was. On Windows a named mutex keeps the
// other copies out, and each write is stored as it is made: there the store
// makes a unit's writes whole itself, with a journal value.
class KirjoitusEra {
  public:
    // Tries once: a key another process holds is not waited for, so the
    // thread that saves is never held up; the caller tries again later.
    KirjoitusEra(HKEY juuri, const char* avain);
    // Ends a unit that was not confirmed; on the SQLite hive nothing made
    // inside it is stored.
    ~KirjoitusEra();
    KirjoitusEra(const KirjoitusEra&) = delete;
    KirjoitusEra& operator=(const KirjoitusEra&) = delete;

    // False when another process held the key, or the store could not be
    // opened: the operations then stand alone.
    bool Auki() const { return auki_; }
    // Another process held the key, as it opened or as it was confirmed:
    // nothing of the unit is stored, and the same unit can be tried again.
    bool Varattu() const { return varattu_; }

    // Ends the unit, storing what was made inside it. True when all of it is
    // stored.
    bool Vahvista();

  private:
    bool auki_ = false;
    bool varattu_ = false;
#ifdef _WIN32
    HANDLE mutex_ = nullptr;
#endif
};

// Deletes the key (as RegDeleteKeyA) once no other process has a unit open on
// it, so a deletion never cuts another copy's save in half. Unlike a unit it
// waits for one (lukonodotus): the removal tool has no window yet to keep
// alive. When the wait runs out the key stays, and the answer is not
// ERROR_SUCCESS.
LONG PoistaAvainLukittuna(HKEY juuri, const char* avain);
