#include "Ruudut.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Lista(const Naapurit& naapurit) { return {naapurit.begin(), naapurit.end()}; }

TEST(Ruudut, RiviJaSarake) {
    EXPECT_EQ(Rivi(1), 0);
    EXPECT_EQ(Sarake(1), 1);
    EXPECT_EQ(Rivi(10), 0);
    EXPECT_EQ(Sarake(10), 10);
    EXPECT_EQ(Rivi(11), 1);
    EXPECT_EQ(Sarake(11), 1);
    EXPECT_EQ(Rivi(100), 9);
    EXPECT_EQ(Sarake(100), 10);
    EXPECT_FALSE(OnRuudukossa(0));
    EXPECT_FALSE(OnRuudukossa(101));
}

TEST(Ruudut, NaapuritKiinteassaJarjestyksessa) {
    EXPECT_EQ(Lista(Naapurit(45, true)), (std::vector<int>{44, 35, 46, 55}));
    EXPECT_EQ(Lista(Naapurit(45, false)), (std::vector<int>{44, 36, 35, 34, 46, 54, 55, 56}));
}

TEST(Ruudut, RiviEiVaihduSivuttain) {
    // 10 and 11 are consecutive numbers on different rows.
    EXPECT_EQ(Lista(Naapurit(10, false)), (std::vector<int>{9, 19, 20}));
    EXPECT_EQ(Lista(Naapurit(11, false)), (std::vector<int>{2, 1, 12, 21, 22}));
    EXPECT_EQ(Lista(Naapurit(91, false)), (std::vector<int>{82, 81, 92}));
    EXPECT_EQ(Lista(Naapurit(100, false)), (std::vector<int>{99, 90, 89}));
}

}  // namespace
