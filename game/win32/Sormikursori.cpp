#include "win32/Sormikursori.h"

#include <array>

#include "rules/Piirrokset.h"

namespace {

using namespace piirros;

constexpr int TAVUJA_RIVILLA = KURSORIN_SIVU / 8;
using Maski = std::array<BYTE, KURSORIN_SIVU * TAVUJA_RIVILLA>;

// A pixel with AND 1 leaves the screen as it is; with AND 0 the XOR bit picks
// black (0) or white (1).
HCURSOR Luo() {
    Maski ja{};
    Maski tai{};
    ja.fill(0xFF);
    for (std::size_t y = 0; y < SORMIKURSORI.size(); ++y) {
        for (std::size_t x = 0; x < SORMIKURSORI[y].size(); ++x) {
            const char merkki = SORMIKURSORI[y][x];
            if (merkki != '#' && merkki != 'o') continue;
            const std::size_t tavu = y * TAVUJA_RIVILLA + x / 8;
            const auto bitti = static_cast<BYTE>(0x80 >> (x % 8));
            ja[tavu] = static_cast<BYTE>(ja[tavu] & ~bitti);
            if (merkki == 'o') tai[tavu] = static_cast<BYTE>(tai[tavu] | bitti);
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), KURSORIN_KARKI_X, KURSORIN_KARKI_Y,
                        KURSORIN_SIVU, KURSORIN_SIVU, ja.data(), tai.data());
}

}  // namespace

HCURSOR Sormikursori() {
    static const HCURSOR kursori = Luo();
    return kursori;
}
