#include <cstring>
#include <string>
#include <vector>

#include "platform/registry/arvot.h"
#include "platform/text/leveat.h"

namespace {

bool OnTekstia(DWORD tyyppi) {
    return tyyppi == REG_SZ || tyyppi == REG_EXPAND_SZ || tyyppi == REG_MULTI_SZ;
}

std::wstring Nimi(const char* nimi) { return nimi == nullptr ? std::wstring() : Leveaksi(nimi); }

}  // namespace

LONG TallennaArvo(HKEY kahva, const char* nimi, DWORD tyyppi, const BYTE* data, DWORD koko) {
    if (!OnTekstia(tyyppi)) return RegSetValueExW(kahva, Nimi(nimi).c_str(), 0, tyyppi, data, koko);
    // The zero travels with the text, as the caller counted it.
    const std::wstring teksti = Leveaksi({reinterpret_cast<const char*>(data), koko});
    return RegSetValueExW(kahva, Nimi(nimi).c_str(), 0, tyyppi,
                          reinterpret_cast<const BYTE*>(teksti.data()),
                          static_cast<DWORD>(teksti.size() * sizeof(wchar_t)));
}

LONG KysyArvo(HKEY kahva, const char* nimi, LPDWORD tyyppi, LPBYTE data, LPDWORD koko) {
    // A text that fits the caller's bytes in UTF-8 takes at most twice as
    // many in UTF-16.
    std::vector<BYTE> puskuri(static_cast<std::size_t>(*koko) * 2 + sizeof(wchar_t));
    DWORD luettu = static_cast<DWORD>(puskuri.size());
    DWORD laji = 0;
    const LONG tulos =
        RegQueryValueExW(kahva, Nimi(nimi).c_str(), nullptr, &laji, puskuri.data(), &luettu);
    if (tyyppi != nullptr) *tyyppi = laji;
    if (tulos != ERROR_SUCCESS) return tulos;
    std::string tavut;
    if (OnTekstia(laji)) {
        tavut = Utf8({reinterpret_cast<const wchar_t*>(puskuri.data()), luettu / sizeof(wchar_t)});
    } else {
        tavut.assign(reinterpret_cast<const char*>(puskuri.data()), luettu);
    }
    const DWORD tilaa = *koko;
    *koko = static_cast<DWORD>(tavut.size());
    if (tavut.size() > tilaa) return ERROR_MORE_DATA;
    std::memcpy(data, tavut.data(), tavut.size());
    return ERROR_SUCCESS;
}

LONG PoistaArvo(HKEY kahva, const char* nimi) { return RegDeleteValueW(kahva, Nimi(nimi).c_str()); }
