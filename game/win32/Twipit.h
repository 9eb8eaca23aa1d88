#pragma once

#include <windows.h>

#include "rules/Asettelu.h"

// The layout is measured in twips, 1440 to an inch: fifteen make a pixel at
// 96 dots per inch, twelve at 120. Each window scales them by the density of
// the screen it is on.
inline int Twipeista(int twipit, UINT dpi) { return MulDiv(twipit, static_cast<int>(dpi), 1440); }

// A pixel's centre in twips, so that it falls in the square it is drawn in.
inline int PisteTwipeina(int piste, UINT dpi) {
    return MulDiv(2 * piste + 1, 1440, 2 * static_cast<int>(dpi));
}

inline RECT TwipeistaAlue(const Alue& alue, UINT dpi) {
    const int vasen = Twipeista(alue.vasen, dpi);
    const int yla = Twipeista(alue.yla, dpi);
    return {vasen, yla, vasen + Twipeista(alue.leveys, dpi), yla + Twipeista(alue.korkeus, dpi)};
}

// A measure of the screen back in twips, as the rules lay text out in them.
inline int Twipeiksi(int pikselit, UINT dpi) {
    return MulDiv(pikselit, 1440, static_cast<int>(dpi));
}
