#pragma once

#include <string>

// The rules speak UTF-8; Windows is spoken to in UTF-16 through the wide
// entry points only, whatever the user's ANSI code page.
std::wstring Leveaksi(const std::string& utf8);
std::string Utf8(const std::wstring& levea);
