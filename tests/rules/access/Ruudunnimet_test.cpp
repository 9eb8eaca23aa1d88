// What each square tells assistive technology, through a whole game: the
// grid, the row and the column, and what the square's picture shows, never a
// ship of the computer's that the picture does not show.

#include "rules/access/Ruudunnimet.h"

#include <gtest/gtest.h>

#include "rules/window/frmMorvakMalli.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Hiirella.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

namespace {

class Ruudunnimet : public ::testing::Test {
  protected:
    // With this generator the computer's carrier lies on 85, 84, 83, 82,
    // its first cruiser on 10, 9, 8, its second gunboat on 12, 11 and its
    // first submarine on 46.
    Ruudunnimet() { malli.Form_Load(96); }

    std::string Oma(int ruutu) { return malli.RuudunNimi(Puoli::Pelaaja, ruutu); }
    std::string Vastustajan(int ruutu) { return malli.RuudunNimi(Puoli::Kone, ruutu); }
    void Suorita(Komento komento) { malli.Tapahtuu(KomentoValittu{komento}); }
    // The player's shot and the computer's reply.
    void Ammu(int ruutu) {
        Napsauta(malli, Puoli::Kone, ruutu);
        n.AjaLoppuun([this] { malli.Tapahtuu(AjastinLaukesi{}); });
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{5, [] { return std::uint64_t{5}; }};
    frmMorvakMalli malli{t, n, arpa};
    Vastauskanava vastauskanava_{n, malli};
};

TEST_F(Ruudunnimet, EverySquareSaysWhereItIsAndWhatItShows) {
    ASSERT_EQ(t.KoneenLentotukialus, (Lentotukialus{0, 85, 84, 83, 82}));
    ASSERT_EQ(t.KoneenTykkivene2, (Tykkivene{0, 12, 11}));
    ASSERT_EQ(t.KoneenSukellusveneet[1], 46);
    EXPECT_EQ(RuudukonNimi(Puoli::Pelaaja), std::string("Oma ruudukko"));
    EXPECT_EQ(RuudukonNimi(Puoli::Kone), std::string("Vastustajan ruudukko"));
    EXPECT_EQ(Oma(25), "Oma ruudukko, rivi 3, sarake 5: vesi");
    EXPECT_EQ(Vastustajan(85), "Vastustajan ruudukko, rivi 9, sarake 5: vesi");
    EXPECT_EQ(Vastustajan(100), "Vastustajan ruudukko, rivi 10, sarake 10: vesi");

    Napsauta(malli, Puoli::Pelaaja, 23, 1);
    EXPECT_EQ(Oma(25), "Oma ruudukko, rivi 3, sarake 5: laiva");
    // The blocked squares are named as they are shown, marked or not.
    ASSERT_TRUE(t.NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Oma(13), "Oma ruudukko, rivi 2, sarake 3: epäkelpo");
    Suorita(Komento::NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Oma(13), "Oma ruudukko, rivi 2, sarake 3: vesi");
    Suorita(Komento::NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Oma(13), "Oma ruudukko, rivi 2, sarake 3: epäkelpo");
    Suorita(Komento::SijoitaLaivatSatunnaisesti);
    EXPECT_EQ(Oma(13), "Oma ruudukko, rivi 2, sarake 3: vesi");

    Ammu(46);
    EXPECT_EQ(Vastustajan(46),
              "Vastustajan ruudukko, rivi 5, sarake 6: uponnut, viimeisin laukaus");
    EXPECT_EQ(Vastustajan(45), "Vastustajan ruudukko, rivi 5, sarake 5: ohi");
    Ammu(1);
    EXPECT_EQ(Vastustajan(1), "Vastustajan ruudukko, rivi 1, sarake 1: ohi, viimeisin laukaus");
    EXPECT_EQ(Vastustajan(46), "Vastustajan ruudukko, rivi 5, sarake 6: uponnut");
    Ammu(12);
    EXPECT_EQ(Vastustajan(12), "Vastustajan ruudukko, rivi 2, sarake 2: osuma, viimeisin laukaus");
    EXPECT_EQ(Vastustajan(1), "Vastustajan ruudukko, rivi 1, sarake 1: ohi");
    Ammu(11);
    EXPECT_EQ(Vastustajan(12), "Vastustajan ruudukko, rivi 2, sarake 2: uponnut");
    EXPECT_EQ(Vastustajan(11),
              "Vastustajan ruudukko, rivi 2, sarake 1: uponnut, viimeisin laukaus");
    EXPECT_EQ(Vastustajan(85), "Vastustajan ruudukko, rivi 9, sarake 5: vesi");

    // The computer fired back after each shot: a hit on 6 last, misses before.
    EXPECT_EQ(Oma(6), "Oma ruudukko, rivi 1, sarake 6: osuma, viimeisin laukaus");
    EXPECT_EQ(Oma(12), "Oma ruudukko, rivi 2, sarake 2: ohi");
    EXPECT_EQ(Oma(51), "Oma ruudukko, rivi 6, sarake 1: ohi");
    EXPECT_EQ(Oma(98), "Oma ruudukko, rivi 10, sarake 8: ohi");

    // Missing on purpose until the computer has sunk the whole fleet: its
    // ships the player never found come to light, and are named so.
    for (int r = 1; r <= 100 && t.PeliKaynnissa; ++r)
        if (t.KoneenRuudut[r] != Sana::laiva && n.kone[r].kaytossa) Ammu(r);
    ASSERT_EQ(t.KoneenOsumat, 20);
    EXPECT_EQ(Vastustajan(85), "Vastustajan ruudukko, rivi 9, sarake 5: laiva");
    EXPECT_EQ(Oma(6), "Oma ruudukko, rivi 1, sarake 6: uponnut");
}

TEST_F(Ruudunnimet, OnlyNamesThatChangedAfterBeingHeardAreToldAgain) {
    Suorita(Komento::SijoitaLaivatSatunnaisesti);
    EXPECT_EQ(malli.MuuttuneetNimet(Puoli::Kone, true), std::vector<int>{})
        << "names first heard are read when the square is reached";
    Ammu(46);
    EXPECT_EQ(malli.MuuttuneetNimet(Puoli::Kone, true), (std::vector<int>{36, 45, 46, 47, 56}));
    EXPECT_EQ(malli.MuuttuneetNimet(Puoli::Kone, true), std::vector<int>{});

    // Nobody listening: nothing is remembered, and nothing is told at first
    // when someone starts to listen again.
    EXPECT_EQ(malli.MuuttuneetNimet(Puoli::Kone, false), std::vector<int>{});
    Ammu(1);
    EXPECT_EQ(malli.MuuttuneetNimet(Puoli::Kone, true), std::vector<int>{});
}

}  // namespace
