#include "store/Arvo.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "platform/registry/arvot.h"
#include "store/mdlMorvak2.h"

namespace {

constexpr DWORD LUKUPUSKURIN_KOKO = 2048;

// The bytes are little-endian whatever the machine; a value shorter than four
// bytes counts the missing ones as zero.
std::string DwordTekstina(const std::array<BYTE, LUKUPUSKURIN_KOKO>& puskuri, DWORD koko) {
    std::uint32_t luku = 0;
    for (DWORD i = 0; i < std::min<DWORD>(koko, 4); ++i) {
        luku |= static_cast<std::uint32_t>(puskuri[i]) << (8 * i);
    }
    char teksti[16];
    std::snprintf(teksti, sizeof teksti, "%03lu", static_cast<unsigned long>(luku));
    return teksti;
}

std::string BinaariTekstina(const std::array<BYTE, LUKUPUSKURIN_KOKO>& puskuri, DWORD koko) {
    static constexpr char NUMEROT[] = "0123456789ABCDEF";
    std::string teksti;
    for (DWORD i = 0; i < koko; ++i) {
        teksti += NUMEROT[puskuri[i] >> 4];
        teksti += NUMEROT[puskuri[i] & 0x0f];
    }
    return teksti;
}

// A text less its terminating zero. Other programs may store one without it:
// then its last byte is text too, and a text that fills the whole buffer is
// longer than any text read with its zero, so it does not fit.
std::optional<std::string> Tekstina(DWORD tyyppi,
                                    const std::array<BYTE, LUKUPUSKURIN_KOKO>& puskuri,
                                    DWORD koko) {
    if (tyyppi == REG_DWORD) return DwordTekstina(puskuri, koko);
    if (tyyppi == REG_BINARY) return BinaariTekstina(puskuri, koko);
    const DWORD merkkeja = koko > 0 && puskuri[koko - 1] == 0 ? koko - 1 : koko;
    if (merkkeja >= LUKUPUSKURIN_KOKO) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(puskuri.data()), merkkeja);
}

}  // namespace

Arvo LueArvo(HKEY juuri, const std::string& avain, const std::string& nimi) {
    HKEY kahva = nullptr;
    const LONG avaus = RegOpenKeyA(juuri, avain.c_str(), &kahva);
    std::array<BYTE, LUKUPUSKURIN_KOKO> puskuri;
    puskuri.fill(' ');
    DWORD koko = LUKUPUSKURIN_KOKO;
    DWORD tyyppi = 0;
    LONG kysely = KysyArvo(kahva, nimi.c_str(), &tyyppi, puskuri.data(), &koko);
    std::optional<std::string> teksti;
    if (kysely == ERROR_SUCCESS) teksti = Tekstina(tyyppi, puskuri, koko);
    if (kysely == ERROR_SUCCESS && !teksti) kysely = ERROR_MORE_DATA;
    RegCloseKey(kahva);
    return {teksti.value_or(EI_LOYTYNYT), avaus != ERROR_SUCCESS ? avaus : kysely};
}

bool Luettu(LONG tila) {
    return tila == ERROR_SUCCESS || tila == ERROR_FILE_NOT_FOUND || tila == ERROR_MORE_DATA;
}

LONG AsetaTeksti(HKEY kahva, const std::string& nimi, DWORD tyyppi, const std::string& teksti) {
    const std::string data = teksti + '\0';
    return TallennaArvo(kahva, nimi.c_str(), tyyppi, reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size()));
}
