#include "win32/Osoitin.h"

namespace {

bool tiimalasi = false;

// The pointer is chosen by the window under it when it moves; one that does
// not move is chosen again at once.
void ValitseUudelleen() {
    POINT kohta{};
    GetCursorPos(&kohta);
    HWND ikkuna = WindowFromPoint(kohta);
    if (ikkuna == nullptr || GetWindowThreadProcessId(ikkuna, nullptr) != GetCurrentThreadId())
        return;
    const LRESULT osuma = SendMessageW(ikkuna, WM_NCHITTEST, 0, MAKELPARAM(kohta.x, kohta.y));
    SendMessageW(ikkuna, WM_SETCURSOR, reinterpret_cast<WPARAM>(ikkuna),
                 MAKELPARAM(static_cast<WORD>(osuma), WM_MOUSEMOVE));
}

}  // namespace

void AsetaNaytonOsoitin(Osoitin osoitin) {
    const bool uusi = osoitin == Osoitin::Tiimalasi;
    if (uusi == tiimalasi) return;
    tiimalasi = uusi;
    if (tiimalasi) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
        ValitseUudelleen();
    }
}

bool NaytaTiimalasi() {
    if (!tiimalasi) return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}
