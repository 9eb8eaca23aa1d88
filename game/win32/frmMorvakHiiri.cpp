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
    // A square that is switched off, or sinking, takes no mouse at all.
    if (!ruutu) return;
    const Ruutu& painettu = Ruudun(ruutu->first, ruutu->second);
    if (!painettu.kaytossa || painettu.vedenpinta) return;
    painallus_ = Painallus{ruutu->first, ruutu->second, painike == 1};
    SetCapture(hwnd_);
}

void frmMorvak::HiiriYlos(POINT kohta, int painike, WPARAM napit) {
    if (!painallus_) return;
    const Painallus painettu = *painallus_;
    const RECT alue = RuudunAlue(painettu.puoli, painettu.ruutu);
    // A click needs the pointer still on the square that took the press.
    const bool klikkaus = painike == 1 && painettu.vasen && PtInRect(&alue, kohta);
    if (painike == 1) painallus_->vasen = false;
    if ((napit & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        painallus_.reset();
        ReleaseCapture();
    }
    if (painettu.puoli == Puoli::Pelaaja) {
        malli_.imgPelaaja_MouseUp(painettu.ruutu, painike);
    } else if (klikkaus) {
        malli_.imgKone_Click(painettu.ruutu);
    }
}

bool frmMorvak::AsetaKursori() {
    POINT kohta{};
    GetCursorPos(&kohta);
    ScreenToClient(hwnd_, &kohta);
    const auto ruutu = RuutuKohdassa(kohta);
    if (!ruutu || !Ruudun(ruutu->first, ruutu->second).sormi) return false;
    SetCursor(Sormikursori());
    return true;
}
