// The best-results window as data: the rows it shows, when it may be
// cleared, and what clearing asks and writes.

#include "rules/results/frmParhaatTuloksetMalli.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
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
    EXPECT_EQ(m.Sija[0], "1.");
    EXPECT_EQ(m.Sija[9], "10.");
    EXPECT_EQ(m.Nimi[0], "<b>Ville</b>");
    EXPECT_EQ(m.Tulos[0], "12");
    EXPECT_EQ(m.Nimi[9], "Relvano");
    EXPECT_EQ(m.Tulos[9], "0");
    EXPECT_TRUE(m.TyhjennaKaytossa);
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi) << "the load raises it; activation lowers it";
    m.Form_Activate();
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

TEST_F(Parhaat, OnlyTenExactDefaultsLeaveClearingOff) {
    t.Parhaat.ParasPelaaja[0] = "Relvano";
    t.Parhaat.ParasTulos[0] = 0;
    EXPECT_FALSE(frmParhaatTuloksetMalli(t, n).TyhjennaKaytossa);
    t.Parhaat.ParasPelaaja[4] = "relvano";
    EXPECT_TRUE(frmParhaatTuloksetMalli(t, n).TyhjennaKaytossa);
}

TEST_F(Parhaat, ClearingAsksFirstAndNoKeepsEverything) {
    frmParhaatTuloksetMalli m(t, n);
    n.vastaukset = {false};
    m.cmdPainike_Click(1);
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Tyhjennä");
    EXPECT_EQ(n.kysymykset[0].teksti, "Haluatko varmasti tyhjentää parhaiden tulosten listan?");
    EXPECT_TRUE(m.Auki());
    EXPECT_EQ(m.Nimi[0], "<b>Ville</b>");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja0"), EI_LOYTYNYT);
}

TEST_F(Parhaat, YesClearsTheListTheStoreAndTheRowsAndTheWindowStays) {
    frmParhaatTuloksetMalli m(t, n);
    n.vastaukset = {true};
    m.cmdPainike_Click(1);
    EXPECT_TRUE(m.Auki());
    EXPECT_EQ(m.Nimi[0], "Relvano");
    EXPECT_EQ(m.Tulos[0], "0");
    EXPECT_FALSE(m.TyhjennaKaytossa);
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], "Relvano");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasPelaaja9"), "Relvano");
    EXPECT_EQ(LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, "ParasTulos0"), "0");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    m.cmdPainike_Click(1);
    EXPECT_EQ(n.kysymykset.size(), 1u) << "nothing left to clear, nothing asked";
    m.cmdPainike_Click(0);
    EXPECT_FALSE(m.Auki());
}

}  // namespace
