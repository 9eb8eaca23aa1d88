#include "win32/Kuoriavaus.h"

#include <shellapi.h>

#include "platform/text/leveat.h"

namespace {

std::wstring Kansio() {
    std::wstring polku(MAX_PATH, L'\0');
    for (;;) {
        const DWORD pituus =
            GetModuleFileNameW(nullptr, polku.data(), static_cast<DWORD>(polku.size()));
        if (pituus < polku.size()) {
            polku.resize(pituus);
            break;
        }
        polku.resize(polku.size() * 2);
    }
    return polku.substr(0, polku.find_last_of(L"\\/"));
}

}  // namespace

void AvaaKuorella(HWND omistaja, const Kuorikohde& kohde, Nayttokomento naytto) {
    std::wstring kohdePolku = Leveaksi(kohde.polku);
    // The rules join paths with forward slashes, which the shell also takes,
    // but a file is handed over in the form Windows itself writes.
    if (kohde.tiedosto) {
        for (wchar_t& merkki : kohdePolku) {
            if (merkki == L'/') merkki = L'\\';
        }
    }
    const std::wstring kansio = Kansio();
    ShellExecuteW(omistaja, L"open", kohdePolku.c_str(), L"", kansio.c_str(),
                  static_cast<int>(naytto));
}

std::string OhjelmanKansio() { return Utf8(Kansio()); }
