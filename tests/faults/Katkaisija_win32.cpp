#include <windows.h>

#include "tests/faults/Katkaisija.h"
#include "tests/support/Tuontikoukku.h"

namespace {

using Asetus = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD);
using Poisto = LONG(WINAPI*)(HKEY, LPCWSTR);

long jaljella = 0;
Asetus aseta = nullptr;
Poisto poista = nullptr;

LONG Kirjoitettu(LONG tulos) {
    if (--jaljella == 0) TerminateProcess(GetCurrentProcess(), KATKAISTU);
    return tulos;
}

LONG WINAPI Aseta(HKEY kahva, LPCWSTR nimi, DWORD varattu, DWORD tyyppi, const BYTE* data,
                  DWORD koko) {
    return Kirjoitettu(aseta(kahva, nimi, varattu, tyyppi, data, koko));
}

LONG WINAPI Poista(HKEY kahva, LPCWSTR nimi) { return Kirjoitettu(poista(kahva, nimi)); }

}  // namespace

void KatkaiseHetkella(long n) {
    jaljella = n;
    aseta = KorvaaTuonti<Asetus>("RegSetValueExW", Aseta);
    poista = KorvaaTuonti<Poisto>("RegDeleteValueW", Poista);
    // Without both, the saver would run without ever being cut.
    if (aseta == nullptr || poista == nullptr) ExitProcess(3);
}
