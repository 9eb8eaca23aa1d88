#include <windows.h>

#include <string>

#include "remover/Viestiruutu.h"

namespace {

// The wide entry point shows the Finnish letters whatever the user's ANSI
// code page is.
std::wstring Leveaksi(const char* utf8) {
    const int pituus = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring tulos(static_cast<std::size_t>(pituus), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, tulos.data(), pituus);
    tulos.resize(static_cast<std::size_t>(pituus > 0 ? pituus - 1 : 0));
    return tulos;
}

}  // namespace

void NaytaViestiruutu(const char* teksti, const char* otsikko) {
    MessageBoxW(nullptr, Leveaksi(teksti).c_str(), Leveaksi(otsikko).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}
