#include <windows.h>

#include "platform/text/leveat.h"
#include "remover/Viestiruutu.h"

void NaytaViestiruutu(const char* teksti, const char* otsikko) {
    MessageBoxW(nullptr, Leveaksi(teksti).c_str(), Leveaksi(otsikko).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}
