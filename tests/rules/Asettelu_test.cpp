// Which square lies under a point of the main window, in twips.

#include "rules/Asettelu.h"

#include <gtest/gtest.h>

namespace {

TEST(RuutuKohdassa, NeighboursShareTheirBorderAndTheLaterSquareLiesOnTop) {
    EXPECT_EQ(RuutuKohdassa(120, 240), (Ruutupaikka{Puoli::Pelaaja, 1}));
    EXPECT_EQ(RuutuKohdassa(479, 240), (Ruutupaikka{Puoli::Pelaaja, 1}));
    EXPECT_EQ(RuutuKohdassa(480, 240), (Ruutupaikka{Puoli::Pelaaja, 2}));
    EXPECT_EQ(RuutuKohdassa(120, 600), (Ruutupaikka{Puoli::Pelaaja, 11}));
    EXPECT_EQ(RuutuKohdassa(3734, 3854), (Ruutupaikka{Puoli::Pelaaja, 100}));
    EXPECT_EQ(RuutuKohdassa(3960, 240), (Ruutupaikka{Puoli::Kone, 1}));
    EXPECT_EQ(RuutuKohdassa(7574, 3854), (Ruutupaikka{Puoli::Kone, 100}));
    for (const auto& [x, y] :
         {std::pair{119, 240}, {120, 239}, {3735, 240}, {3959, 240}, {120, 3855}, {7575, 240}})
        EXPECT_EQ(RuutuKohdassa(x, y), std::nullopt) << x << ", " << y;
}

}  // namespace
