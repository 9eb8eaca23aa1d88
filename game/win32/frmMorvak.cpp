#include "win32/frmMorvak.h"

#include <utility>

#include "platform/text/leveat.h"
#include "rules/Asettelu.h"
#include "win32/Osoitin.h"
#include "win32/Viestit.h"

namespace {

constexpr const wchar_t* LUOKKA = L"frmMorvak";

// The game's button numbers: 1 left, 2 right, 4 middle.
int Painike(UINT viesti) {
    if (viesti == WM_LBUTTONDOWN || viesti == WM_LBUTTONUP) return 1;
    return viesti == WM_RBUTTONDOWN || viesti == WM_RBUTTONUP ? 2 : 4;
}

void RekisteroiLuokka(HINSTANCE ohjelma, WNDPROC proseduuri) {
    WNDCLASSEXW luokka{};
    luokka.cbSize = sizeof luokka;
    luokka.lpfnWndProc = proseduuri;
    luokka.hInstance = ohjelma;
    // The first icon resource is the program's own.
    luokka.hIcon = LoadIconW(ohjelma, MAKEINTRESOURCEW(1));
    luokka.hIconSm = static_cast<HICON>(LoadImageW(ohjelma, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0));
    luokka.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    luokka.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    luokka.lpszClassName = LUOKKA;
    RegisterClassExW(&luokka);
}

}  // namespace

frmMorvak::frmMorvak(HINSTANCE ohjelma, Satunnaisluvut arpa, std::chrono::milliseconds tauonPituus)
    : ohjelma_(ohjelma),
      aanet_(ohjelma),
      arpa_(std::move(arpa)),
      malli_(tila_, *this, arpa_, &verkko_) {
    malli_.Saannot().TauonPituus = tauonPituus;
    RekisteroiLuokka(ohjelma, Ikkunaproseduuri);
    const Asettelu& asettelu = frmMorvakAsettelu();
    CreateWindowExW(0, LUOKKA, Leveaksi(asettelu.otsikko).c_str(), TYYLI, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, nullptr, nullptr, ohjelma, this);
    valvonta_.Ikkuna(hwnd_);
    dpi_ = GetDpiForWindow(hwnd_);
    kirjasimet_ = std::make_unique<Kirjasimet>(dpi_);
    LuoValikot();
    LuoSaatimet();
    korkeus_ = KORKEUS_PAINIKKEIN;
    MuutaKoko();
    malli_.Form_Load(static_cast<int>(dpi_));
    // The load's notice is answered before the window first shows.
    laatikot_.NaytaOdottavat();
}

frmMorvak::~frmMorvak() {
    // The sockets are let go while the window their messages go to stands.
    verkko_.Sulje();
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    if (pikanappaimet_ != nullptr) DestroyAcceleratorTable(pikanappaimet_);
}

LRESULT CALLBACK frmMorvak::Ikkunaproseduuri(HWND hwnd, UINT viesti, WPARAM w, LPARAM l) {
    if (viesti == WM_NCCREATE) {
        auto* ikkuna = static_cast<frmMorvak*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        ikkuna->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(ikkuna));
    }
    auto* ikkuna = reinterpret_cast<frmMorvak*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (ikkuna == nullptr) return DefWindowProcW(hwnd, viesti, w, l);
    if (viesti == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        ikkuna->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, viesti, w, l);
    }
    return ikkuna->Kasittele(viesti, w, l);
}

LRESULT frmMorvak::Kasittele(UINT viesti, WPARAM w, LPARAM l) {
    const POINT kohta{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
    switch (viesti) {
        case WM_ACTIVATE:
            Aktivoitu(w);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            HiiriAlas(kohta, Painike(viesti), w);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            HiiriYlos(kohta, Painike(viesti), w);
            return 0;
        case WM_SETCURSOR:
            if (NaytaTiimalasi()) return TRUE;
            if (LOWORD(l) == HTCLIENT && reinterpret_cast<HWND>(w) == hwnd_ && AsetaKursori())
                return TRUE;
            break;
        case WM_COMMAND:
            SuoritaKomento(LOWORD(w));
            return 0;
        case WM_NEXTDLGCTL: {
            // Tab between the buttons; the window is no dialog, so this is
            // ours to do.
            HWND seuraava = LOWORD(l) ? reinterpret_cast<HWND>(w)
                                      : GetNextDlgTabItem(hwnd_, GetFocus(), w != 0);
            if (seuraava != nullptr) SetFocus(seuraava);
            return 0;
        }
        case viesti::SOKETTI:
            malli_.Tapahtuu(SokettiValmis{static_cast<std::intptr_t>(w)});
            return 0;
        case viesti::LAATIKKO:
            laatikot_.NaytaSeuraava();
            return 0;
        case WM_TIMER:
            // The rules' timer runs out once.
            KillTimer(hwnd_, w);
            if (w == viesti::AJASTIN) malli_.Tapahtuu(AjastinLaukesi{});
            return 0;
        case WM_CLOSE:
            malli_.Tapahtuu(SulkemisPyynto{Sulkutapa::Sulkuruutu});
            return 0;
        case WM_QUERYENDSESSION:
            return IstuntoPaattyy();
        case WM_DPICHANGED:
            VaihdaTiheys(HIWORD(w), *reinterpret_cast<const RECT*>(l));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, viesti, w, l);
}

bool frmMorvak::EsiKasittele(MSG& viesti) {
    // The dialogs run loops of their own; this one only serves the window.
    if (viesti.hwnd != hwnd_ && !IsChild(hwnd_, viesti.hwnd)) return false;
    if (TranslateAcceleratorW(hwnd_, pikanappaimet_, &viesti)) return true;
    // A letter alone presses no button here; Alt with its access key does.
    if (viesti.message == WM_CHAR) return false;
    if (!IsDialogMessageW(hwnd_, &viesti)) return false;
    // Tab onto a grid takes the default look off every button: the window is
    // no dialog that could name its default button.
    NaytaOletuspainike();
    return true;
}

int frmMorvak::Aja() {
    MSG viesti{};
    while (GetMessageW(&viesti, nullptr, 0, 0) > 0) {
        if (EsiKasittele(viesti)) continue;
        TranslateMessage(&viesti);
        DispatchMessageW(&viesti);
    }
    return static_cast<int>(viesti.wParam);
}
