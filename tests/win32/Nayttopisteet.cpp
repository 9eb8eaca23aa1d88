#include "tests/win32/Nayttopisteet.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The centre is the middle of the tile; the ring of a miss crosses the
// column above it six pixels below the tile's top.
constexpr int RENKAAN_NOUSU = 6;
// A square reaches this far from its centre on every side.
constexpr int PUOLI_SIVUA = 12;
// From the client area's top left to the computer's grid's bottom right.
constexpr SIZE KAAPATTU{264 + 24 * 9 + 25, 16 + 24 * 9 + 25};

struct Varit {
    COLORREF keskus;
    COLORREF rengas;
};

Varit Lue(POINT alku, Puoli puoli, int ruutu) {
    const POINT kohta = Keskipiste(puoli, ruutu);
    HDC naytto = GetDC(nullptr);
    const Varit varit{GetPixel(naytto, alku.x + kohta.x, alku.y + kohta.y),
                      GetPixel(naytto, alku.x + kohta.x, alku.y + kohta.y - RENKAAN_NOUSU)};
    ReleaseDC(nullptr, naytto);
    return varit;
}

unsigned Rgb(COLORREF vari) {
    return static_cast<unsigned>(GetRValue(vari)) << 16 |
           static_cast<unsigned>(GetGValue(vari)) << 8 | GetBValue(vari);
}

// The grids' part of the client area as the screen shows it, taken at once.
struct Kaappaus {
    std::vector<std::uint32_t> pikselit;
    unsigned Pikseli(int x, int y) const {
        return pikselit[static_cast<std::size_t>(y * KAAPATTU.cx + x)] & 0xFFFFFF;
    }
};

Kaappaus Kaappaa(POINT alku) {
    BITMAPINFO tiedot{};
    tiedot.bmiHeader.biSize = sizeof tiedot.bmiHeader;
    tiedot.bmiHeader.biWidth = KAAPATTU.cx;
    tiedot.bmiHeader.biHeight = -KAAPATTU.cy;
    tiedot.bmiHeader.biPlanes = 1;
    tiedot.bmiHeader.biBitCount = 32;
    tiedot.bmiHeader.biCompression = BI_RGB;
    HDC naytto = GetDC(nullptr);
    HDC muisti = CreateCompatibleDC(naytto);
    void* bitit = nullptr;
    HBITMAP kartta = CreateDIBSection(naytto, &tiedot, DIB_RGB_COLORS, &bitit, nullptr, 0);
    HGDIOBJ aiempi = SelectObject(muisti, kartta);
    BitBlt(muisti, 0, 0, KAAPATTU.cx, KAAPATTU.cy, naytto, alku.x, alku.y, SRCCOPY);
    GdiFlush();
    const auto* alkio = static_cast<const std::uint32_t*>(bitit);
    Kaappaus kuva{{alkio, alkio + KAAPATTU.cx * KAAPATTU.cy}};
    SelectObject(muisti, aiempi);
    DeleteObject(kartta);
    DeleteDC(muisti);
    ReleaseDC(nullptr, naytto);
    return kuva;
}

// Every pixel of the square whose centre is given, folded into one number
// (FNV-1a), so two faces compare square for square, pixel for pixel.
unsigned Tiiviste(const Kaappaus& kuva, POINT keski) {
    std::uint32_t tiiviste = 2166136261u;
    for (int y = keski.y - PUOLI_SIVUA; y <= keski.y + PUOLI_SIVUA; ++y) {
        for (int x = keski.x - PUOLI_SIVUA; x <= keski.x + PUOLI_SIVUA; ++x)
            tiiviste = (tiiviste ^ kuva.Pikseli(x, y)) * 16777619u;
    }
    return tiiviste;
}

POINT Alku(HWND peli) {
    POINT alku{0, 0};
    ClientToScreen(peli, &alku);
    return alku;
}

}  // namespace

POINT Keskipiste(Puoli puoli, int ruutu) {
    const int sarake = (ruutu - 1) % 10;
    const int rivi = (ruutu - 1) / 10;
    return {(puoli == Puoli::Pelaaja ? 8 : 264) + 12 + 24 * sarake, 16 + 12 + 24 * rivi};
}

char RuudunTila(HWND peli, Puoli puoli, int ruutu) {
    const Varit varit = Lue(Alku(peli), puoli, ruutu);
    const unsigned keskus = Rgb(varit.keskus);
    const unsigned rengas = Rgb(varit.rengas);
    if (keskus == 0x7B7B7B) return 'L';
    if (keskus == 0xFFFFC0) return 'X';
    if (keskus == 0xFF4040) return 'x';
    if (keskus != 0xC0D1E4) return '?';
    if (rengas == 0xABC2DB) return 'V';
    if (rengas == 0xFFFFC0) return 'O';
    if (rengas == 0xFF4040) return 'o';
    return '?';
}

Ruudukkotila Ruudukot(HWND peli) {
    Ruudukkotila tila;
    for (int ruutu = 1; ruutu <= 100; ++ruutu) {
        tila.pelaaja[static_cast<std::size_t>(ruutu)] = RuudunTila(peli, Puoli::Pelaaja, ruutu);
        tila.kone[static_cast<std::size_t>(ruutu)] = RuudunTila(peli, Puoli::Kone, ruutu);
    }
    return tila;
}

void TulostaVarit(POINT alku) {
    const Kaappaus kuva = Kaappaa(alku);
    for (const Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        for (int ruutu = 1; ruutu <= 100; ++ruutu) {
            const POINT keski = Keskipiste(puoli, ruutu);
            std::printf("%s %3d %06X %06X %08X\n", puoli == Puoli::Pelaaja ? "pelaaja" : "kone",
                        ruutu, kuva.Pikseli(keski.x, keski.y),
                        kuva.Pikseli(keski.x, keski.y - RENKAAN_NOUSU), Tiiviste(kuva, keski));
        }
    }
}
