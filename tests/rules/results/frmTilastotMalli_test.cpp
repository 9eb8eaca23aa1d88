// The statistics window as data: its figures and pictures' names, whether
// statistics are kept, and what clearing asks and writes.

#include "rules/results/frmTilastotMalli.h"

#include <gtest/gtest.h>

#include "store/Asetusarvot.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"

namespace {

TEST(frmTilastot, FiguresNamesAndTheFriendsRowsAsTheStatisticsHoldThem) {
    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    t.Tilasto = {.pelatut = 4,
                 .voitot = 2,
                 .tappiot = 1,
                 .laukaukset = 218,
                 .osumat = 56,
                 .vahimmat = 45,
                 .koneenLaukaukset = 61,
                 .jakauma = {0, 0, 1, 0, 0, 0, 0, 0, 1},
                 .viimeiset = "VHK"};
    t.Verkkotilasto = {{"Ville", 1, 0}, {"שרה", 3, 1}};
    frmTilastotMalli m(t, n);
    EXPECT_EQ(m.Taulukko().otsikko, "Tilastot");
    const std::array<const char*, 6> arvot{"4", "2", "1", "26 %", "45", "61,0"};
    for (std::size_t i = 0; i < arvot.size(); ++i)
        EXPECT_EQ(m.Nayta("lblArvo" + std::to_string(i)).teksti, arvot[i]) << i;
    EXPECT_EQ(m.Nayta("imgJakauma").teksti,
              "Voittojesi laukaukset: 20–29: 0, 30–39: 0, 40–49: 1, 50–59: 0, 60–69: 0, 70–79: 0, "
              "80–89: 0, 90–99: 0, 100: 1");
    EXPECT_EQ(m.Nayta("imgViimeiset").teksti,
              "Viimeiset pelit, vanhin ensin: voitto, tappio, kesken");
    EXPECT_EQ(m.Kuva("imgViimeiset", 102, 10)(4, 5), 0xFFFF4040u);
    EXPECT_EQ(m.Nayta("lblVerkko").teksti,
              "Ville: 1 peli, 0 voittoa\n\u2068שרה\u2069: 3 peliä, 1 voitto");
    EXPECT_EQ(m.Nayta("chkPida").valittu, false);

    t.Tilasto = {};
    t.Verkkotilasto.clear();
    frmTilastotMalli tyhja(t, n);
    EXPECT_EQ(tyhja.Nayta("lblArvo5").teksti, "–");
    EXPECT_EQ(tyhja.Nayta("lblVerkko").teksti, "Ei verkkopelejä.");
    EXPECT_FALSE(tyhja.Nayta("cmdPainike1").kaytossa);
}

TEST(frmTilastot, KeepingIsStoredAtOnceAndClearingAsksThenClearsBothKinds) {
    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    t.Tilasto.pelatut = 1;
    t.Tilasto.viimeiset = "K";
    t.Verkkotilasto = {{"Ville", 1, 1}};
    frmTilastotMalli m(t, n);
    m.Valitse("chkPida", true);
    EXPECT_TRUE(t.PidaTilastoa);
    EXPECT_EQ(LueAsetus("PidaTilastoa"), "True");

    n.vastaa = [&m](bool kylla) { m.Vastattu(kylla); };
    n.vastaukset = {false, true};
    m.Napsauta("cmdPainike1");
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].teksti, "Haluatko varmasti tyhjentää tilastot?");
    EXPECT_EQ(t.Tilasto.pelatut, 1);
    EXPECT_EQ(LueAsetus("Tilastot"), "Not Found");
    m.Napsauta("cmdPainike1");
    EXPECT_EQ(t.Tilasto, Tilastot{});
    EXPECT_TRUE(t.Verkkotilasto.empty());
    EXPECT_EQ(LueAsetus("Tilastot"), "1 0 0 0 0 0 0 0 0,0,0,0,0,0,0,0,0 -");
    EXPECT_EQ(LueAsetus("Verkkotilastot"), "1");
    EXPECT_TRUE(m.Auki()) << "the window stays, showing them cleared";
    EXPECT_EQ(m.Nayta("lblArvo0").teksti, "0");
}

}  // namespace
