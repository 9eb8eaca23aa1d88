#include "win32/Valintaikkuna.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "platform/text/leveat.h"
#include "rules/Tekstinsovitus.h"
#include "win32/Osoitin.h"
#include "win32/Pikselikuvat.h"
#include "win32/Sormikursori.h"
#include "win32/Twipit.h"

namespace {

constexpr WORD ENSIMMAINEN_TUNNUS = 1000;
constexpr DWORD TYYLI = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD LISATYYLI = WS_EX_DLGMODALFRAME;
constexpr COLORREF LINKIN_VARI = RGB(64, 64, 64);

struct Lajityyli {
    const wchar_t* luokka;
    DWORD tyyli;
};

Lajityyli Tyyli(const Saadin& saadin) {
    switch (saadin.laji) {
        case Laji::Kehys:
            // What lies over a frame is not drawn over by it.
            return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS};
        case Laji::Viiva:
            return {L"STATIC", SS_ETCHEDHORZ};
        case Laji::Nimio: {
            // Names come from players and the store: an ampersand is a letter.
            DWORD tasaus = SS_LEFTNOWORDWRAP;
            if (saadin.tyyli & tyyli::MONIRIVINEN) tasaus = SS_LEFT;
            if (saadin.tyyli & tyyli::OIKEALLE) tasaus = SS_RIGHT;
            // A label with an access key shows and takes it.
            if (saadin.tyyli & tyyli::AVAIN) return {L"STATIC", tasaus};
            return {L"STATIC", SS_NOPREFIX | tasaus};
        }
        case Laji::Linkki:
            return {L"STATIC", SS_NOPREFIX | SS_NOTIFY | SS_LEFTNOWORDWRAP};
        case Laji::Painike:
            return {L"BUTTON",
                    static_cast<DWORD>(WS_TABSTOP) |
                        (saadin.tyyli & tyyli::OLETUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
        case Laji::Valintaruutu:
            return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
        case Laji::Valintanappi:
            return {L"BUTTON", BS_AUTORADIOBUTTON};
        case Laji::Tekstikentta:
            return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL};
        case Laji::Kuva:
            // Its text is its name for assistive technology, never drawn.
            return {L"STATIC", WS_TABSTOP | SS_NOPREFIX};
        case Laji::Kuvake:
            break;
    }
    return {L"STATIC", SS_ICON};
}

Kirjasimet::Tyyli Kirjasintyyli(const Saadin& saadin) {
    if (saadin.laji == Laji::Linkki) return Kirjasimet::Tyyli::Alleviivattu;
    if (saadin.tyyli & tyyli::LIHAVA) return Kirjasimet::Tyyli::Lihava;
    return Kirjasimet::Tyyli::Tavallinen;
}

// The texts as the controls draw them: labels show an ampersand as it is.
class Gdimittari : public Mittari {
  public:
    Gdimittari(const Kirjasimet& kirjasimet, UINT dpi) : kirjasimet_(kirjasimet), dpi_(dpi) {}

    int Leveys(const Saadin& saadin, const std::string& teksti, int venytys) const override {
        const SIZE koko = kirjasimet_.Mitta(Leveaksi(teksti), Kirjasintyyli(saadin), venytys,
                                            Muoto(saadin) | DT_SINGLELINE);
        return Twipeiksi(koko.cx + Reunat(saadin), dpi_);
    }
    int Korkeus(const Saadin& saadin, const std::string& teksti, int leveys) const override {
        const SIZE koko = kirjasimet_.Mitta(Leveaksi(teksti), Kirjasintyyli(saadin), 100,
                                            Muoto(saadin) | DT_WORDBREAK, Twipeista(leveys, dpi_));
        return Twipeiksi(koko.cy, dpi_);
    }

  private:
    static UINT Muoto(const Saadin& saadin) {
        if (saadin.tyyli & tyyli::AVAIN) return 0;
        return saadin.laji == Laji::Nimio || saadin.laji == Laji::Linkki ? DT_NOPREFIX : 0;
    }
    // A check box's or an option's box and its gap; a button's edges.
    int Reunat(const Saadin& saadin) const {
        if (saadin.laji == Laji::Valintaruutu || saadin.laji == Laji::Valintanappi)
            return MulDiv(13 + 6, static_cast<int>(dpi_), 96);
        if (saadin.laji == Laji::Painike) return MulDiv(8, static_cast<int>(dpi_), 96);
        return 0;
    }

    const Kirjasimet& kirjasimet_;
    UINT dpi_;
};

// A link is clicked when the mouse lets go over it, not as it presses; the
// static control's own notice of a press never comes.
LRESULT CALLBACK Linkkiproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l, UINT_PTR,
                                  DWORD_PTR napsautus) {
    auto& linkki = *reinterpret_cast<Napsautus*>(napsautus);
    switch (viesti) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            linkki.Alas(true, viesti == WM_LBUTTONDBLCLK);
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            ReleaseCapture();
            RECT alue{};
            GetClientRect(hwnd, &alue);
            if (linkki.Ylos(true, PtInRect(&alue, POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}))) {
                SendMessageW(GetParent(hwnd), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd));
            }
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, Linkkiproseduuri, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, viesti, w, l);
}

// A picture paints itself from the rules at its size, with the focus frame
// while the keyboard is on it.
LRESULT CALLBACK Kuvaproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l, UINT_PTR,
                                DWORD_PTR piirros) {
    switch (viesti) {
        case WM_PAINT: {
            PAINTSTRUCT maalaus{};
            HDC dc = BeginPaint(hwnd, &maalaus);
            RECT alue{};
            GetClientRect(hwnd, &alue);
            const auto& piirra = *reinterpret_cast<Saatimet::Piirros*>(piirros);
            if (piirra && alue.right > 0 && alue.bottom > 0)
                PiirraPikselit(dc, 0, 0, piirra(alue.right, alue.bottom));
            if (GetFocus() == hwnd) DrawFocusRect(dc, &alue);
            EndPaint(hwnd, &maalaus);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_SETTEXT:
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, Kuvaproseduuri, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, viesti, w, l);
}

}  // namespace

std::string Teksti(HWND saadin) {
    std::wstring teksti(static_cast<std::size_t>(GetWindowTextLengthW(saadin)) + 1, L'\0');
    teksti.resize(static_cast<std::size_t>(
        GetWindowTextW(saadin, teksti.data(), static_cast<int>(teksti.size()))));
    return Utf8(teksti);
}

Saatimet::~Saatimet() {
    for (const auto& [nimi, kirjasin] : kavennetut_) DeleteObject(kirjasin);
    if (kuvake_ != nullptr) DestroyIcon(kuvake_);
}

void Saatimet::Luo(HWND ikkuna, bool ryhmat) {
    const Saadin* edellinen = nullptr;
    for (const Saadin* saadin : Luontijarjestys(asettelu_)) {
        const auto tunnus = static_cast<WORD>(ensimmainen_ + tehdyt_.size());
        tehdyt_.push_back(saadin);
        const Lajityyli laji = Tyyli(*saadin);
        DWORD tyyli = WS_CHILD | WS_VISIBLE | laji.tyyli;
        if (ryhmat && AloittaaRyhman(edellinen, *saadin)) {
            tyyli |= WS_GROUP;
            if (saadin->laji == Laji::Valintanappi) tyyli |= WS_TABSTOP;
        }
        edellinen = saadin;
        HWND uusi =
            CreateWindowExW(saadin->laji == Laji::Tekstikentta ? WS_EX_CLIENTEDGE : 0, laji.luokka,
                            Leveaksi(saadin->teksti).c_str(), tyyli, 0, 0, 0, 0, ikkuna,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(tunnus)),
                            GetModuleHandleW(nullptr), nullptr);
        kahvat_[saadin->nimi] = uusi;
        if (saadin->laji == Laji::Linkki)
            SetWindowSubclass(uusi, Linkkiproseduuri, 0,
                              reinterpret_cast<DWORD_PTR>(&linkit_[uusi]));
        if (saadin->laji == Laji::Kuva)
            SetWindowSubclass(uusi, Kuvaproseduuri, 0, reinterpret_cast<DWORD_PTR>(&kuvat_[uusi]));
    }
}

void Saatimet::Sijoita(const Sovitus& sovitus, const Kirjasimet& kirjasimet, UINT dpi) {
    for (const Saadin& saadin : asettelu_.saatimet) {
        HWND kahva = kahvat_.at(saadin.nimi);
        Kavenna(saadin, sovitus[saadin.nimi].venytys, kirjasimet);
        if (saadin.laji == Laji::Kuvake) {
            if (kuvake_ != nullptr) DestroyIcon(kuvake_);
            const int koko = MulDiv(32, static_cast<int>(dpi), 96);
            kuvake_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                    IMAGE_ICON, koko, koko, 0));
            SendMessageW(kahva, STM_SETICON, reinterpret_cast<WPARAM>(kuvake_), 0);
        }
        const RECT paikka = TwipeistaAlue(sovitus.Ikkunassa(asettelu_, saadin.nimi), dpi);
        SetWindowPos(kahva, nullptr, paikka.left, paikka.top, paikka.right - paikka.left,
                     paikka.bottom - paikka.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(GetParent(kahvat_.begin()->second), nullptr, TRUE);
}

// A narrowed font lasts as long as its control has it.
void Saatimet::Kavenna(const Saadin& saadin, int venytys, const Kirjasimet& kirjasimet) {
    HFONT kirjasin = venytys < 100 ? kirjasimet.Kavennettu(venytys, Kirjasintyyli(saadin))
                                   : kirjasimet.Kirjasin(Kirjasintyyli(saadin));
    SendMessageW(kahvat_.at(saadin.nimi), WM_SETFONT, reinterpret_cast<WPARAM>(kirjasin), FALSE);
    if (const auto vanha = kavennetut_.find(saadin.nimi); vanha != kavennetut_.end()) {
        DeleteObject(vanha->second);
        kavennetut_.erase(vanha);
    }
    if (venytys < 100) kavennetut_[saadin.nimi] = kirjasin;
}

void Saatimet::NaytaOletus(const std::string& oletus) const {
    for (const Saadin& saadin : asettelu_.saatimet) {
        if (saadin.laji != Laji::Painike) continue;
        HWND painike = kahvat_.at(saadin.nimi);
        const LONG tyyli = saadin.nimi == oletus ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((GetWindowLongW(painike, GWL_STYLE) & BS_TYPEMASK) != tyyli)
            SendMessageW(painike, BM_SETSTYLE, static_cast<WPARAM>(tyyli), TRUE);
    }
}

const Saadin* Saatimet::Tunnuksella(WORD tunnus) const {
    if (tunnus < ensimmainen_ || tunnus - ensimmainen_ >= static_cast<int>(tehdyt_.size()))
        return nullptr;
    return tehdyt_[tunnus - ensimmainen_];
}

std::string Saatimet::Nimi(HWND kahva) const {
    for (const auto& [nimi, oma] : kahvat_) {
        if (oma == kahva) return nimi;
    }
    return {};
}

Valintaikkuna::Valintaikkuna(Valintaikkunamalli& malli)
    : malli_(malli), asettelu_(malli.Taulukko()), saatimet_(asettelu_, ENSIMMAINEN_TUNNUS) {}

void Valintaikkuna::Nayta(HWND omistaja) {
    omistaja_ = omistaja;
    // An empty template: the controls come from the layout table.
    struct alignas(4) Pohja {
        DLGTEMPLATE ikkuna;
        WORD valikko;
        WORD luokka;
        WORD otsikko;
    } pohja{};
    pohja.ikkuna.style = TYYLI;
    pohja.ikkuna.dwExtendedStyle = LISATYYLI;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &pohja.ikkuna, omistaja, Proseduuri,
                            reinterpret_cast<LPARAM>(this));
    malli_.KunMuuttuu({});
}

INT_PTR CALLBACK Valintaikkuna::Proseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l) {
    if (viesti == WM_INITDIALOG) {
        auto* ikkuna = reinterpret_cast<Valintaikkuna*>(l);
        ikkuna->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, l);
    }
    auto* ikkuna = reinterpret_cast<Valintaikkuna*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return ikkuna != nullptr ? ikkuna->Kasittele(viesti, w, l) : FALSE;
}

INT_PTR Valintaikkuna::Kasittele(UINT viesti, WPARAM w, LPARAM l) {
    switch (viesti) {
        case WM_INITDIALOG:
            Alusta();
            return FALSE;
        case WM_COMMAND:
            Komento(LOWORD(w), HIWORD(w));
            return TRUE;
        case WM_CLOSE:
            // The close box unloads the dialog with whatever its model makes of that.
            if (malli_.Auki()) malli_.Sulje();
            EndDialog(hwnd_, IDCANCEL);
            return TRUE;
        case WM_ACTIVATE:
            if (LOWORD(w) != WA_INACTIVE) malli_.Form_Activate();
            return FALSE;
        case WM_SETCURSOR:
            if (!NaytaTiimalasi()) {
                if (!saatimet_.OnLinkki(reinterpret_cast<HWND>(w))) return FALSE;
                SetCursor(Sormikursori());
            }
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            if (!saatimet_.OnLinkki(reinterpret_cast<HWND>(l))) return FALSE;
            SetTextColor(reinterpret_cast<HDC>(w), LINKIN_VARI);
            SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            kirjasimet_ = std::make_unique<Kirjasimet>(dpi_);
            const auto* ehdotus = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd_, nullptr, ehdotus->left, ehdotus->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Sijoita();
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void Valintaikkuna::Alusta() {
    dpi_ = GetDpiForWindow(hwnd_);
    kirjasimet_ = std::make_unique<Kirjasimet>(dpi_);
    SetWindowTextW(hwnd_, Leveaksi(asettelu_.otsikko).c_str());
    saatimet_.Luo(hwnd_, true);
    if (const std::string oletus = Oletuspainike(asettelu_, ""); !oletus.empty())
        SendMessageW(hwnd_, DM_SETDEFID, GetDlgCtrlID(saatimet_[oletus]), 0);
    NaytaMalli();
    // A model that changes on its own is shown again as after an act.
    malli_.KunMuuttuu([this] { Toimittu(); });
    for (const Saadin& saadin : asettelu_.saatimet) {
        if (saadin.laji == Laji::Kuva) {
            saatimet_.AsetaPiirros(saadin.nimi,
                                   [this, nimi = saadin.nimi](int leveys, int korkeus) {
                                       return malli_.Kuva(nimi, leveys, korkeus);
                                   });
        }
        if (saadin.laji != Laji::Tekstikentta) continue;
        if (const int pituus = malli_.Pituus(saadin.nimi))
            SendMessageW(saatimet_[saadin.nimi], EM_SETLIMITTEXT, static_cast<WPARAM>(pituus), 0);
        // Typing replaces the whole text.
        SendMessageW(saatimet_[saadin.nimi], EM_SETSEL, 0, -1);
    }
    Sijoita();
    Keskita();
    SendMessageW(hwnd_, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(saatimet_[asettelu_.sarkainjarjestys.front()]), TRUE);
}

void Valintaikkuna::NaytaMalli() {
    naytetaan_ = true;
    for (const Saadin& saadin : asettelu_.saatimet) {
        const Nakyva nakyva = malli_.Nayta(saadin.nimi);
        HWND kahva = saatimet_[saadin.nimi];
        if (saadin.laji != Laji::Viiva && saadin.laji != Laji::Kuvake &&
            Teksti(kahva) != nakyva.teksti)
            SetWindowTextW(kahva, Leveaksi(nakyva.teksti).c_str());
        if (saadin.laji == Laji::Valintaruutu || saadin.laji == Laji::Valintanappi)
            SendMessageW(kahva, BM_SETCHECK, nakyva.valittu ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(kahva, nakyva.kaytossa);
    }
    naytetaan_ = false;
}

void Valintaikkuna::Sijoita() {
    const Sovitus sovitus = Sovita(malli_, Gdimittari(*kirjasimet_, dpi_));
    RECT ikkuna{0, 0, Twipeista(sovitus.leveys, dpi_), Twipeista(sovitus.korkeus, dpi_)};
    AdjustWindowRectExForDpi(&ikkuna, TYYLI, FALSE, LISATYYLI, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, ikkuna.right - ikkuna.left, ikkuna.bottom - ikkuna.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    saatimet_.Sijoita(sovitus, *kirjasimet_, dpi_);
}

void Valintaikkuna::Keskita() {
    MONITORINFO naytto{};
    naytto.cbSize = sizeof naytto;
    GetMonitorInfoW(MonitorFromWindow(omistaja_, MONITOR_DEFAULTTOPRIMARY), &naytto);
    RECT ikkuna{};
    GetWindowRect(hwnd_, &ikkuna);
    const int leveys = ikkuna.right - ikkuna.left;
    const int korkeus = ikkuna.bottom - ikkuna.top;
    SetWindowPos(hwnd_, nullptr, (naytto.rcWork.left + naytto.rcWork.right - leveys) / 2,
                 (naytto.rcWork.top + naytto.rcWork.bottom - korkeus) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Esc comes as IDCANCEL; a link's click as the notice its subclass sends.
void Valintaikkuna::Komento(WORD tunnus, WORD ilmoitus) {
    if (naytetaan_) return;
    if (tunnus == IDCANCEL) {
        malli_.Esc();
        Toimittu();
        return;
    }
    const Saadin* saadin = saatimet_.Tunnuksella(tunnus);
    if (saadin == nullptr ||
        ilmoitus != (saadin->laji == Laji::Tekstikentta ? EN_CHANGE : BN_CLICKED))
        return;
    HWND kahva = saatimet_[saadin->nimi];
    malli_.Toimi(saadin->nimi, SendMessageW(kahva, BM_GETCHECK, 0, 0) == BST_CHECKED,
                 Teksti(kahva));
    Toimittu();
}

void Valintaikkuna::Toimittu() {
    NaytaMalli();
    if (!malli_.Auki()) EndDialog(hwnd_, malli_.Hyvaksytty() ? IDOK : IDCANCEL);
}
