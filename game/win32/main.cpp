#include <windows.h>
// Only after the types it is declared with.
#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "rules/Testisaumat.h"
#include "win32/frmMorvak.h"

namespace {

// Tests make a game repeatable with a seed of their own and shorten the
// computer's pause; a player sets neither.
Satunnaisluvut Arpa() {
    const auto siemen = SiemenSaumasta(std::getenv("MORVAK_SIEMEN"));
    if (!siemen) return Satunnaisluvut();
    return Satunnaisluvut(*siemen, [kello = std::uint64_t{0}]() mutable { return ++kello; });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE ohjelma, HINSTANCE, PWSTR, int naytto) {
    const INITCOMMONCONTROLSEX saatimet{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&saatimet);
    // The grids hand assistive technology objects across processes.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int tulos = 0;
    {
        frmMorvak ikkuna(
            ohjelma, Arpa(),
            TauonPituusSaumasta(std::getenv("MORVAK_TAUKO_MS")).value_or(std::chrono::seconds(1)));
        ShowWindow(ikkuna.Kahva(), naytto);
        UpdateWindow(ikkuna.Kahva());
        tulos = ikkuna.Aja();
    }
    CoUninitialize();
    return tulos;
}
