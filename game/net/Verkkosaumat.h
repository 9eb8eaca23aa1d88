#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Where the network game listens and broadcasts, as tests may set it through
// the environment of a shipped program. A value that is not plainly one of
// these is refused and the fixed one holds.

inline constexpr std::uint16_t PELIN_PORTTI = 47620;
inline constexpr const char* YLEISLAHETYS = "255.255.255.255";

// MORVAK_VERKKO_PORTTI: the TCP and UDP port, 1024 to 65535 in decimal digits.
std::optional<std::uint16_t> PorttiSaumasta(const char* arvo);

// MORVAK_VERKKO_LAHETYS: where searches go, an IPv4 address in four decimal
// parts.
std::optional<std::string> LahetysosoiteSaumasta(const char* arvo);
