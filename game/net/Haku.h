#pragma once

#include <optional>
#include <string>
#include <string_view>

// The datagrams of finding a game: a search, and a waiting game's answer
// with its player's name.

inline constexpr std::string_view HAKUVIESTI = "MORVAK HAE 1";

std::string Hakuvastaus(const std::string& nimi);

// The name in an answer; nothing when the datagram is no answer or its name
// is not one a greeting could carry.
std::optional<std::string> VastauksenNimi(std::string_view datagrammi);
