#pragma once

#include <windows.h>

#include <array>

// The grids as the screen shows them. Positions are those of the main window
// at 96 dots per inch: squares 24 pixels apart and 25 wide, the player's grid
// from x 8, the computer's from x 264, both from y 16 of the client area.
enum class Puoli { Pelaaja, Kone };

POINT Keskipiste(Puoli puoli, int ruutu);

// A letter per square: V water, L ship, X hit, x the latest hit, O miss,
// o the latest miss, ? anything else. Element 0 is no square.
char RuudunTila(HWND peli, Puoli puoli, int ruutu);
struct Ruudukkotila {
    std::array<char, 101> pelaaja{};
    std::array<char, 101> kone{};
};
Ruudukkotila Ruudukot(HWND peli);

// Every square's colour at its centre and on its miss ring, as RRGGBB, and a
// digest of all its pixels, of the grids whose client area starts at the
// screen point given.
void TulostaVarit(POINT alku);
