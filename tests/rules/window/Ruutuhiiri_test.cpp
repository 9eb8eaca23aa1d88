#include "rules/window/Ruutuhiiri.h"

#include <gtest/gtest.h>

namespace {

constexpr Ruutupaikka A{Puoli::Kone, 12};
constexpr Ruutupaikka B{Puoli::Kone, 13};

bool Klikkaus(const std::optional<Ruutuhiiri::Vapautus>& v) { return v && v->klikkaus; }

// The square a press lands on takes the release wherever the pointer has
// gone; only the left button let go on that same square clicks.
TEST(Ruutuhiiri, TheSquarePressedTakesTheReleaseAndOnlyALeftReleaseOnItClicks) {
    Ruutuhiiri hiiri;
    hiiri.Alas(A, 1, false, true);
    const auto muualla = hiiri.Ylos(B, 1, false);
    ASSERT_TRUE(muualla);
    EXPECT_EQ(muualla->paikka, A);
    EXPECT_FALSE(muualla->klikkaus);

    // The left button joins the right one over B: the press is still A's.
    hiiri.Alas(A, 2, false, true);
    hiiri.Alas(B, 1, true, true);
    const auto oikea = hiiri.Ylos(A, 2, true);
    ASSERT_TRUE(oikea);
    EXPECT_EQ(oikea->painike, 2);
    EXPECT_FALSE(oikea->klikkaus);
    EXPECT_TRUE(Klikkaus(hiiri.Ylos(A, 1, false)));
    EXPECT_FALSE(hiiri.Ylos(A, 1, false)) << "no button is held any more";
}

TEST(Ruutuhiiri, ASwitchedOffSquareTakesNoPressAndAFreshPressForgetsALostRelease) {
    Ruutuhiiri hiiri;
    hiiri.Alas(A, 1, false, false);
    EXPECT_FALSE(hiiri.Ylos(A, 1, false));

    hiiri.Alas(A, 1, false, true);
    // A's release went to a box that opened meanwhile.
    hiiri.Alas(B, 1, false, true);
    const auto ylos = hiiri.Ylos(B, 1, false);
    ASSERT_TRUE(ylos);
    EXPECT_EQ(ylos->paikka, B);
    EXPECT_TRUE(ylos->klikkaus);
}

}  // namespace
