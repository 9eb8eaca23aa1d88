#include "win32/Kohdistuskehys.h"

#include <map>

#include "rules/pictures/Kohdistuskehys.h"
#include "win32/Pikselikuvat.h"

namespace {

HBITMAP Kehys(int koko) {
    // One per screen density the window has met, for the program's life.
    static std::map<int, HBITMAP> valmiit;
    auto [paikka, uusi] = valmiit.try_emplace(koko, nullptr);
    if (uusi) paikka->second = Bittikartaksi(piirros::Kohdistuskehys(koko));
    return paikka->second;
}

}  // namespace

void PiirraKohdistuskehys(HDC dc, const RECT& laatta) {
    const int koko = laatta.right - laatta.left;
    HDC muisti = CreateCompatibleDC(dc);
    HGDIOBJ aiempi = SelectObject(muisti, Kehys(koko));
    // The frame's own alpha: its inside leaves the tile showing.
    const BLENDFUNCTION sekoitus{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, laatta.left, laatta.top, koko, koko, muisti, 0, 0, koko, koko, sekoitus);
    SelectObject(muisti, aiempi);
    DeleteDC(muisti);
}
