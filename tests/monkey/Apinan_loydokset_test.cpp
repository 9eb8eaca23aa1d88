// Faults that random play found in the rules, each kept from coming back.

#include <gtest/gtest.h>

#include "tests/rules/firing/Ampumatilanne.h"

namespace {

class KoneenVuorolla : public Ampumatilanne {
  protected:
    KoneenVuorolla() {
        LaskeLaivasto(Puoli::Kone);
        LaskeLaivasto(Puoli::Pelaaja);
        t.PerakkaisetVoitot = 2;
    }
};

// The turn timer disables "Uusi peli" only at its next tick; a key pressed as
// the player shot reached the command first and laid a new game under the
// computer's pending shot.
TEST_F(KoneenVuorolla, ANewGameAskedForDuringThePauseIsIgnored) {
    n.vastaukset = {true};
    peli.imgKone_Click(100);
    peli.mUusiPeli_Click();
    EXPECT_TRUE(n.kysymykset.empty()) << "no question while the computer shoots";
    Odota();
    EXPECT_TRUE(n.ikkunaKaytossa);
    EXPECT_EQ(t.KoneenRuudut[1], Sana::laiva) << "the computer's fleet was not laid anew";
    EXPECT_EQ(t.PerakkaisetVoitot, 2);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_TRUE(t.AmmuntaKaynnissa);
    EXPECT_NE(t.KoneenViimeisinLaukaus, 0) << "the computer's shot went on";
}

// After a won game the player's grid still holds its blocked squares; the
// view toggle drew them as misses that the computer never fired.
TEST_F(Ampumatilanne, BlockedSquaresStayWaterWhenShownAfterTheGame) {
    LaskeLaivasto(Puoli::Pelaaja);
    t.SijoitusKaynnissa = false;
    t.AmmuntaKaynnissa = false;
    t.PeliKaynnissa = false;
    t.PelaajanVuoro = false;
    peli.NaytaEpakelvotRuudut(true);
    int varattuja = 0;
    for (int ruutu = 1; ruutu <= 100; ++ruutu) {
        if (t.PelaajanRuudut[ruutu] == Sana::varattu) {
            ++varattuja;
            EXPECT_EQ(n.pelaaja[ruutu].kuva, Kuva::Vesi) << ruutu;
        }
    }
    EXPECT_GT(varattuja, 0);
}

}  // namespace
