#include "platform/registry/arvot.h"

LONG TallennaArvo(HKEY kahva, const char* nimi, DWORD tyyppi, const BYTE* data, DWORD koko) {
    return RegSetValueExA(kahva, nimi, 0, tyyppi, data, koko);
}

LONG KysyArvo(HKEY kahva, const char* nimi, LPDWORD tyyppi, LPBYTE data, LPDWORD koko) {
    return RegQueryValueExA(kahva, nimi, nullptr, tyyppi, data, koko);
}

LONG PoistaArvo(HKEY kahva, const char* nimi) { return RegDeleteValueA(kahva, nimi); }
