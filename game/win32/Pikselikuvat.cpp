#include "win32/Pikselikuvat.h"

#include <algorithm>

namespace {

BITMAPINFO Tiedot(const piirros::Pikselikuva& kuva) {
    BITMAPINFO tiedot{};
    tiedot.bmiHeader.biSize = sizeof tiedot.bmiHeader;
    tiedot.bmiHeader.biWidth = kuva.leveys;
    tiedot.bmiHeader.biHeight = -kuva.korkeus;  // top row first
    tiedot.bmiHeader.biPlanes = 1;
    tiedot.bmiHeader.biBitCount = 32;
    tiedot.bmiHeader.biCompression = BI_RGB;
    return tiedot;
}

}  // namespace

HBITMAP Bittikartaksi(const piirros::Pikselikuva& kuva) {
    const BITMAPINFO tiedot = Tiedot(kuva);
    void* bitit = nullptr;
    HBITMAP kartta = CreateDIBSection(nullptr, &tiedot, DIB_RGB_COLORS, &bitit, nullptr, 0);
    if (kartta == nullptr) return nullptr;
    std::copy(kuva.pikselit.begin(), kuva.pikselit.end(), static_cast<piirros::Pikseli*>(bitit));
    return kartta;
}

void PiirraPikselit(HDC dc, int x, int y, const piirros::Pikselikuva& kuva) {
    const BITMAPINFO tiedot = Tiedot(kuva);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(kuva.leveys), static_cast<DWORD>(kuva.korkeus),
                      0, 0, 0, static_cast<UINT>(kuva.korkeus), kuva.pikselit.data(), &tiedot,
                      DIB_RGB_COLORS);
}
