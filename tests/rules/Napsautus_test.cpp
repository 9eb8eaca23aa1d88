// When the mouse on a link makes a click.

#include "rules/Napsautus.h"

#include <gtest/gtest.h>

namespace {

constexpr bool VASEN = true;
constexpr bool MUU = false;

TEST(Napsautus, TheLeftButtonLetGoOverTheLinkClicksNotItsPress) {
    Napsautus n;
    n.Alas(VASEN, false);
    EXPECT_TRUE(n.Ylos(VASEN, true));
    EXPECT_FALSE(n.Ylos(VASEN, true)) << "one press, one click";
}

TEST(Napsautus, ADoubleClickClicksOnceAndTwoClicksTwice) {
    Napsautus n;
    int napsautuksia = 0;
    for (const bool tupla : {false, true, false, false}) {
        n.Alas(VASEN, tupla);
        napsautuksia += n.Ylos(VASEN, true) ? 1 : 0;
    }
    EXPECT_EQ(napsautuksia, 3);
}

TEST(Napsautus, LettingGoOutsideOrAnotherButtonClicksNothing) {
    Napsautus n;
    n.Alas(VASEN, false);
    EXPECT_FALSE(n.Ylos(VASEN, false));
    EXPECT_FALSE(n.Ylos(VASEN, true)) << "the press ended outside";
    n.Alas(MUU, false);
    EXPECT_FALSE(n.Ylos(MUU, true));
    n.Alas(VASEN, false);
    EXPECT_FALSE(n.Ylos(MUU, true));
    EXPECT_TRUE(n.Ylos(VASEN, true)) << "the left button is still down";
}

}  // namespace
