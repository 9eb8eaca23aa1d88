#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/Ruudut.h"
#include "tests/rules/firing/Ampumatilanne.h"
#include "tests/support/Naapurustot.h"

namespace {

class Uppoaminen : public Ampumatilanne, public ::testing::WithParamInterface<Naapurusto> {
  protected:
    // Every square around the sunk square is blocked, so the result shows
    // exactly which ones count as its neighbours.
    void Upota(Puoli puoli, const Naapurusto& u) {
        t.LaivojenKulmatSaavatKoskettaa = u.kulmat;
        VaraaKaikki(puoli);
        t.Ruudut(puoli)[u.ruutu] = Sana::uponnut;
        t.PelaajanVuoro = puoli == Puoli::Kone;
        peli.UpotaRuutu(u.ruutu);
    }
};

TEST_P(Uppoaminen, OnThePlayersGridTheSurroundingsAreShownAsMisses) {
    const Naapurusto& u = GetParam();
    Upota(Puoli::Pelaaja, u);
    EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi), u.naapurit);
    for (int r : u.naapurit) EXPECT_EQ(t.PelaajanRuudut[r], Sana::ohi);
    EXPECT_EQ(std::ranges::count(t.PelaajanRuudut, Sana::ohi),
              static_cast<std::ptrdiff_t>(u.naapurit.size()));
    EXPECT_TRUE(n.Piirretyt(Puoli::Kone, Kuva::Ohi).empty());
    for (int r : u.naapurit) {
        EXPECT_FALSE(n.pelaaja[static_cast<std::size_t>(r)].sormi) << "pointer left alone";
        EXPECT_TRUE(n.pelaaja[static_cast<std::size_t>(r)].kaytossa) << "enabled state left alone";
    }
}

TEST_P(Uppoaminen, OnTheComputersGridTheyAlsoGoOutOfPlay) {
    const Naapurusto& u = GetParam();
    Upota(Puoli::Kone, u);
    EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), u.naapurit);
    EXPECT_EQ(std::ranges::count(t.KoneenRuudut, Sana::ohi),
              static_cast<std::ptrdiff_t>(u.naapurit.size()));
    for (int r = 1; r <= RUUTUJA; ++r) {
        const bool paljastui = std::ranges::find(u.naapurit, r) != u.naapurit.end();
        EXPECT_EQ(n.kone[static_cast<std::size_t>(r)].kaytossa, !paljastui) << r;
        EXPECT_EQ(n.kone[static_cast<std::size_t>(r)].sormi, !paljastui) << r;
    }
    EXPECT_TRUE(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi).empty());
}

INSTANTIATE_TEST_SUITE_P(Reunat, Uppoaminen, ::testing::ValuesIn(NAAPURUSTOT),
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
        for (int r = 1; r <= RUUTUJA; ++r) peli.Ruudut().NaytaKuva(Puoli::Kone, r, Kuva::Vesi);
        n.loki.clear();
        t.KoneenRuudut[45] = Sana::uponnut;
        t.PelaajanVuoro = true;
        peli.UpotaRuutu(45);
        EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), (std::vector<int>{44, 35, 46, 55}))
            << "animation " << animaatio;
    }
}

}  // namespace
