#include "win32/Sormikursori.h"
#include "win32/frmMorvak.h"

// The grids' mouse: the window keeps the mouse while a button is held, as an
// image control does, and hands every press and release to the rules, which
// make the clicks of them.

namespace {

constexpr WPARAM NAPIT = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

WPARAM Nappi(int painike) {
    if (painike == 1) return MK_LBUTTON;
    return painike == 2 ? MK_RBUTTON : MK_MBUTTON;
}

}  // namespace

void frmMorvak::HiiriAlas(POINT kohta, int painike, WPARAM napit) {
    SetCapture(hwnd_);
    const bool muita = (napit & NAPIT & ~Nappi(painike)) != 0;
    malli_.Tapahtuu(HiiriPainettu{RuutuKohdassa(kohta), painike, muita});
}

void frmMorvak::HiiriYlos(POINT kohta, int painike, WPARAM napit) {
    const bool muita = (napit & NAPIT) != 0;
    if (!muita) ReleaseCapture();
    malli_.Tapahtuu(HiiriVapautettu{RuutuKohdassa(kohta), painike, muita});
}

bool frmMorvak::AsetaKursori() {
    POINT kohta{};
    GetCursorPos(&kohta);
    ScreenToClient(hwnd_, &kohta);
    const auto ruutu = RuutuKohdassa(kohta);
    if (!ruutu || !Ruudun(ruutu->ruudukko, ruutu->ruutu).sormi) return false;
    SetCursor(Sormikursori());
    return true;
}
