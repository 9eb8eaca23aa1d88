#include "rules/Ruudut.h"
#include "rules/Tekstinsovitus.h"
#include "win32/Leveat.h"
#include "win32/Twipit.h"
#include "win32/Viestit.h"
#include "win32/frmMorvak.h"

// The window's controls, their places at the screen's density, and the grids.

namespace {

HWND Luo(HWND isanta, const wchar_t* luokka, const std::string& teksti, DWORD tyyli, int tunnus) {
    return CreateWindowExW(0, luokka, Leveaksi(teksti).c_str(), WS_CHILD | WS_VISIBLE | tyyli, 0, 0,
                           0, 0, isanta, reinterpret_cast<HMENU>(static_cast<INT_PTR>(tunnus)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(isanta, GWLP_HINSTANCE)),
                           nullptr);
}

void Siirra(HWND saadin, const RECT& alue) {
    SetWindowPos(saadin, nullptr, alue.left, alue.top, alue.right - alue.left,
                 alue.bottom - alue.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void frmMorvak::LuoSaatimet() {
    const Asettelu& asettelu = frmMorvakAsettelu();
    // Creation order is the order Tab visits them.
    LuoRuudukot();
    for (const int i : {0, 1}) {
        const Saadin& painike = asettelu["cmdPainike(" + std::to_string(i) + ")"];
        const DWORD oletus = painike.tyyli & tyyli::OLETUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        cmdPainike_[static_cast<std::size_t>(i)] = Luo(
            hwnd_, L"BUTTON", painike.teksti, WS_TABSTOP | oletus, viesti::PAINIKE_ENSIMMAINEN + i);
    }
    // The line lies over the frame, which is drawn around it.
    lblOhje_ =
        Luo(hwnd_, L"STATIC", asettelu["lblOhje"].teksti, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
    fraOhje_ = Luo(hwnd_, L"BUTTON", asettelu["fraOhje"].teksti, BS_GROUPBOX | WS_CLIPSIBLINGS, 0);
    fraKehysviiva_ = Luo(hwnd_, L"STATIC", "", SS_ETCHEDHORZ, 0);
    naytetty_.ohje = asettelu["lblOhje"].teksti;
    Sijoita();
}

// A button that has the keyboard shows itself as the default one; while the
// keyboard is elsewhere, the table's default button is, as in a dialog.
void frmMorvak::NaytaOletuspainike() {
    const Asettelu& asettelu = frmMorvakAsettelu();
    HWND kohdistettu = GetFocus();
    const bool painikkeella = kohdistettu == cmdPainike_[0] || kohdistettu == cmdPainike_[1];
    for (const int i : {0, 1}) {
        HWND painike = cmdPainike_[static_cast<std::size_t>(i)];
        const bool oletus =
            painikkeella
                ? kohdistettu == painike
                : (asettelu["cmdPainike(" + std::to_string(i) + ")"].tyyli & tyyli::OLETUS) != 0;
        const LONG tyyli = oletus ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((GetWindowLongW(painike, GWL_STYLE) & BS_TYPEMASK) != tyyli)
            SendMessageW(painike, BM_SETSTYLE, static_cast<WPARAM>(tyyli), TRUE);
    }
}

void frmMorvak::Sijoita() {
    const Asettelu& asettelu = frmMorvakAsettelu();
    const auto alue = [&](const char* nimi) { return TwipeistaAlue(asettelu[nimi].alue, dpi_); };
    Alue ohje = asettelu["lblOhje"].alue;
    ohje.vasen += asettelu["fraOhje"].alue.vasen;
    ohje.yla += asettelu["fraOhje"].alue.yla;
    Siirra(fraOhje_, alue("fraOhje"));
    Siirra(lblOhje_, TwipeistaAlue(ohje, dpi_));
    Siirra(cmdPainike_[0], alue("cmdPainike(0)"));
    Siirra(cmdPainike_[1], alue("cmdPainike(1)"));
    Siirra(fraKehysviiva_, alue("fraKehysviiva"));
    for (const Ruudukkoikkuna& ruudukko : ruudukot_) {
        RECT ruudut = RuudunAlue(ruudukko.puoli, 1);
        const RECT viimeinen = RuudunAlue(ruudukko.puoli, RUUTUJA);
        ruudut.right = viimeinen.right;
        ruudut.bottom = viimeinen.bottom;
        Siirra(ruudukko.hwnd, ruudut);
    }
    for (HWND saadin : {fraOhje_, lblOhje_, cmdPainike_[0], cmdPainike_[1]}) {
        SendMessageW(saadin, WM_SETFONT, reinterpret_cast<WPARAM>(kirjasimet_->Kirjasin()), TRUE);
    }
    NaytaOhje(naytetty_.ohje);
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

void frmMorvak::NaytaOhje(const std::string& ohje) {
    const std::wstring teksti = Leveaksi(ohje);
    RECT alue{};
    GetClientRect(lblOhje_, &alue);
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
    HFONT kavennettu = venytys < 100 ? kirjasimet_->Kavennettu(venytys) : nullptr;
    SendMessageW(
        lblOhje_, WM_SETFONT,
        reinterpret_cast<WPARAM>(kavennettu != nullptr ? kavennettu : kirjasimet_->Kirjasin()),
        FALSE);
    if (ohjeenKirjasin_ != nullptr) DeleteObject(ohjeenKirjasin_);
    ohjeenKirjasin_ = kavennettu;
    SetWindowTextW(lblOhje_, teksti.c_str());
    // A screen reader speaks the new line.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, lblOhje_, OBJID_CLIENT, CHILDID_SELF);
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
    Sijoita();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND frmMorvak::Aktiivinen() const {
    // A dialog's box belongs to that dialog.
    HWND aktiivinen = GetActiveWindow();
    return aktiivinen != nullptr ? aktiivinen : hwnd_;
}
