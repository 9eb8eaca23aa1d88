#include "net/Verkkosaumat.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace {

// Decimal digits and nothing else, no leading zero but in 0 itself.
std::optional<unsigned> Numeroina(std::string_view arvo) {
    if (arvo.empty() || (arvo.size() > 1 && arvo.front() == '0')) return std::nullopt;
    if (arvo.front() == '+' || arvo.front() == '-') return std::nullopt;
    unsigned luku = 0;
    const auto [kohta, virhe] = std::from_chars(arvo.data(), arvo.data() + arvo.size(), luku);
    if (virhe != std::errc() || kohta != arvo.data() + arvo.size()) return std::nullopt;
    return luku;
}

bool Ipv4(std::string_view arvo) {
    for (int osa = 0; osa < 4; ++osa) {
        const std::size_t piste = arvo.find('.');
        if ((osa < 3) == (piste == std::string_view::npos)) return false;
        const auto luku = Numeroina(arvo.substr(0, piste));
        if (!luku || *luku > 255) return false;
        arvo.remove_prefix(osa < 3 ? piste + 1 : arvo.size());
    }
    return true;
}

}  // namespace

std::optional<std::uint16_t> PorttiSaumasta(const char* arvo) {
    if (arvo == nullptr) return std::nullopt;
    const auto luku = Numeroina(arvo);
    if (!luku || *luku < 1024 || *luku > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(*luku);
}

std::optional<std::string> LahetysosoiteSaumasta(const char* arvo) {
    if (arvo == nullptr || !Ipv4(arvo)) return std::nullopt;
    return std::string(arvo);
}
