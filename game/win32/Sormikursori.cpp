#include "win32/Sormikursori.h"

#include <vector>

#include "rules/pictures/Sormikursori.h"
#include "win32/Pikselikuvat.h"

namespace {

// Windows draws the colour bitmap by its alpha; the mask is for a screen that
// cannot, where a set bit leaves the pixel beneath as it is.
HBITMAP Peite(const piirros::Pikselikuva& kuva) {
    const int tavujaRivilla = (kuva.leveys + 15) / 16 * 2;
    std::vector<BYTE> bitit(static_cast<std::size_t>(tavujaRivilla * kuva.korkeus), 0);
    for (int y = 0; y < kuva.korkeus; ++y) {
        for (int x = 0; x < kuva.leveys; ++x) {
            if (kuva(x, y) != piirros::LAPINAKYVA) continue;
            bitit[static_cast<std::size_t>(y * tavujaRivilla + x / 8)] |=
                static_cast<BYTE>(0x80 >> (x % 8));
        }
    }
    return CreateBitmap(kuva.leveys, kuva.korkeus, 1, 1, bitit.data());
}

HCURSOR Luo() {
    const piirros::Kursorikuva kasi = piirros::Sormikursori();
    ICONINFO tiedot{};
    tiedot.fIcon = FALSE;
    tiedot.xHotspot = static_cast<DWORD>(kasi.karkiX);
    tiedot.yHotspot = static_cast<DWORD>(kasi.karkiY);
    tiedot.hbmMask = Peite(kasi.kuva);
    tiedot.hbmColor = Bittikartaksi(kasi.kuva);
    HCURSOR kursori = CreateIconIndirect(&tiedot);
    DeleteObject(tiedot.hbmMask);
    DeleteObject(tiedot.hbmColor);
    return kursori;
}

}  // namespace

HCURSOR Sormikursori() {
    static const HCURSOR kursori = Luo();
    return kursori;
}
