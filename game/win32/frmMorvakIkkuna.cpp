#include "platform/text/leveat.h"
#include "rules/Ruudut.h"
#include "rules/Tekstinsovitus.h"
#include "win32/Twipit.h"
#include "win32/Viestit.h"
#include "win32/frmMorvak.h"

// The window's controls, their places at the screen's density, and the grids.

namespace {

void Siirra(HWND saadin, const RECT& alue) {
    SetWindowPos(saadin, nullptr, alue.left, alue.top, alue.right - alue.left,
                 alue.bottom - alue.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void frmMorvak::LuoSaatimet() {
    // Creation order is the order Tab visits them.
    LuoRuudukot();
    alalaita_.Luo(hwnd_, false);
    cmdPainike_ = {alalaita_["cmdPainike(0)"], alalaita_["cmdPainike(1)"]};
    kuulutus_.Luo(hwnd_);
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        alalaita_.AsetaPiirros(LaivastonKuva(puoli), [this, puoli](int leveys, int korkeus) {
            return malli_.Laivastokuva(puoli, leveys, korkeus);
        });
    }
    // The line lies over the frame, which is drawn around it.
    SetWindowPos(alalaita_["fraOhje"], alalaita_["lblOhje"], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Sijoita();
}

// A button that has the keyboard shows itself as the default one; while the
// keyboard is elsewhere, the table's default button is, as in a dialog.
void frmMorvak::NaytaOletuspainike() {
    alalaita_.NaytaOletus(Oletuspainike(frmMorvakAsettelu(), alalaita_.Nimi(GetFocus())));
}

void frmMorvak::Sijoita() {
    alalaita_.Sijoita(malli_.Sijoittelu(), *kirjasimet_, dpi_);
    for (const Ruudukkoikkuna& ruudukko : ruudukot_) {
        RECT ruudut = RuudunAlue(ruudukko.puoli, 1);
        const RECT viimeinen = RuudunAlue(ruudukko.puoli, RUUTUJA);
        ruudut.right = viimeinen.right;
        ruudut.bottom = viimeinen.bottom;
        Siirra(ruudukko.hwnd, ruudut);
    }
    // The line's letters are narrowed again for the new density.
    NaytaOhje(Teksti(alalaita_["lblOhje"]));
}

// The client area is the layout's; the frame, the caption and the menu bar
// are whatever this Windows draws around it.
void frmMorvak::MuutaKoko() {
    RECT alue{0, 0, Twipeista(frmMorvakAsettelu().leveys, dpi_),
              Twipeista(korkeus_ - IKKUNAN_KEHYKSET, dpi_)};
    AdjustWindowRectExForDpi(&alue, TYYLI, TRUE, 0, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, alue.right - alue.left, alue.bottom - alue.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMorvak::NaytaLaivastot(const Tilannemuutos& muutos) {
    if (muutos.laivastot) {
        Sijoita();
        for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone})
            ShowWindow(alalaita_[LaivastonKuva(puoli)], *muutos.laivastot ? SW_SHOWNA : SW_HIDE);
    }
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        if (const auto& katsaus = muutos.katsaus[static_cast<std::size_t>(puoli)])
            SetWindowTextW(alalaita_[LaivastonKuva(puoli)], Leveaksi(*katsaus).c_str());
    }
}

void frmMorvak::NaytaOhje(const std::string& ohje) {
    const std::wstring teksti = Leveaksi(ohje);
    HWND rivi = alalaita_["lblOhje"];
    RECT alue{};
    GetClientRect(rivi, &alue);
    // A streak of a hundred wins makes the win text wider than its line;
    // narrower letters keep it whole.
    const int venytys = Kavennus(
        [&](int kokeiltu) {
            return kirjasimet_
                ->Mitta(teksti, Kirjasimet::Tyyli::Tavallinen, kokeiltu,
                        DT_SINGLELINE | DT_NOPREFIX)
                .cx;
        },
        alue.right);
    alalaita_.Kavenna(frmMorvakAsettelu()["lblOhje"], venytys, *kirjasimet_);
    SetWindowTextW(rivi, teksti.c_str());
    // Assistive technology that shows the line learns its new name.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, rivi, OBJID_CLIENT, CHILDID_SELF);
}

RECT frmMorvak::RuudunAlue(Puoli puoli, int ruutu) const {
    return TwipeistaAlue(Ruudunpaikka(puoli, ruutu), dpi_);
}

std::optional<Ruutupaikka> frmMorvak::RuutuKohdassa(POINT kohta) const {
    return ::RuutuKohdassa(PisteTwipeina(kohta.x, dpi_), PisteTwipeina(kohta.y, dpi_));
}

void frmMorvak::VaihdaTiheys(UINT dpi, const RECT& ehdotus) {
    dpi_ = dpi;
    kirjasimet_ = std::make_unique<Kirjasimet>(dpi_);
    SetWindowPos(hwnd_, nullptr, ehdotus.left, ehdotus.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    MuutaKoko();
    // Placing the controls draws the whole window again.
    Sijoita();
}

HWND frmMorvak::Aktiivinen() const {
    // A dialog's box belongs to that dialog.
    HWND aktiivinen = GetActiveWindow();
    return aktiivinen != nullptr ? aktiivinen : hwnd_;
}
