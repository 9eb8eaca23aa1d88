#pragma once

#include <vector>

#include "rules/Pelitila.h"

// The outer ring of a grid, written out: rows 1 and 10, columns 1 and 10.
inline const std::vector<int> REUNARENGAS{
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10,                   // row 1
    11, 20, 21, 30, 31, 40, 41, 50, 51, 60, 61, 70,  71, 80,  // columns 1 and 10
    81, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100,          // row 10
};

// The ring's squares that hold a ship, hit or not.
inline std::vector<int> LaivatReunassa(const Ruudukko& ruudut) {
    std::vector<int> laivat;
    for (int r : REUNARENGAS) {
        if (ruudut[r] == Sana::laiva || ruudut[r] == Sana::uponnut) laivat.push_back(r);
    }
    return laivat;
}
