// The best-results window as data: the rows it shows, when it may be
// cleared, and what clearing asks and writes, through its bindings as a
// face reaches them.

#include "rules/results/frmParhaatTuloksetMalli.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Dialogissa.h"
#include "tests/support/NakymaTesti.h"

namespace {

class Parhaat : public ::testing::Test {
  protected:
    Parhaat() {
        t.Parhaat.ParasPelaaja.fill("Relvano");
        t.Parhaat.ParasPelaaja[0] = "<b>Ville</b>";
        t.Parhaat.ParasTulos[0] = 12;
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
};

TEST_F(Parhaat, RowsShowPlaceNameAndScoreAsTheyAre) {
    frmParhaatTuloksetMalli m(t, n);
    EXPECT_EQ(m.Taulukko().otsikko, "Parhaat tulokset");
    EXPECT_EQ(m.Nayta("frParhaat").teksti, "Eniten pelejä peräkkäin voittaneet");
    EXPECT_EQ(m.Nayta("lblSija0").teksti, "1.");
    EXPECT_EQ(m.Nayta("lblSija9").teksti, "10.");
    EXPECT_EQ(m.Nayta("lblNimi0").teksti, "<b>Ville</b>");
    EXPECT_EQ(m.Nayta("lblTulos0").teksti, "12");
    EXPECT_EQ(m.Nayta("lblNimi9").teksti, "Relvano");
    EXPECT_EQ(m.Nayta("lblTulos9").teksti, "0");
    EXPECT_EQ(m.Nayta("cmdPainike1"), (Nakyva{"&Tyhjennä", false, true}));
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi) << "the load raises it; activation lowers it";
    m.Form_Activate();
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

TEST_F(Parhaat, OnlyTenExactDefaultsLeaveClearingOff) {
    t.Parhaat.ParasPelaaja[0] = "Relvano";
    t.Parhaat.ParasTulos[0] = 0;
    EXPECT_FALSE(frmParhaatTuloksetMalli(t, n).Nayta("cmdPainike1").kaytossa);
    t.Parhaat.ParasPelaaja[4] = "relvano";
    EXPECT_TRUE(frmParhaatTuloksetMalli(t, n).Nayta("cmdPainike1").kaytossa);
}

TEST_F(Parhaat, ClearingAsksFirstAndNoKeepsEverything) {
    frmParhaatTuloksetMalli m(t, n);
    n.vastaa = [&m](bool kylla) { m.Vastattu(kylla); };
    n.vastaukset = {false};
    m.Napsauta("cmdPainike1");
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Tyhjennä");
    EXPECT_EQ(n.kysymykset[0].teksti, "Haluatko varmasti tyhjentää parhaiden tulosten listan?");
    EXPECT_TRUE(m.Auki());
    EXPECT_EQ(m.Nayta("lblNimi0").teksti, "<b>Ville</b>");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja0"), EI_LOYTYNYT);
}

TEST_F(Parhaat, YesClearsTheListTheStoreAndTheRowsAndTheWindowStays) {
    frmParhaatTuloksetMalli m(t, n);
    n.vastaa = [&m](bool kylla) { m.Vastattu(kylla); };
    n.vastaukset = {true};
    m.Napsauta("cmdPainike1");
    EXPECT_TRUE(m.Auki());
    EXPECT_EQ(m.Nayta("lblNimi0").teksti, "Relvano");
    EXPECT_EQ(m.Nayta("lblTulos0").teksti, "0");
    EXPECT_FALSE(m.Nayta("cmdPainike1").kaytossa);
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], "Relvano");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja9"), "Relvano");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasTulos0"), "0");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    m.Napsauta("cmdPainike1");
    EXPECT_EQ(n.kysymykset.size(), 1u) << "nothing left to clear, nothing asked";
    m.Napsauta("cmdPainike0");
    EXPECT_FALSE(m.Auki());
}

// OK is both the default and the cancel button.
TEST_F(Parhaat, EscClosesTheWindow) {
    frmParhaatTuloksetMalli m(t, n);
    m.Esc();
    EXPECT_FALSE(m.Auki());
    EXPECT_TRUE(m.Hyvaksytty());
    EXPECT_TRUE(n.kysymykset.empty());
}

}  // namespace
