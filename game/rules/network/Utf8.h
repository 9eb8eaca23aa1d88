#pragma once

#include <string>
#include <string_view>

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
bool KelvollinenUtf8(std::string_view teksti);

// The characters of UTF-8; a byte that starts no whole sequence is U+FFFD.
std::u32string Koodipisteet(std::string_view teksti);
