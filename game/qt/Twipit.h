#pragma once

#include <QRect>

#include "rules/Asettelu.h"

// The layout is measured in twips. At the 96 dots per inch it was drawn for,
// fifteen make one logical pixel; Qt's own scaling covers other densities.
constexpr int Twipeista(int twipit) { return twipit / 15; }

inline QRect TwipeistaAlue(const Alue& alue) {
    return {Twipeista(alue.vasen), Twipeista(alue.yla), Twipeista(alue.leveys),
            Twipeista(alue.korkeus)};
}

// A measure of the screen back in twips, as the rules lay text out in them.
constexpr int Twipeiksi(int pikselit) { return pikselit * 15; }
