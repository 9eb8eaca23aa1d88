#pragma once

#include <QRect>

// The layout is measured in twips. At the 96 dots per inch it was drawn for,
// fifteen make one logical pixel; Qt's own scaling covers other densities.
constexpr int Twipeista(int twipit) { return twipit / 15; }

inline QRect TwipeistaAlue(int vasen, int yla, int leveys, int korkeus) {
    return {Twipeista(vasen), Twipeista(yla), Twipeista(leveys), Twipeista(korkeus)};
}
