#pragma once

#include <string>
#include <string_view>

// The rest of the program speaks UTF-8; Windows is spoken to in UTF-16
// through the wide entry points only, whatever the user's ANSI code page. A
// zero inside a text travels with it.
std::wstring Leveaksi(std::string_view utf8);
std::string Utf8(std::wstring_view levea);
