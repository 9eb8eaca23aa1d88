// The name entry as data: its texts and default, and what OK, Peruuta and
// the close box do to the streak, the list, the store and the last name.

#include "rules/results/frmKysyNimiMalli.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"

namespace {

std::string Lue(const std::string& nimi) {
    return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi);
}

class KysyNimi : public ::testing::Test {
  protected:
    KysyNimi() {
        LataaParhaatTulokset(t.Parhaat);
        t.PerakkaisetVoitot = 3;
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
};

TEST_F(KysyNimi, TheTextCongratulatesInTheRightNumberAndAsksTheName) {
    EXPECT_EQ(frmKysyNimiMalli(t, n).Teksti,
              "Voitit 3 peliä peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.\n\n\n"
              "Kirjoita nimesi:");
    t.PerakkaisetVoitot = 1;
    EXPECT_EQ(frmKysyNimiMalli(t, n).Teksti,
              "Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.\n\n\n"
              "Kirjoita nimesi:");
    EXPECT_EQ(frmKysyNimiMalli::NIMEN_PITUUS, 16);
}

TEST_F(KysyNimi, OkEntersTheNameEndsTheStreakAndOffersTheNameNextTime) {
    frmKysyNimiMalli m(t, n);
    EXPECT_EQ(m.Nimi, "Nimetön");
    EXPECT_TRUE(m.OKKaytossa);
    m.txtNimi_Change("Äijä Öörni");
    m.cmdPainike_Click(0);

    EXPECT_FALSE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], "Äijä Öörni");
    EXPECT_EQ(t.Parhaat.ParasTulos[0], 3);
    EXPECT_EQ(Lue("ParasPelaaja0"), "Äijä Öörni");
    EXPECT_EQ(Lue("ParasTulos0"), "3");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    t.PerakkaisetVoitot = 2;
    EXPECT_EQ(frmKysyNimiMalli(t, n).Nimi, "Äijä Öörni");
}

TEST_F(KysyNimi, AnEmptyNameTurnsOkOffAndOkThenDoesNothing) {
    frmKysyNimiMalli m(t, n);
    m.txtNimi_Change("");
    EXPECT_FALSE(m.OKKaytossa);
    m.cmdPainike_Click(0);
    EXPECT_TRUE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
    EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT);
    m.txtNimi_Change(" ");
    EXPECT_TRUE(m.OKKaytossa) << "a space is a name too";
}

TEST_F(KysyNimi, CancelGivesTheStreakUp) {
    frmKysyNimiMalli m(t, n);
    m.txtNimi_Change("Ei tule");
    m.cmdPainike_Click(1);
    EXPECT_FALSE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
    EXPECT_EQ(t.ViimeksiListallePaassytPelaaja, "");
    EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT);
}

TEST_F(KysyNimi, TheCloseBoxLeavesTheStreakAndTheListAlone) {
    frmKysyNimiMalli m(t, n);
    m.Sulje();
    EXPECT_FALSE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
    EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT);
}

}  // namespace
