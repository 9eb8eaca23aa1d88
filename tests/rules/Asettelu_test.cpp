// Which square lies under a point of the main window, in twips; the order
// the controls are made in, their groups and the button Enter presses.

#include "rules/Asettelu.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Nimet(const std::vector<const Saadin*>& saatimet) {
    std::vector<std::string> nimet;
    for (const Saadin* saadin : saatimet) nimet.push_back(saadin->nimi);
    return nimet;
}

TEST(Luontijarjestys, TheTabOrderFirstEachAfterItsFrameAndItsAccessKeysLabel) {
    EXPECT_EQ(Nimet(Luontijarjestys(frmVerkkopeliAsettelu())),
              (std::vector<std::string>{"lblNimi", "txtNimi", "fraTapa", "optOdota", "optLiity",
                                        "fraPelit", "optPeli1", "optPeli2", "optPeli3", "optPeli4",
                                        "optPeli5", "lblOsoite", "txtOsoite", "cmdAloita",
                                        "cmdPeruuta", "lblOsoitteet"}));
    EXPECT_EQ(Nimet(Luontijarjestys(frmMorvakAsettelu())),
              (std::vector<std::string>{"imgLaivasto0", "imgLaivasto1", "cmdPainike(0)",
                                        "cmdPainike(1)", "fraOhje", "lblOhje", "fraKehysviiva"}));
}

TEST(AloittaaRyhman, TheOptionsOfOneFrameInARowAreOneGroup) {
    const Asettelu& a = frmVerkkopeliAsettelu();
    EXPECT_TRUE(AloittaaRyhman(nullptr, a["optOdota"]));
    EXPECT_TRUE(AloittaaRyhman(&a["fraTapa"], a["optOdota"]));
    EXPECT_FALSE(AloittaaRyhman(&a["optOdota"], a["optLiity"]));
    EXPECT_TRUE(AloittaaRyhman(&a["optLiity"], a["optPeli1"]));
    EXPECT_TRUE(AloittaaRyhman(&a["optPeli5"], a["lblOsoite"]));
}

TEST(Oletuspainike, TheButtonWithTheKeyboardElseTheTablesDefault) {
    const Asettelu& a = frmMorvakAsettelu();
    EXPECT_EQ(Oletuspainike(a, "cmdPainike(1)"), "cmdPainike(1)");
    EXPECT_EQ(Oletuspainike(a, "cmdPainike(0)"), "cmdPainike(0)");
    EXPECT_EQ(Oletuspainike(a, "lblOhje"), "cmdPainike(0)");
    EXPECT_EQ(Oletuspainike(a, ""), "cmdPainike(0)");
}

TEST(RuutuKohdassa, NeighboursShareTheirBorderAndTheLaterSquareLiesOnTop) {
    EXPECT_EQ(RuutuKohdassa(120, 240), (Ruutupaikka{Puoli::Pelaaja, 1}));
    EXPECT_EQ(RuutuKohdassa(479, 240), (Ruutupaikka{Puoli::Pelaaja, 1}));
    EXPECT_EQ(RuutuKohdassa(480, 240), (Ruutupaikka{Puoli::Pelaaja, 2}));
    EXPECT_EQ(RuutuKohdassa(120, 600), (Ruutupaikka{Puoli::Pelaaja, 11}));
    EXPECT_EQ(RuutuKohdassa(3734, 3854), (Ruutupaikka{Puoli::Pelaaja, 100}));
    EXPECT_EQ(RuutuKohdassa(3960, 240), (Ruutupaikka{Puoli::Kone, 1}));
    EXPECT_EQ(RuutuKohdassa(7574, 3854), (Ruutupaikka{Puoli::Kone, 100}));
    for (const auto& [x, y] :
         {std::pair{119, 240}, {120, 239}, {3735, 240}, {3959, 240}, {120, 3855}, {7575, 240}})
        EXPECT_EQ(RuutuKohdassa(x, y), std::nullopt) << x << ", " << y;
}

}  // namespace
