// Prints what a message box on the screen says, as the window system holds
// it: its text and the text of each button, in UTF-8, one a line. The title
// alone would not show a box whose Finnish letters came out garbled.
//
//   ruudunluku <otsikko>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& teksti) {
    const int pituus =
        WideCharToMultiByte(CP_UTF8, 0, teksti.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string tulos(static_cast<std::size_t>(pituus), '\0');
    WideCharToMultiByte(CP_UTF8, 0, teksti.c_str(), -1, tulos.data(), pituus, nullptr, nullptr);
    tulos.resize(static_cast<std::size_t>(pituus > 0 ? pituus - 1 : 0));
    return tulos;
}

std::wstring Teksti(HWND ikkuna) {
    wchar_t puskuri[512] = {};
    GetWindowTextW(ikkuna, puskuri, 512);
    return puskuri;
}

std::wstring Luokka(HWND ikkuna) {
    wchar_t puskuri[64] = {};
    GetClassNameW(ikkuna, puskuri, 64);
    return puskuri;
}

BOOL CALLBACK TulostaOsa(HWND osa, LPARAM) {
    const std::wstring teksti = Teksti(osa);
    if (teksti.empty() || !IsWindowVisible(osa)) return TRUE;
    const char* laji = _wcsicmp(Luokka(osa).c_str(), L"Button") == 0 ? "painike" : "teksti";
    std::printf("%s: %s\n", laji, Utf8(teksti).c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "käyttö: ruudunluku <otsikko>\n");
        return 2;
    }
    const HWND ruutu = FindWindowA("#32770", argv[1]);
    if (ruutu == nullptr) return 1;
    EnumChildWindows(ruutu, TulostaOsa, 0);
    return 0;
}
