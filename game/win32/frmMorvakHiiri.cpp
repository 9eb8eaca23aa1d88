#include "win32/Sormikursori.h"
#include "win32/frmMorvak.h"

// The grids' mouse: a square that took a press gets the releases that follow
// wherever the pointer has gone, as an image control does.

void frmMorvak::HiiriAlas(POINT kohta, int painike) {
    if (painallus_) {
        if (painike == 1) painallus_->vasen = true;
        return;
    }
    const auto ruutu = RuutuKohdassa(kohta);
    // A square that is switched off takes no mouse at all.
    if (!ruutu || !Ruudun(ruutu->ruudukko, ruutu->ruutu).kaytossa) return;
    painallus_ = Painallus{ruutu->ruudukko, ruutu->ruutu, painike == 1};
    SetCapture(hwnd_);
}

void frmMorvak::HiiriYlos(POINT kohta, int painike, WPARAM napit) {
    if (!painallus_) return;
    const Painallus painettu = *painallus_;
    // A click needs the pointer still on the square that took the press.
    const bool klikkaus = painike == 1 && painettu.vasen &&
                          RuutuKohdassa(kohta) == Ruutupaikka{painettu.puoli, painettu.ruutu};
    if (painike == 1) painallus_->vasen = false;
    if ((napit & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        painallus_.reset();
        ReleaseCapture();
    }
    malli_.Tapahtuu(RuutuVapautettu{painettu.puoli, painettu.ruutu, painike});
    if (klikkaus) malli_.Tapahtuu(RuutuKlikattu{painettu.puoli, painettu.ruutu});
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
