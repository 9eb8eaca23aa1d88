#include "rules/Ruudut.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Naapurustot.h"

namespace {

std::vector<int> Lista(const Naapurit& naapurit) { return {naapurit.begin(), naapurit.end()}; }

TEST(Ruudut, RiviJaSarake) {
    EXPECT_EQ(Rivi(1), 1);
    EXPECT_EQ(Sarake(1), 1);
    EXPECT_EQ(Rivi(10), 1);
    EXPECT_EQ(Sarake(10), 10);
    EXPECT_EQ(Rivi(11), 2);
    EXPECT_EQ(Sarake(11), 1);
    EXPECT_EQ(Rivi(100), 10);
    EXPECT_EQ(Sarake(100), 10);
    EXPECT_FALSE(OnRuudukossa(0));
    EXPECT_FALSE(OnRuudukossa(101));
}

// 10 and 11 are consecutive numbers on different rows: no set may cross.
TEST(Ruudut, NaapuritKiinteassaJarjestyksessa) {
    for (const Naapurusto& n : NAAPURUSTOT) {
        EXPECT_EQ(Lista(Naapurit(n.ruutu, n.kulmat)), n.naapurit)
            << "square " << n.ruutu << (n.kulmat ? ", corners may touch" : "");
    }
}

}  // namespace
