#include "rules/placement/Mahtuminen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace {

// A grid where only the given squares are water.
Ruudukko Vesiruudut(std::initializer_list<int> vesi) {
    Ruudukko ruudut{};
    std::fill(ruudut.begin() + 1, ruudut.end(), Sana::varattu);
    for (int r : vesi) ruudut[static_cast<std::size_t>(r)] = Sana::vesi;
    return ruudut;
}

TEST(Mahtuminen, ARunAlongARowOrAColumnHoldsAShipOfItsLength) {
    EXPECT_TRUE(Mahtuu(Vesiruudut({44, 45, 46}), 3));
    EXPECT_FALSE(Mahtuu(Vesiruudut({44, 45, 46}), 4));
    EXPECT_TRUE(Mahtuu(Vesiruudut({70, 80, 90, 100}), 4));
    EXPECT_FALSE(Mahtuu(Vesiruudut({70, 80, 90, 100}), 5));
    EXPECT_TRUE(Mahtuu(Vesiruudut({1}), 1));
    EXPECT_FALSE(Mahtuu(Vesiruudut({}), 1));
}

TEST(Mahtuminen, NumbersInARowAcrossTheEdgeAreNoRun) {
    EXPECT_FALSE(Mahtuu(Vesiruudut({9, 10, 11, 12}), 3));
    EXPECT_TRUE(Mahtuu(Vesiruudut({9, 10, 11, 12}), 2));
    // The bottom row has nothing below it.
    EXPECT_FALSE(Mahtuu(Vesiruudut({95, 97}), 2));
}

TEST(Mahtuminen, OnlyWaterCounts) {
    Ruudukko ruudut = Vesiruudut({34, 35, 36});
    ruudut[35] = Sana::laiva;
    EXPECT_FALSE(Mahtuu(ruudut, 2));
    ruudut[35] = Sana::ohi;
    EXPECT_FALSE(Mahtuu(ruudut, 2));
    EXPECT_TRUE(Mahtuu(ruudut, 1));
}

}  // namespace
