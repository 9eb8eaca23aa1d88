// Which sound the rules ask for at each shot of a short game, on both grids,
// and that a player who keeps sounds off is asked for none.

#include <gtest/gtest.h>

#include <vector>

#include "rules/Ruudut.h"
#include "tests/rules/firing/Ampumatilanne.h"

namespace {

class Aanet : public Ampumatilanne {
  protected:
    Aanet() {
        t.Aanet = true;
        n.laatikonAikana = [this] { aaniaLaatikolla.push_back(n.aanet.size()); };
    }

    // The player's fleet all found but the carrier 1-4, which the computer
    // hunts from its hit on 2 to the right: it hits 3 and 4, misses 5, turns
    // left and sinks the carrier on 1 with its twentieth hit.
    void Haviolle() {
        LaskeLaivasto(Puoli::Kone);
        LaskeLaivasto(Puoli::Pelaaja);
        for (int r = 1; r <= RUUTUJA; ++r) {
            Sana& sana = t.PelaajanRuudut[r];
            if (r != 1 && r != 3 && r != 4 && r != 5)
                sana = sana == Sana::laiva ? Sana::uponnut : Sana::ohi;
        }
        t.KoneenOsumat = 16;
        JahtiKaynnissa(2, 3, 3);
        for (int r : {100, 61, 1, 99}) Ammu(r);
    }

    std::vector<std::size_t> aaniaLaatikolla;  // sounds asked for as each box opened
};

TEST_F(Aanet, EachShotOfBothSidesSoundsItsResultAndTheLossOpensItsBoxWithItsOwn) {
    Haviolle();
    ASSERT_FALSE(t.PeliKaynnissa);
    EXPECT_EQ(n.aanet, (std::vector<Aani>{Aani::Ohi, Aani::Osuma,         // 100; 3
                                          Aani::Uppoaminen, Aani::Osuma,  // 61; 4
                                          Aani::Osuma, Aani::Ohi,         // 1; 5
                                          Aani::Ohi, Aani::Uppoaminen,    // 99; 1
                                          Aani::Tappio}));
    EXPECT_EQ(aaniaLaatikolla, std::vector<std::size_t>{9});
}

TEST_F(Aanet, WithSoundsOffNothingIsAskedFor) {
    t.Aanet = false;
    Haviolle();
    ASSERT_FALSE(t.PeliKaynnissa);
    EXPECT_TRUE(n.aanet.empty());
}

TEST_F(Aanet, AnAnimatedSinkingSoundsAsItBeginsAndTheWinAsItsBoxOpens) {
    t.NaytetaanLaivojenUppoaminen = true;
    LaskeLaivasto(Puoli::Kone);
    for (int r = 1; r <= RUUTUJA; ++r) {
        if (t.KoneenRuudut[r] == Sana::laiva && r != 67) t.KoneenRuudut[r] = Sana::uponnut;
    }
    t.PelaajanOsumat = 19;
    peli.imgKone_Click(67);
    ASSERT_EQ(n.uppoamiset.size(), 1u);
    EXPECT_EQ(n.aanet, std::vector<Aani>{Aani::Uppoaminen});
    Odota();
    EXPECT_EQ(n.aanet, (std::vector<Aani>{Aani::Uppoaminen, Aani::Voitto}));
    EXPECT_EQ(aaniaLaatikolla, std::vector<std::size_t>{2});
}

}  // namespace
