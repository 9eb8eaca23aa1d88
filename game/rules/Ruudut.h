#pragma once

#include <array>
#include <cstddef>

// Squares are numbered 1..100 row by row from the top-left, ten to a row.
inline constexpr int RUUTUJA = 100;

// Row 1 is the top row, 10 the bottom row.
constexpr int Rivi(int ruutu) { return (ruutu - 1) / 10 + 1; }
// Column 1 is the left edge, 10 the right edge.
constexpr int Sarake(int ruutu) { return (ruutu - 1) % 10 + 1; }
constexpr bool OnRuudukossa(int ruutu) { return ruutu >= 1 && ruutu <= RUUTUJA; }
// The outer ring: the top and bottom rows and the left and right columns.
constexpr bool OnReunassa(int ruutu) {
    return Rivi(ruutu) == 1 || Rivi(ruutu) == 10 || Sarake(ruutu) == 1 || Sarake(ruutu) == 10;
}
// Whether the rules let a ship lie on the square at all.
constexpr bool LaivaVoiOlla(int ruutu, bool laivaSaaSijaitaReunassa) {
    return laivaSaaSijaitaReunassa || !OnReunassa(ruutu);
}

// The neighbours of a square that exist on the grid, in the one order every
// rule visits them: left, up-right, up, up-left, right, down-left, down,
// down-right. Diagonals only when ships may not touch at their corners.
class Naapurit {
  public:
    constexpr Naapurit(int ruutu, bool kulmatSaavatKoskettaa) {
        for (const Suunta& s : SUUNNAT) {
            const int m = ruutu + s.siirto;
            if (s.vinottain && kulmatSaavatKoskettaa) continue;
            // A step sideways from an edge column lands on the opposite edge
            // of the next or previous row; the landing column gives it away.
            if (!OnRuudukossa(m) || Sarake(m) == s.mahdotonSarake) continue;
            ruudut_[maara_++] = m;
        }
    }

    constexpr const int* begin() const { return ruudut_.data(); }
    constexpr const int* end() const { return ruudut_.data() + maara_; }
    constexpr std::size_t size() const { return maara_; }

  private:
    struct Suunta {
        int siirto;
        bool vinottain;
        int mahdotonSarake;  // 0 when any column will do
    };
    static constexpr std::array<Suunta, 8> SUUNNAT{{
        {-1, false, 10},
        {-9, true, 1},
        {-10, false, 0},
        {-11, true, 10},
        {+1, false, 1},
        {+9, true, 10},
        {+10, false, 0},
        {+11, true, 1},
    }};

    std::array<int, 8> ruudut_{};
    std::size_t maara_ = 0;
};
