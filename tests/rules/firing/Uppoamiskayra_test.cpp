#include "rules/firing/Uppoamiskayra.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

TEST(Uppoamiskayra, TheWaterRisesOverTheSquareAndFallsBackWithinItsTime) {
    EXPECT_EQ(UPPOAMISEN_KESTO, milliseconds(480));
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(-5)), 0.0);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(0)), 0.0);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(60)), 0.25);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(120)), 0.5);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(240)), 1.0);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(360)), 0.5);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(480)), 0.0);
    EXPECT_DOUBLE_EQ(Vedenpinta(milliseconds(600)), 0.0);
}

}  // namespace
