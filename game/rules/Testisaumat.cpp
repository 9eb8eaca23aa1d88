#include "rules/Testisaumat.h"

#include <charconv>
#include <cstring>

namespace {

// Decimal digits and nothing else: no sign, no space, no overflow.
template <class Luku>
std::optional<Luku> Numeroina(const char* arvo) {
    if (arvo == nullptr || *arvo == '\0') return std::nullopt;
    const char* loppu = arvo + std::strlen(arvo);
    Luku luku{};
    const auto [kohta, virhe] = std::from_chars(arvo, loppu, luku);
    if (virhe != std::errc() || kohta != loppu || *arvo == '-' || *arvo == '+') return std::nullopt;
    return luku;
}

constexpr std::uint64_t PISIN_TAUKO_MS = 600000;

}  // namespace

std::optional<std::chrono::milliseconds> TauonPituusSaumasta(const char* arvo) {
    const auto ms = Numeroina<std::uint64_t>(arvo);
    if (!ms || *ms > PISIN_TAUKO_MS) return std::nullopt;
    return std::chrono::milliseconds(static_cast<std::int64_t>(*ms));
}

std::optional<std::uint64_t> SiemenSaumasta(const char* arvo) {
    return Numeroina<std::uint64_t>(arvo);
}
