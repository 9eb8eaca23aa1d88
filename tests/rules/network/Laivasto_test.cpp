// A fleet in the open: its text, the commitment to it, whether a player
// could have laid it, and whether the answers came from it.

#include "rules/network/Laivasto.h"

#include <gtest/gtest.h>

namespace {

const std::string LAIVASTO = "1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88";

TEST(Laivasto, TheCommitmentIsSha256OverTheNonceAndTheText) {
    const Tiiviste odotettu{0x3e, 0xc2, 0x3d, 0xd9, 0x55, 0x9c, 0x39, 0x1b, 0x80, 0xbb, 0xe2,
                            0x60, 0x3c, 0x03, 0x8e, 0x56, 0x8b, 0xe2, 0x83, 0x74, 0x93, 0x5d,
                            0x9c, 0x5a, 0x2f, 0x61, 0x8f, 0x3c, 0xb7, 0xc4, 0x65, 0xa2};
    EXPECT_EQ(Sitoumus(Kertakoodi{}, LAIVASTO), odotettu);
}

TEST(Laivasto, ALegalFleetReadsBackAsWritten) {
    const auto laivasto = LueLaivasto(LAIVASTO, false, true);
    ASSERT_TRUE(laivasto);
    EXPECT_EQ(LaivastonTeksti(*laivasto), LAIVASTO);
}

TEST(Laivasto, AFleetNoPlayerCouldHaveLaidIsRefused) {
    for (const char* teksti : {
             "1,2,3/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88",       // too short a carrier
             "1,2,3,14/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88",    // bent
             "1,2,4,3/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88x",    // junk
             "2,1,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88",     // not as laid
             "9,10,11,12/21,22,23/41,42,43/61,62/81,82/6,7/28/48/68/88",  // across the edge
             "1,2,3,4/11,12,13/41,42,43/61,62/81,82/8,9/28/48/68/88",     // sides touch
             "1,2,3,4/15,16,17/41,42,43/61,62/81,82/8,9/28/48/68/88",     // corners touch
             "1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/68",     // overlap
             "1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68",        // nine ships
             "1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88/",    // eleven
             "01,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88",
         })
        EXPECT_FALSE(LueLaivasto(teksti, false, true)) << teksti;
    EXPECT_TRUE(LueLaivasto("1,2,3,4/15,16,17/41,42,43/61,62/81,82/8,9/28/48/68/88", true, true));
    EXPECT_TRUE(LueLaivasto("4,3,2,1/43,33,23/41,51,61/68,69/81,82/8,9/28/46/66/88", false, true));
    EXPECT_FALSE(LueLaivasto(LAIVASTO, false, false));
}

TEST(Laivasto, OnlyTheAnswersTheFleetGivesMatchIt) {
    const Laivasto laivasto = *LueLaivasto(LAIVASTO, false, true);
    using T = Vastaus::Tulos;
    const std::vector<Vastaus> totuus{
        {5, T::Ohi, {}}, {28, T::Upposi, {28}}, {62, T::Osui, {}}, {61, T::Upposi, {61, 62}}};
    EXPECT_TRUE(VastauksetTasmaavat(laivasto, totuus));
    for (const Vastaus& valhe :
         {Vastaus{48, T::Ohi, {}}, Vastaus{5, T::Osui, {}}, Vastaus{48, T::Osui, {}},
          Vastaus{8, T::Upposi, {8}}, Vastaus{48, T::Upposi, {49}}}) {
        auto vastaukset = totuus;
        vastaukset.push_back(valhe);
        EXPECT_FALSE(VastauksetTasmaavat(laivasto, vastaukset)) << valhe.ruutu;
    }
}

}  // namespace
