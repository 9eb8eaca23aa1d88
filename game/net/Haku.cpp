#include "net/Haku.h"

#include "net/Rivinjako.h"
#include "rules/network/Protokolla.h"

namespace {

constexpr std::string_view VASTAUKSEN_ALKU = "MORVAK PELI 1 ";

}  // namespace

std::string Hakuvastaus(const std::string& nimi) { return std::string(VASTAUKSEN_ALKU) + nimi; }

std::optional<std::string> VastauksenNimi(std::string_view datagrammi) {
    if (datagrammi.size() >= Rivinjako::PISIN_RIVI || !datagrammi.starts_with(VASTAUKSEN_ALKU))
        return std::nullopt;
    const std::string_view nimi = datagrammi.substr(VASTAUKSEN_ALKU.size());
    if (!KelvollinenNimi(nimi)) return std::nullopt;
    return std::string(nimi);
}
