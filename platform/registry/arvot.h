#pragma once

#include "platform/registry/rekisteri.h"

// One value of an open key, its text in UTF-8 whatever the system's code
// page: the store's own encoding of text on every platform. Otherwise as
// RegSetValueExA and RegQueryValueExA: sizes in bytes, a text's terminating
// zero counted, ERROR_MORE_DATA when the data does not fit the buffer.
//
// Windows keeps text values in UTF-16, and its ANSI entry points would read
// the bytes in the user's code page; so there the text goes through the wide
// entry points, and regedit, other programs and any code page see the same
// letters. The SQLite hive stores the UTF-8 bytes as they are.
LONG TallennaArvo(HKEY kahva, const char* nimi, DWORD tyyppi, const BYTE* data, DWORD koko);
LONG KysyArvo(HKEY kahva, const char* nimi, LPDWORD tyyppi, LPBYTE data, LPDWORD koko);
// As RegDeleteValueA.
LONG PoistaArvo(HKEY kahva, const char* nimi);
