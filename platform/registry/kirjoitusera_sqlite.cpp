#include "platform/registry/kirjoitusera.h"
#include "platform/registry/lukonodotus.h"
#include "platform/registry/rekisteripesa.h"

// The hive has one transaction at a time for everything in it, so the key
// named does not narrow it. A unit opened in a nap of a wait for the hive
// would begin a transaction inside the one that waits: it stays closed.
KirjoitusEra::KirjoitusEra(HKEY, const char*)
    : auki_(!lukonodotus::Torkkuu() && rekisteripesa::AloitaEra() == SQLITE_OK) {}

KirjoitusEra::~KirjoitusEra() {
    if (auki_) rekisteripesa::PeruEra();
}

bool KirjoitusEra::Vahvista() {
    if (!auki_) return false;
    auki_ = false;
    return rekisteripesa::VahvistaEra() == SQLITE_OK;
}

// A deletion is one write transaction of its own on the hive, and waits for
// any other process's as long as a unit does; opening a unit first would
// create a hive where there is none.
LONG PoistaAvainLukittuna(HKEY juuri, const char* avain) { return RegDeleteKeyA(juuri, avain); }
