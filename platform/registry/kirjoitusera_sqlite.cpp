#include "platform/registry/kirjoitusera.h"
#include "platform/registry/rekisteripesa.h"

// The hive has one transaction at a time for everything in it, so the key
// named does not narrow it.
KirjoitusEra::KirjoitusEra(HKEY, const char*) : auki_(rekisteripesa::AloitaEra() == SQLITE_OK) {}

KirjoitusEra::~KirjoitusEra() {
    if (auki_) rekisteripesa::PeruEra();
}

bool KirjoitusEra::Vahvista() {
    if (!auki_) return false;
    auki_ = false;
    return rekisteripesa::VahvistaEra() == SQLITE_OK;
}
