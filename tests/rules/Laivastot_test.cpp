// What each side has left afloat, as the band of the fleets and assistive
// technology are told it.

#include <gtest/gtest.h>

#include "rules/Peli.h"
#include "rules/fleets/Jaljella.h"
#include "tests/support/NakymaTesti.h"

namespace {

TEST(Laivastot, SunkShipsAreToldBySizeAndOnlyOnceEveryOneOfTheirSquaresIsHit) {
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{8, [] { return std::uint64_t{1}; }};
    Peli p{t, n, arpa};
    p.UusiPeli();
    for (int ruutu : t.KoneenRisteilija2) {
        if (ruutu > 0) t.KoneenRuudut[ruutu] = Sana::uponnut;
    }
    t.KoneenRuudut[t.KoneenLentotukialus[1]] = Sana::uponnut;
    // A friend's ship enters its record only as it sinks: hits alone sink nothing.
    t.PelaajanRuudut[1] = t.PelaajanRuudut[2] = Sana::uponnut;

    EXPECT_EQ(Uponneet(t, Puoli::Kone),
              (Upotetut{false, true, false, false, false, false, false, false, false, false}));
    EXPECT_EQ(Uponneet(t, Puoli::Pelaaja), Upotetut{});
    EXPECT_EQ(p.NykyinenTilanne().katsaus, (std::array<std::string, 2>{}))
        << "nothing is told while the band is off";
    t.NaytaLaivastot = true;
    EXPECT_EQ(p.NykyinenTilanne().katsaus,
              (std::array<std::string, 2>{
                  "Sinulla jäljellä: lentotukialus, 2 risteilijää, 3 tykkivenettä, 4 "
                  "sukellusvenettä",
                  "Vastustajalla jäljellä: lentotukialus, risteilijä, 3 tykkivenettä, 4 "
                  "sukellusvenettä"}));
    Upotetut kaikki;
    kaikki.fill(true);
    EXPECT_EQ(Katsaus(Puoli::Pelaaja, kaikki), "Sinulla jäljellä: ei laivoja");
    kaikki[9] = false;
    EXPECT_EQ(Katsaus(Puoli::Kone, kaikki), "Vastustajalla jäljellä: sukellusvene");
}

}  // namespace
