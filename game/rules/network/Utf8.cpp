#include "rules/network/Utf8.h"

#include <cstddef>

namespace {

bool Jatkotavu(unsigned char tavu) { return (tavu & 0xC0) == 0x80; }

// The length of the sequence that starts with `tavu`, and the range its
// second byte must fall in; 0 when no sequence starts so.
struct Alku {
    std::size_t pituus;
    unsigned char alin;
    unsigned char ylin;
};

Alku Alkutavu(unsigned char tavu) {
    if (tavu < 0x80) return {1, 0, 0};
    if (tavu >= 0xC2 && tavu <= 0xDF) return {2, 0x80, 0xBF};
    if (tavu == 0xE0) return {3, 0xA0, 0xBF};
    if (tavu == 0xED) return {3, 0x80, 0x9F};
    if (tavu >= 0xE1 && tavu <= 0xEF) return {3, 0x80, 0xBF};
    if (tavu == 0xF0) return {4, 0x90, 0xBF};
    if (tavu >= 0xF1 && tavu <= 0xF3) return {4, 0x80, 0xBF};
    if (tavu == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

bool KelvollinenUtf8(std::string_view teksti) {
    std::size_t kohta = 0;
    while (kohta < teksti.size()) {
        const Alku alku = Alkutavu(static_cast<unsigned char>(teksti[kohta]));
        if (alku.pituus == 0 || teksti.size() - kohta < alku.pituus) return false;
        if (alku.pituus > 1) {
            const auto toinen = static_cast<unsigned char>(teksti[kohta + 1]);
            if (toinen < alku.alin || toinen > alku.ylin) return false;
            for (std::size_t i = 2; i < alku.pituus; ++i)
                if (!Jatkotavu(static_cast<unsigned char>(teksti[kohta + i]))) return false;
        }
        kohta += alku.pituus;
    }
    return true;
}

std::u32string Koodipisteet(std::string_view teksti) {
    std::u32string merkit;
    for (std::size_t kohta = 0; kohta < teksti.size();) {
        const auto tavu = static_cast<unsigned char>(teksti[kohta]);
        const std::size_t pituus = Alkutavu(tavu).pituus;
        if (pituus == 0 || teksti.size() - kohta < pituus) {
            merkit.push_back(U'\uFFFD');
            ++kohta;
            continue;
        }
        // The lead byte keeps the bits its length leaves free.
        char32_t merkki = pituus == 1 ? tavu : tavu & (0x7Fu >> pituus);
        for (std::size_t i = 1; i < pituus; ++i)
            merkki = (merkki << 6) | (static_cast<unsigned char>(teksti[kohta + i]) & 0x3Fu);
        merkit.push_back(merkki);
        kohta += pituus;
    }
    return merkit;
}
