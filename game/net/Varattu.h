#pragma once

#include <string_view>

// The one line a program that already has an opponent sends to a second
// one before closing, so that its player can be told why.
inline constexpr std::string_view VARATTU_RIVI = "VARATTU";
