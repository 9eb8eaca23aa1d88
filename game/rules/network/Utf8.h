#pragma once

#include <string_view>

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
bool KelvollinenUtf8(std::string_view teksti);
