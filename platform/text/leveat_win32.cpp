#include <windows.h>

#include "platform/text/leveat.h"

std::wstring Leveaksi(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int pituus =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring tulos(static_cast<std::size_t>(pituus), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), tulos.data(),
                        pituus);
    return tulos;
}

std::string Utf8(std::wstring_view levea) {
    if (levea.empty()) return {};
    const int pituus = WideCharToMultiByte(CP_UTF8, 0, levea.data(), static_cast<int>(levea.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string tulos(static_cast<std::size_t>(pituus), '\0');
    WideCharToMultiByte(CP_UTF8, 0, levea.data(), static_cast<int>(levea.size()), tulos.data(),
                        pituus, nullptr, nullptr);
    return tulos;
}
