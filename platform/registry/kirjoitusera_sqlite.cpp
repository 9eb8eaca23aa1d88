#include "platform/registry/kirjoitusera.h"
#include "platform/registry/lukonodotus.h"
#include "platform/registry/rekisteripesa.h"

// The hive has one transaction at a time for everything in it, so the key
// named does not narrow it.
KirjoitusEra::KirjoitusEra(HKEY, const char*) {
    const int tulos = rekisteripesa::AloitaEra();
    auki_ = tulos == SQLITE_OK;
    varattu_ = rekisteripesa::Varattu(tulos);
}

KirjoitusEra::~KirjoitusEra() {
    if (auki_) rekisteripesa::PeruEra();
}

// The commit waits for no reader of another process either: one that is
// still reading leaves the unit rolled back, to be made again.
bool KirjoitusEra::Vahvista() {
    if (!auki_) return false;
    auki_ = false;
    const int tulos = rekisteripesa::VahvistaEra();
    varattu_ = rekisteripesa::Varattu(tulos);
    return tulos == SQLITE_OK;
}

// A deletion is one write transaction of its own on the hive; opening a unit
// first would create a hive where there is none.
LONG PoistaAvainLukittuna(HKEY juuri, const char* avain) {
    for (int kerta = 0;; ++kerta) {
        const LONG tulos = RegDeleteKeyA(juuri, avain);
        if (tulos != ERROR_LOCK_VIOLATION || !lukonodotus::Odota(kerta)) return tulos;
    }
}
