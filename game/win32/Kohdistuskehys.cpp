#include "win32/Kohdistuskehys.h"

#include <array>
#include <cmath>

namespace {

// The tiles are 21 rings' worth of units wide; the frame takes the outer three.
constexpr int YKSIKOITA = 21;
constexpr std::array<COLORREF, 3> RENKAAT{RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255)};

int Reuna(int rengas, int koko) {
    return static_cast<int>(std::lround(rengas * koko / static_cast<double>(YKSIKOITA)));
}

void Tayta(HDC dc, int vasen, int yla, int oikea, int ala, HBRUSH sivellin) {
    const RECT alue{vasen, yla, oikea, ala};
    FillRect(dc, &alue, sivellin);
}

}  // namespace

void PiirraKohdistuskehys(HDC dc, const RECT& laatta) {
    const int koko = laatta.right - laatta.left;
    for (std::size_t i = 0; i < RENKAAT.size(); ++i) {
        const int ulko = Reuna(static_cast<int>(i), koko);
        const int sisa = Reuna(static_cast<int>(i) + 1, koko);
        const int vasen = laatta.left + ulko;
        const int yla = laatta.top + ulko;
        const int oikea = laatta.left + koko - ulko;
        const int ala = laatta.top + koko - ulko;
        const int leveys = sisa - ulko;
        HBRUSH sivellin = CreateSolidBrush(RENKAAT[i]);
        Tayta(dc, vasen, yla, oikea, yla + leveys, sivellin);
        Tayta(dc, vasen, ala - leveys, oikea, ala, sivellin);
        Tayta(dc, vasen, yla + leveys, vasen + leveys, ala - leveys, sivellin);
        Tayta(dc, oikea - leveys, yla + leveys, oikea, ala - leveys, sivellin);
        DeleteObject(sivellin);
    }
}
