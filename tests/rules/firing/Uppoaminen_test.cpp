#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Ampumatilanne.h"
#include "Ruudut.h"

namespace {

struct Upotus {
    int ruutu;
    bool kulmat;                 // ships may touch at their corners
    std::vector<int> paljastuu;  // in the order they are revealed
};

class Uppoaminen : public Ampumatilanne, public ::testing::WithParamInterface<Upotus> {
  protected:
    // Every square around the sunk square is blocked, so the result shows
    // exactly which ones count as its neighbours.
    void Upota(Puoli puoli, const Upotus& u) {
        t.LaivojenKulmatSaavatKoskettaa = u.kulmat;
        VaraaKaikki(puoli);
        t.Ruudut(puoli)[u.ruutu] = Sana::uponnut;
        t.PelaajanVuoro = puoli == Puoli::Kone;
        peli.UpotaRuutu(u.ruutu);
    }
};

TEST_P(Uppoaminen, OnThePlayersGridTheSurroundingsAreShownAsMisses) {
    const Upotus u = GetParam();
    Upota(Puoli::Pelaaja, u);
    EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi), u.paljastuu);
    for (int r : u.paljastuu) EXPECT_EQ(t.PelaajanRuudut[r], Sana::ohi);
    EXPECT_EQ(std::ranges::count(t.PelaajanRuudut, Sana::ohi),
              static_cast<std::ptrdiff_t>(u.paljastuu.size()));
    EXPECT_TRUE(n.Piirretyt(Puoli::Kone, Kuva::Ohi).empty());
    for (int r : u.paljastuu) {
        EXPECT_FALSE(n.pelaaja[static_cast<std::size_t>(r)].sormi) << "pointer left alone";
        EXPECT_TRUE(n.pelaaja[static_cast<std::size_t>(r)].kaytossa) << "enabled state left alone";
    }
}

TEST_P(Uppoaminen, OnTheComputersGridTheyAlsoGoOutOfPlay) {
    const Upotus u = GetParam();
    Upota(Puoli::Kone, u);
    EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), u.paljastuu);
    EXPECT_EQ(std::ranges::count(t.KoneenRuudut, Sana::ohi),
              static_cast<std::ptrdiff_t>(u.paljastuu.size()));
    for (int r = 1; r <= RUUTUJA; ++r) {
        const bool paljastui = std::ranges::find(u.paljastuu, r) != u.paljastuu.end();
        EXPECT_EQ(n.kone[static_cast<std::size_t>(r)].kaytossa, !paljastui) << r;
        EXPECT_EQ(n.kone[static_cast<std::size_t>(r)].sormi, !paljastui) << r;
    }
    EXPECT_TRUE(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reunat, Uppoaminen,
    ::testing::Values(Upotus{1, true, {2, 11}}, Upotus{1, false, {2, 11, 12}},
                      Upotus{10, true, {9, 20}}, Upotus{10, false, {9, 19, 20}},
                      Upotus{91, true, {81, 92}}, Upotus{91, false, {82, 81, 92}},
                      Upotus{100, false, {99, 90, 89}}, Upotus{20, true, {19, 10, 30}},
                      Upotus{20, false, {19, 10, 9, 29, 30}}, Upotus{45, true, {44, 35, 46, 55}},
                      Upotus{45, false, {44, 36, 35, 34, 46, 54, 55, 56}}),
    [](const auto& testi) {
        return "ruutu" + std::to_string(testi.param.ruutu) +
               (testi.param.kulmat ? "_kulmat" : "_eikulmia");
    });

class Paljastus : public Ampumatilanne {};

TEST_F(Paljastus, ASquareNotSunkChangesNothing) {
    VaraaKaikki(Puoli::Pelaaja);
    t.PelaajanRuudut[45] = Sana::laiva;
    t.PelaajanVuoro = false;
    const Ruudukko ennen = t.PelaajanRuudut;
    peli.UpotaRuutu(45);
    EXPECT_EQ(t.PelaajanRuudut, ennen);
    EXPECT_TRUE(n.loki.empty());
}

TEST_F(Paljastus, OnlyBlockedSquaresAreRevealed) {
    Laske(Puoli::Pelaaja, 6, {45});
    t.PelaajanRuudut[44] = Sana::ohi;
    t.PelaajanRuudut[46] = Sana::uponnut;
    t.PelaajanRuudut[35] = Sana::laiva;
    t.PelaajanRuudut[45] = Sana::uponnut;
    t.PelaajanVuoro = false;
    peli.UpotaRuutu(45);
    EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi), std::vector<int>{55});
    EXPECT_EQ(t.PelaajanRuudut[46], Sana::uponnut);
    EXPECT_EQ(t.PelaajanRuudut[35], Sana::laiva);
}

TEST_F(Paljastus, TheAnimationSettingChangesNothing) {
    for (bool animaatio : {false, true}) {
        t.NaytetaanLaivojenUppoaminen = animaatio;
        std::ranges::fill(t.KoneenRuudut.begin() + 1, t.KoneenRuudut.end(), Sana::vesi);
        VaraaKaikki(Puoli::Kone);
        for (int r = 1; r <= RUUTUJA; ++r) n.kone[static_cast<std::size_t>(r)] = {};
        n.loki.clear();
        t.KoneenRuudut[45] = Sana::uponnut;
        t.PelaajanVuoro = true;
        peli.UpotaRuutu(45);
        EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), (std::vector<int>{44, 35, 46, 55}))
            << "animation " << animaatio;
    }
}

}  // namespace
