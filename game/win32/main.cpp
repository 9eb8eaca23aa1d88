#include <windows.h>
// Only after the types it is declared with.
#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "win32/frmMorvak.h"

namespace {

// Tests make a game repeatable with a seed of their own and shorten the
// computer's pause; a player sets neither.
Satunnaisluvut Arpa() {
    const char* siemen = std::getenv("MORVAK_SIEMEN");
    if (siemen == nullptr) return Satunnaisluvut();
    return Satunnaisluvut(std::strtoull(siemen, nullptr, 10),
                          [kello = std::uint64_t{0}]() mutable { return ++kello; });
}

std::chrono::milliseconds TauonPituus() {
    const char* tauko = std::getenv("MORVAK_TAUKO_MS");
    return std::chrono::milliseconds(tauko == nullptr ? 1000 : std::strtol(tauko, nullptr, 10));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE ohjelma, HINSTANCE, PWSTR, int naytto) {
    const INITCOMMONCONTROLSEX saatimet{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&saatimet);
    // The grids hand assistive technology objects across processes.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int tulos = 0;
    {
        frmMorvak ikkuna(ohjelma, Arpa(), TauonPituus());
        ShowWindow(ikkuna.Kahva(), naytto);
        UpdateWindow(ikkuna.Kahva());
        tulos = ikkuna.Aja();
    }
    CoUninitialize();
    return tulos;
}
