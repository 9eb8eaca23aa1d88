#include <optional>

#include "platform/text/leveat.h"
#include "rules/Ruudut.h"
#include "rules/access/Ruudunnimet.h"
#include "win32/Kohdistuskehys.h"
#include "win32/Mallikuvat.h"
#include "win32/Pikselikuvat.h"
#include "win32/frmMorvak.h"

// The grids: each a window of its own that paints its squares, takes the
// keyboard on its turn of Tab and tells assistive technology what it shows.
// Its keys go to the rules; the focus square and the names come from them.

namespace {

constexpr const wchar_t* RUUDUKKOLUOKKA = L"frmMorvakRuudukko";

std::optional<Ruutunappain> Ruutunappaimeksi(WPARAM nappain, LPARAM tiedot) {
    const bool vaihto = GetKeyState(VK_SHIFT) < 0;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return std::nullopt;
    if (nappain == VK_SPACE) {
        // A held key is one press of a button, not a stream of them.
        if ((tiedot & (1 << 30)) != 0) return std::nullopt;
        return vaihto ? Ruutunappain::VaihtoValilyonti : Ruutunappain::Valilyonti;
    }
    if (vaihto) return std::nullopt;
    switch (nappain) {
        case VK_LEFT:
            return Ruutunappain::Vasemmalle;
        case VK_RIGHT:
            return Ruutunappain::Oikealle;
        case VK_UP:
            return Ruutunappain::Ylos;
        case VK_DOWN:
            return Ruutunappain::Alas;
        case VK_HOME:
            return Ruutunappain::RivinAlkuun;
        case VK_END:
            return Ruutunappain::RivinLoppuun;
        default:
            return std::nullopt;
    }
}

RECT AlustaNahden(RECT alue, POINT alku) {
    OffsetRect(&alue, -alku.x, -alku.y);
    return alue;
}

}  // namespace

std::wstring frmMorvak::Ruudukkoikkuna::Nimi() const { return Leveaksi(RuudukonNimi(puoli)); }

std::wstring frmMorvak::Ruudukkoikkuna::RuudunNimi(int ruutu) const {
    return Leveaksi(ikkuna.malli_.RuudunNimi(puoli, ruutu));
}

bool frmMorvak::Ruudukkoikkuna::RuutuKaytossa(int ruutu) const {
    return ikkuna.Ruudun(puoli, ruutu).kaytossa;
}

int frmMorvak::Ruudukkoikkuna::Kohdistusruutu() const {
    return ikkuna.malli_.Nappaimisto().ruutu[static_cast<std::size_t>(puoli)];
}

RECT frmMorvak::Ruudukkoikkuna::RuudunAlue(int ruutu) const {
    const RECT alku = ikkuna.RuudunAlue(puoli, 1);
    return AlustaNahden(ikkuna.RuudunAlue(puoli, ruutu), {alku.left, alku.top});
}

void frmMorvak::LuoRuudukot() {
    WNDCLASSEXW luokka{};
    luokka.cbSize = sizeof luokka;
    luokka.lpfnWndProc = Ruudukkoproseduuri;
    luokka.hInstance = ohjelma_;
    luokka.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    luokka.lpszClassName = RUUDUKKOLUOKKA;
    RegisterClassExW(&luokka);
    // Created before the buttons: Tab goes from the player's grid to the
    // computer's and on to the buttons.
    for (Ruudukkoikkuna& ruudukko : ruudukot_) {
        CreateWindowExW(0, RUUDUKKOLUOKKA, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                        hwnd_, nullptr, ohjelma_, &ruudukko);
    }
}

LRESULT CALLBACK frmMorvak::Ruudukkoproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l) {
    if (viesti == WM_NCCREATE) {
        auto* ruudukko =
            static_cast<Ruudukkoikkuna*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        ruudukko->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(static_cast<Ruudukkotiedot*>(ruudukko)));
    }
    auto* tiedot = reinterpret_cast<Ruudukkotiedot*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (tiedot == nullptr) return DefWindowProcW(hwnd, viesti, w, l);
    auto* ruudukko = static_cast<Ruudukkoikkuna*>(tiedot);
    if (viesti == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        ruudukko->hwnd = nullptr;
        return DefWindowProcW(hwnd, viesti, w, l);
    }
    return ruudukko->ikkuna.KasitteleRuudukko(*ruudukko, viesti, w, l);
}

LRESULT frmMorvak::KasitteleRuudukko(Ruudukkoikkuna& ruudukko, UINT viesti, WPARAM w, LPARAM l) {
    switch (viesti) {
        case WM_NCHITTEST:
            // The main window takes the grids' mouse, as it always has.
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PiirraRuudukko(ruudukko);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            Nappain(ruudukko, w, l);
            return 0;
        case WM_SETFOCUS:
            kohdistettava_ = ruudukko.hwnd;
            NaytaOletuspainike();
            PaivitaRuutu(ruudukko.puoli, ruudukko.Kohdistusruutu());
            KerroKohdistus(ruudukko);
            return 0;
        case WM_KILLFOCUS:
            PaivitaRuutu(ruudukko.puoli, ruudukko.Kohdistusruutu());
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT olio = RuudukonObjekti(ruudukko.hwnd, w, l)) return olio;
            break;
        default:
            break;
    }
    return DefWindowProcW(ruudukko.hwnd, viesti, w, l);
}

void frmMorvak::Nappain(const Ruudukkoikkuna& ruudukko, WPARAM nappain, LPARAM tiedot) {
    const auto ruutunappain = Ruutunappaimeksi(nappain, tiedot);
    if (!ruutunappain) return;
    malli_.Tapahtuu(RuudukonNappain{ruudukko.puoli, *ruutunappain});
}

void frmMorvak::PiirraRuudukko(const Ruudukkoikkuna& ruudukko) {
    PAINTSTRUCT maalaus{};
    HDC dc = BeginPaint(ruudukko.hwnd, &maalaus);
    for (int ruutu = 1; ruutu <= RUUTUJA; ++ruutu) {
        const RECT alue = ruudukko.RuudunAlue(ruutu);
        RECT leikkaus{};
        if (!IntersectRect(&leikkaus, &alue, &maalaus.rcPaint)) continue;
        const int koko = alue.right - alue.left;
        const Ruutunakyma& naytetty = Ruudun(ruudukko.puoli, ruutu);
        if (naytetty.vedenpinta) {
            PiirraPikselit(dc, alue.left, alue.top,
                           Uppoamiskuva(naytetty.kuva, *naytetty.vedenpinta, koko));
        } else {
            PiirraPikselit(dc, alue.left, alue.top, Mallikuva(naytetty.kuva, koko));
        }
    }
    if (GetFocus() == ruudukko.hwnd)
        PiirraKohdistuskehys(dc, ruudukko.RuudunAlue(ruudukko.Kohdistusruutu()));
    EndPaint(ruudukko.hwnd, &maalaus);
}

void frmMorvak::PaivitaRuutu(Puoli puoli, int ruutu) {
    const Ruudukkoikkuna& ruudukko = Ruudukko(puoli);
    // The neighbours share the square's border lines, and the frame lies over
    // them.
    RECT alue = ruudukko.RuudunAlue(ruutu);
    InflateRect(&alue, 1, 1);
    InvalidateRect(ruudukko.hwnd, &alue, FALSE);
}

// The focus squares where the rules moved them, the keyboard handed over
// when they say so, and assistive technology told of what changed. The frame
// leaves a square the face does not remember, so the grid is painted again.
void frmMorvak::NaytaNappaimisto(const Tilannemuutos& muutos) {
    for (Ruudukkoikkuna& ruudukko : ruudukot_) {
        if (muutos.kohdistus[static_cast<std::size_t>(ruudukko.puoli)]) {
            InvalidateRect(ruudukko.hwnd, nullptr, FALSE);
            if (GetFocus() == ruudukko.hwnd) KerroKohdistus(ruudukko);
        }
        KerroNimet(ruudukko);
    }
    if (!muutos.nappaimisto) return;
    kohdistettava_ = Ruudukko(*muutos.nappaimisto).hwnd;
    if (GetActiveWindow() == hwnd_) SetFocus(kohdistettava_);
}

void frmMorvak::KerroKohdistus(const Ruudukkoikkuna& ruudukko) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, ruudukko.hwnd, OBJID_CLIENT, ruudukko.Kohdistusruutu());
}

void frmMorvak::KerroNimet(Ruudukkoikkuna& ruudukko) {
    for (const int ruutu : malli_.MuuttuneetNimet(ruudukko.puoli, true))
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, ruudukko.hwnd, OBJID_CLIENT, ruutu);
}

// The window gives the keyboard back to the control that had it, as a
// dialog does, or to the one the rules handed it to meanwhile.
void frmMorvak::Aktivoitu(WPARAM w) {
    if (LOWORD(w) == WA_INACTIVE) {
        HWND kohdistettu = GetFocus();
        if (kohdistettu != nullptr && IsChild(hwnd_, kohdistettu)) kohdistettava_ = kohdistettu;
        return;
    }
    // A minimised window takes no keys.
    if (HIWORD(w) != 0) return;
    if (kohdistettava_ != nullptr && IsWindowEnabled(kohdistettava_) &&
        IsWindowVisible(kohdistettava_)) {
        SetFocus(kohdistettava_);
    } else {
        SetFocus(hwnd_);
    }
}
