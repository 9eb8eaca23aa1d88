#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/Piirrokset.h"

namespace piirros {

// One pixel: 0xAARRGGBB with the colour premultiplied by its alpha.
using Pikseli = std::uint32_t;

inline constexpr Pikseli LAPINAKYVA = 0;

constexpr Pikseli Peittava(Vari vari) { return 0xFF000000u | vari; }

// A picture as both faces take it without conversion: a 32-bit premultiplied
// QImage and a top-down 32-bit DIB read the same words, row after row from
// the top, with no padding between rows.
struct Pikselikuva {
    int leveys = 0;
    int korkeus = 0;
    std::vector<Pikseli> pikselit;

    Pikselikuva(int leveys_, int korkeus_, Pikseli tausta = LAPINAKYVA)
        : leveys(leveys_),
          korkeus(korkeus_),
          pikselit(static_cast<std::size_t>(leveys_) * static_cast<std::size_t>(korkeus_), tausta) {
    }

    Pikseli& operator()(int x, int y) { return pikselit[Paikka(x, y)]; }
    Pikseli operator()(int x, int y) const { return pikselit[Paikka(x, y)]; }

  private:
    std::size_t Paikka(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(leveys) +
               static_cast<std::size_t>(x);
    }
};

}  // namespace piirros
