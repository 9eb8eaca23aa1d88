#include "win32/Valintaikkuna.h"

#include <algorithm>
#include <vector>

#include "win32/Leveat.h"
#include "win32/Osoitin.h"
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
            return {L"BUTTON", BS_GROUPBOX};
        case Laji::Viiva:
            return {L"STATIC", SS_ETCHEDHORZ};
        case Laji::Nimio: {
            // Names come from players and the store: an ampersand is a letter.
            DWORD tasaus = SS_LEFTNOWORDWRAP;
            if (saadin.tyyli & tyyli::MONIRIVINEN) tasaus = SS_LEFT;
            if (saadin.tyyli & tyyli::OIKEALLE) tasaus = SS_RIGHT;
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
        case Laji::Kuvake:
            break;
    }
    return {L"STATIC", SS_ICON};
}

// One line of text that would be cut in a font wider than the one the table
// was measured in grows up to its container's edge instead.
bool LeveneeTekstinMukaan(const Saadin& saadin) {
    return (saadin.laji == Laji::Nimio && !(saadin.tyyli & tyyli::MONIRIVINEN)) ||
           saadin.laji == Laji::Linkki || saadin.laji == Laji::Valintaruutu ||
           saadin.laji == Laji::Valintanappi;
}

int TekstinLeveys(HWND saadin, const Saadin& kuvaus) {
    const std::wstring teksti = Leveaksi(kuvaus.teksti);
    HDC dc = GetDC(saadin);
    HGDIOBJ vanha =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(saadin, WM_GETFONT, 0, 0)));
    RECT alue{};
    UINT muoto = DT_CALCRECT | DT_SINGLELINE;
    if (kuvaus.laji == Laji::Nimio || kuvaus.laji == Laji::Linkki) muoto |= DT_NOPREFIX;
    DrawTextW(dc, teksti.c_str(), static_cast<int>(teksti.size()), &alue, muoto);
    SelectObject(dc, vanha);
    ReleaseDC(saadin, dc);
    return alue.right;
}

}  // namespace

Valintaikkuna::Valintaikkuna(const Asettelu& asettelu, Valintaikkunamalli& malli)
    : asettelu_(asettelu), malli_(malli) {}

Valintaikkuna::~Valintaikkuna() {
    if (kuvake_ != nullptr) DestroyIcon(kuvake_);
}

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
        case WM_INITDIALOG: {
            dpi_ = GetDpiForWindow(hwnd_);
            kirjasimet_ = std::make_unique<Kirjasimet>(dpi_);
            SetWindowTextW(hwnd_, Leveaksi(asettelu_.otsikko).c_str());
            Luo();
            Sijoita();
            Alusta();
            Keskita(omistaja_);
            SendMessageW(hwnd_, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(Hae(asettelu_.sarkainjarjestys.front())), TRUE);
            return FALSE;
        }
        case WM_COMMAND:
            KasitteleKomento(LOWORD(w));
            if (HIWORD(w) == EN_CHANGE) {
                const auto nimi = tunnukset_.find(LOWORD(w));
                if (nimi != tunnukset_.end()) Muuttui(nimi->second);
            }
            SuljeJosPurettu();
            return TRUE;
        case WM_CLOSE:
            // The close box unloads the dialog with whatever its model makes of that.
            if (malli_.Auki()) malli_.Sulje();
            EndDialog(hwnd_, 0);
            return TRUE;
        case WM_ACTIVATE:
            if (LOWORD(w) != WA_INACTIVE) malli_.Form_Activate();
            return FALSE;
        case WM_SETCURSOR: {
            bool asetettu = NaytaTiimalasi();
            if (!asetettu && OnLinkki(reinterpret_cast<HWND>(w))) {
                SetCursor(Sormikursori());
                asetettu = true;
            }
            if (!asetettu) return FALSE;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (!OnLinkki(reinterpret_cast<HWND>(l))) return FALSE;
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

// Tab visits the controls in the order they were made: first those of the
// table's tab order, each after its frame, then the rest.
void Valintaikkuna::Luo() {
    std::vector<const Saadin*> jarjestys;
    const auto lisaa = [&](const Saadin& saadin) {
        if (std::ranges::find(jarjestys, &saadin) == jarjestys.end()) jarjestys.push_back(&saadin);
    };
    for (const std::string& nimi : asettelu_.sarkainjarjestys) {
        const Saadin& saadin = asettelu_[nimi];
        if (!saadin.isanta.empty()) lisaa(asettelu_[saadin.isanta]);
        lisaa(saadin);
    }
    for (const Saadin& saadin : asettelu_.saatimet) lisaa(saadin);

    const Saadin* edellinen = nullptr;
    for (const Saadin* saadin : jarjestys) {
        // The option buttons of one frame form a group that the arrow keys
        // move in; Tab enters it once.
        const bool ryhmanAlku = saadin->laji != Laji::Valintanappi || edellinen == nullptr ||
                                edellinen->laji != Laji::Valintanappi ||
                                edellinen->isanta != saadin->isanta;
        saatimet_[saadin->nimi] = LuoSaadin(*saadin, ryhmanAlku);
        edellinen = saadin;
    }
}

HWND Valintaikkuna::LuoSaadin(const Saadin& saadin, bool ryhmanAlku) {
    const WORD tunnus = static_cast<WORD>(ENSIMMAINEN_TUNNUS + tunnukset_.size());
    tunnukset_[tunnus] = saadin.nimi;
    const Lajityyli laji = Tyyli(saadin);
    DWORD tyyli = WS_CHILD | WS_VISIBLE | laji.tyyli;
    if (ryhmanAlku) tyyli |= WS_GROUP;
    if (saadin.laji == Laji::Valintanappi && ryhmanAlku) tyyli |= WS_TABSTOP;
    const DWORD lisa = saadin.laji == Laji::Tekstikentta ? WS_EX_CLIENTEDGE : 0;
    HWND uusi = CreateWindowExW(lisa, laji.luokka, Leveaksi(saadin.teksti).c_str(), tyyli, 0, 0, 0,
                                0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(tunnus)),
                                GetModuleHandleW(nullptr), nullptr);
    if (saadin.tyyli & tyyli::OLETUS) SendMessageW(hwnd_, DM_SETDEFID, tunnus, 0);
    return uusi;
}

void Valintaikkuna::Sijoita() {
    RECT ikkuna{0, 0, Twipeista(asettelu_.leveys, dpi_), Twipeista(asettelu_.korkeus, dpi_)};
    AdjustWindowRectExForDpi(&ikkuna, TYYLI, FALSE, LISATYYLI, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, ikkuna.right - ikkuna.left, ikkuna.bottom - ikkuna.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (kuvake_ != nullptr) DestroyIcon(kuvake_);
    const int kuvakkeenKoko = MulDiv(32, static_cast<int>(dpi_), 96);
    kuvake_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                            IMAGE_ICON, kuvakkeenKoko, kuvakkeenKoko, 0));

    for (const Saadin& saadin : asettelu_.saatimet) {
        HWND kahva = Hae(saadin.nimi);
        HFONT kirjasin = kirjasimet_->Tavallinen();
        if (saadin.tyyli & tyyli::LIHAVA) kirjasin = kirjasimet_->Lihava();
        if (saadin.laji == Laji::Linkki) kirjasin = kirjasimet_->Alleviivattu();
        SendMessageW(kahva, WM_SETFONT, reinterpret_cast<WPARAM>(kirjasin), FALSE);
        if (saadin.laji == Laji::Kuvake)
            SendMessageW(kahva, STM_SETICON, reinterpret_cast<WPARAM>(kuvake_), 0);

        Alue alue = saadin.alue;
        int oikeaReuna = asettelu_.leveys;
        if (!saadin.isanta.empty()) {
            const Alue& isanta = asettelu_[saadin.isanta].alue;
            alue.vasen += isanta.vasen;
            alue.yla += isanta.yla;
            oikeaReuna = isanta.vasen + isanta.leveys;
        }
        RECT paikka = TwipeistaAlue(alue, dpi_);
        if (LeveneeTekstinMukaan(saadin)) {
            const bool ruutu =
                saadin.laji == Laji::Valintaruutu || saadin.laji == Laji::Valintanappi;
            const int tarve = TekstinLeveys(kahva, saadin) +
                              (ruutu ? MulDiv(13 + 6, static_cast<int>(dpi_), 96) : 0);
            const int tilaa = Twipeista(oikeaReuna, dpi_) - 2 - paikka.left;
            paikka.right =
                paikka.left + std::max<LONG>(paikka.right - paikka.left, std::min(tarve, tilaa));
        }
        SetWindowPos(kahva, nullptr, paikka.left, paikka.top, paikka.right - paikka.left,
                     paikka.bottom - paikka.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Valintaikkuna::Keskita(HWND omistaja) {
    MONITORINFO naytto{};
    naytto.cbSize = sizeof naytto;
    GetMonitorInfoW(MonitorFromWindow(omistaja, MONITOR_DEFAULTTOPRIMARY), &naytto);
    RECT ikkuna{};
    GetWindowRect(hwnd_, &ikkuna);
    const int leveys = ikkuna.right - ikkuna.left;
    const int korkeus = ikkuna.bottom - ikkuna.top;
    SetWindowPos(hwnd_, nullptr, (naytto.rcWork.left + naytto.rcWork.right - leveys) / 2,
                 (naytto.rcWork.top + naytto.rcWork.bottom - korkeus) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Valintaikkuna::KasitteleKomento(WORD tunnus) {
    if (tunnus == IDCANCEL) {
        // Esc presses the cancel button, when there is one to press.
        for (const Saadin& saadin : asettelu_.saatimet) {
            if ((saadin.tyyli & tyyli::PERUUTUS) && IsWindowEnabled(Hae(saadin.nimi)))
                Napsautettu(saadin.nimi);
        }
        return;
    }
    const auto nimi = tunnukset_.find(tunnus);
    if (nimi == tunnukset_.end()) return;
    const Laji laji = asettelu_[nimi->second].laji;
    if ((laji == Laji::Painike || laji == Laji::Linkki) && IsWindowEnabled(Hae(nimi->second)))
        Napsautettu(nimi->second);
}

void Valintaikkuna::SuljeJosPurettu() {
    if (!malli_.Auki()) EndDialog(hwnd_, 0);
}

bool Valintaikkuna::OnLinkki(HWND saadin) const {
    for (const Saadin& kuvaus : asettelu_.saatimet) {
        if (kuvaus.laji == Laji::Linkki && Hae(kuvaus.nimi) == saadin) return true;
    }
    return false;
}

bool Valintaikkuna::Valittu(const std::string& nimi) const {
    return SendMessageW(Hae(nimi), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Valintaikkuna::Valitse(const std::string& nimi, bool valittu) {
    SendMessageW(Hae(nimi), BM_SETCHECK, valittu ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Valintaikkuna::AsetaTeksti(const std::string& nimi, const std::string& teksti) {
    SetWindowTextW(Hae(nimi), Leveaksi(teksti).c_str());
}

std::string Valintaikkuna::Teksti(const std::string& nimi) const {
    HWND saadin = Hae(nimi);
    std::wstring teksti(static_cast<std::size_t>(GetWindowTextLengthW(saadin)) + 1, L'\0');
    teksti.resize(static_cast<std::size_t>(
        GetWindowTextW(saadin, teksti.data(), static_cast<int>(teksti.size()))));
    return Utf8(teksti);
}

void Valintaikkuna::AsetaKaytossa(const std::string& nimi, bool kaytossa) {
    EnableWindow(Hae(nimi), kaytossa);
}
