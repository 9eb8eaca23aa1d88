#include "tests/win32/Nayttopisteet.h"

#include <cstdio>

namespace {

// The centre is the middle of the tile; the ring of a miss crosses the
// column above it six pixels below the tile's top.
constexpr int RENKAAN_NOUSU = 6;

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
    for (const Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        for (int ruutu = 1; ruutu <= 100; ++ruutu) {
            const Varit varit = Lue(alku, puoli, ruutu);
            std::printf("%s %3d %06X %06X\n", puoli == Puoli::Pelaaja ? "pelaaja" : "kone", ruutu,
                        Rgb(varit.keskus), Rgb(varit.rengas));
        }
    }
}
