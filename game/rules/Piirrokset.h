#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "rules/Nakyma.h"

// What the game's pictures are made of, as plain data; rules/pictures turns
// it into pixels at the size each screen needs.
namespace piirros {

// RGB, 0xRRGGBB.
using Vari = std::uint32_t;

// A tile was 21 pixels wide: ten one-pixel rings and a centre pixel, listed
// from the border inwards. The marks are given in those 21 units.
inline constexpr int YKSIKOITA = 21;
inline constexpr int RENKAITA = 11;
using Renkaat = std::array<Vari, RENKAITA>;

inline constexpr Renkaat VESI{0x4670A0, 0x5985B7, 0x7399C3, 0x88A8CC, 0x9CB6D4, 0xABC2DB,
                              0xB5C9DF, 0xBDCFE3, 0xC1D2E5, 0xC3D3E5, 0xC0D1E4};
inline constexpr Renkaat LAIVA{0x151515, 0x252525, 0x363636, 0x494949, 0x5A5A5A, 0x686868,
                               0x717171, 0x797979, 0x7D7D7D, 0x7E7E7E, 0x7B7B7B};

inline constexpr Vari VAALEANKELTAINEN = 0xFFFFC0;
inline constexpr Vari PUNAINEN = 0xFF4040;
inline constexpr Vari REUNUS = 0x404040;

// The hit's cross: two strokes with flat ends between these corners.
inline constexpr double RISTI_ALKU = 5.0;
inline constexpr double RISTI_LOPPU = 16.0;
inline constexpr double RISTI_PAKSUUS = 2.0;

// The miss's ring around the tile's centre: a coloured band on a wider dark
// one, which shows as an edge on both sides.
inline constexpr double RENGAS_SADE = 5.0;
inline constexpr double RENGAS_PAKSUUS = 2.0;
inline constexpr double RENGAS_REUNUS_PAKSUUS = 4.0;

enum class Merkki { Ei, Risti, Rengas };

// What one of the six pictures is made of.
struct Kuvamalli {
    const Renkaat& laatta;
    Merkki merkki = Merkki::Ei;
    Vari vari = 0;
};

constexpr Kuvamalli Malli(Kuva kuva) {
    switch (kuva) {
        case Kuva::Vesi:
            break;
        case Kuva::Laiva:
            return {LAIVA};
        case Kuva::Osuma:
            return {LAIVA, Merkki::Risti, VAALEANKELTAINEN};
        case Kuva::OsumaViimeksi:
            return {LAIVA, Merkki::Risti, PUNAINEN};
        case Kuva::Ohi:
            return {VESI, Merkki::Rengas, VAALEANKELTAINEN};
        case Kuva::OhiViimeksi:
            return {VESI, Merkki::Rengas, PUNAINEN};
    }
    return {VESI};
}

// The pointing hand over a square that can be clicked: 32 x 32, '#' black,
// 'o' white, anything else see-through. Rows end where the picture does; the
// rest of the square is see-through.
inline constexpr int KURSORIN_SIVU = 32;
inline constexpr int KURSORIN_KARKI_X = 5;
inline constexpr int KURSORIN_KARKI_Y = 0;
inline constexpr std::array<std::string_view, 25> SORMIKURSORI{
    ".....####",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#####",
    "....#oooo#oooo#####",
    "....#oooo#oooo#oooo####",
    "....#oooo#oooo#oooo#ooo#",
    ".##.#oooo#oooo#oooo#ooo#",
    "#oo##oooo#oooo#oooo#ooo#",
    "#ooo#oooooooooooooooooo#",
    ".#oo#oooooooooooooooooo#",
    ".#ooooooooooooooooooooo#",
    "..#oooooooooooooooooooo#",
    "..#oooooooooooooooooooo#",
    "...#ooooooooooooooooooo#",
    "...#oooooooooooooooooo#",
    "....#ooooooooooooooooo#",
    "....#oooooooooooooooo#",
    ".....#ooooooooooooooo#",
    ".....#ooooooooooooooo#",
    ".....#################",
};

}  // namespace piirros
