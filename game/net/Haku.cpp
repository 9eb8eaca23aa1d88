#include "net/Haku.h"

#include "net/Rivinjako.h"
#include "rules/network/Utf8.h"

namespace {

constexpr std::string_view VASTAUKSEN_ALKU = "MORVAK PELI 1 ";

// C0, DEL, and C1 as UTF-8 writes it (C2 80 to C2 9F).
bool Ohjausmerkkeja(std::string_view teksti) {
    for (std::size_t i = 0; i < teksti.size(); ++i) {
        const auto tavu = static_cast<unsigned char>(teksti[i]);
        if (tavu < 0x20 || tavu == 0x7F) return true;
        if (tavu == 0xC2 && i + 1 < teksti.size() &&
            static_cast<unsigned char>(teksti[i + 1]) < 0xA0)
            return true;
    }
    return false;
}

}  // namespace

std::string Hakuvastaus(const std::string& nimi) { return std::string(VASTAUKSEN_ALKU) + nimi; }

std::optional<std::string> VastauksenNimi(std::string_view datagrammi) {
    if (datagrammi.size() >= Rivinjako::PISIN_RIVI || !datagrammi.starts_with(VASTAUKSEN_ALKU))
        return std::nullopt;
    const std::string_view nimi = datagrammi.substr(VASTAUKSEN_ALKU.size());
    if (nimi.empty() || !KelvollinenUtf8(nimi) || Ohjausmerkkeja(nimi)) return std::nullopt;
    return std::string(nimi);
}
