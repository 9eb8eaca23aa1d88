#include "win32/Kuulutus.h"

namespace {

// UI Automation's LiveSetting, and its polite value: what the reader was
// saying is finished first.
constexpr GUID LIVESETTING{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG KOHTELIAS = 1;

}  // namespace

Kuulutus::~Kuulutus() {
    if (!palvelut_) return;
    MSAAPROPID ominaisuus = LIVESETTING;
    palvelut_->ClearHwndProps(hwnd_, OBJID_CLIENT, CHILDID_SELF, &ominaisuus, 1);
    palvelut_->Release();
}

void Kuulutus::Luo(HWND ikkuna) {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                            ikkuna, nullptr, nullptr, nullptr);
    // Without the service the region is a plain static, and only the event is raised.
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&palvelut_)))) {
        palvelut_ = nullptr;
        return;
    }
    VARIANT arvo;
    VariantInit(&arvo);
    arvo.vt = VT_I4;
    arvo.lVal = KOHTELIAS;
    palvelut_->SetHwndProp(hwnd_, OBJID_CLIENT, CHILDID_SELF, LIVESETTING, arvo);
}

void Kuulutus::Kuuluta(const std::wstring& teksti) {
    SetWindowTextW(hwnd_, teksti.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}
