#include <cstdint>
#include <cwchar>
#include <string>

#include "platform/registry/kirjoitusera.h"
#include "platform/registry/lukonodotus.h"

namespace {

// The same name in every copy of the game in this session however the key is
// spelled: the registry ignores letter case and a trailing backslash, and a
// mutex name takes no backslash after its namespace.
std::wstring MuteksinNimi(HKEY juuri, const char* avain) {
    wchar_t juurena[16];
    std::swprintf(juurena, 16, L"%08X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(juuri) & 0xffffffffu));
    std::wstring nimi = std::wstring(L"Local\\Morvak-") + juurena + L"-";
    for (const char* merkki = avain; *merkki != '\0'; ++merkki) {
        const auto c = static_cast<unsigned char>(*merkki);
        if (c == '\\') {
            nimi += L'/';
        } else {
            nimi += static_cast<wchar_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
    }
    if (nimi.back() == L'/') nimi.pop_back();
    return nimi;
}

}  // namespace

KirjoitusEra::KirjoitusEra(HKEY juuri, const char* avain) {
    mutex_ = CreateMutexW(nullptr, FALSE, MuteksinNimi(juuri, avain).c_str());
    if (mutex_ == nullptr) return;
    // An abandoned mutex was held by a copy that ended inside its unit; the
    // unit is this one's now, and the store finishes what that one left.
    const DWORD tulos = WaitForSingleObject(mutex_, 0);
    auki_ = tulos == WAIT_OBJECT_0 || tulos == WAIT_ABANDONED;
    varattu_ = tulos == WAIT_TIMEOUT;
    if (auki_) return;
    CloseHandle(mutex_);
    mutex_ = nullptr;
}

KirjoitusEra::~KirjoitusEra() { Vahvista(); }

bool KirjoitusEra::Vahvista() {
    if (!auki_) return false;
    auki_ = false;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
    mutex_ = nullptr;
    return true;
}

LONG PoistaAvainLukittuna(HKEY juuri, const char* avain) {
    for (int kerta = 0;; ++kerta) {
        KirjoitusEra era(juuri, avain);
        if (era.Auki()) return RegDeleteKeyA(juuri, avain);
        if (!era.Varattu() || !lukonodotus::Odota(kerta)) return ERROR_LOCK_VIOLATION;
    }
}
