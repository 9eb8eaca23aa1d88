// The name entry as data: its texts and default, and what typing, OK,
// Peruuta, Esc and the close box do to the streak, the list, the store and
// the last name, all through its bindings as a face reaches them.

#include "rules/results/frmKysyNimiMalli.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Dialogissa.h"
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

TEST_F(KysyNimi, TheFirstShowingCongratulatesInTheRightNumberAndOffersNimeton) {
    t.PerakkaisetVoitot = 1;
    const frmKysyNimiMalli m(t, n);
    EXPECT_EQ(m.Taulukko().otsikko, "Onneksi olkoon!");
    EXPECT_EQ(Dialogissa(m),
              "teksti: Voitit 1 pelin peräkkäin ja pääset tuloksellasi parhaiden tulosten "
              "listalle.\n\n\nKirjoita nimesi:\n"
              "kenttä: Nimetön\n"
              "painike: OK [oletus]\n"
              "painike: Peruuta");
    EXPECT_EQ(m.Pituus("txtNimi"), 16);
    t.PerakkaisetVoitot = 12;
    EXPECT_EQ(frmKysyNimiMalli(t, n).Nayta("lblTeksti").teksti,
              "Voitit 12 peliä peräkkäin ja pääset tuloksellasi parhaiden tulosten listalle.\n\n\n"
              "Kirjoita nimesi:");
}

TEST_F(KysyNimi, OkEntersTheTypedNameEndsTheStreakAndOffersTheNameNextTime) {
    frmKysyNimiMalli m(t, n);
    m.Muuta("txtNimi", " Äijä Öörni ");
    EXPECT_EQ(m.Nayta("txtNimi").teksti, " Äijä Öörni ");
    m.Napsauta("cmdPainike0");

    EXPECT_FALSE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], " Äijä Öörni ");
    EXPECT_EQ(t.Parhaat.ParasTulos[0], 3);
    EXPECT_EQ(Lue("ParasPelaaja0"), " Äijä Öörni ");
    EXPECT_EQ(Lue("ParasTulos0"), "3");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    t.PerakkaisetVoitot = 2;
    EXPECT_EQ(frmKysyNimiMalli(t, n).Nayta("txtNimi").teksti, " Äijä Öörni ");
}

TEST_F(KysyNimi, AnEmptyNameTurnsOkOffAndOkThenDoesNothing) {
    frmKysyNimiMalli m(t, n);
    m.Muuta("txtNimi", "");
    EXPECT_EQ(m.Nayta("cmdPainike0"), (Nakyva{"OK", false, false}));
    m.Napsauta("cmdPainike0");
    EXPECT_TRUE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
    EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT);
    m.Muuta("txtNimi", " ");
    EXPECT_TRUE(m.Nayta("cmdPainike0").kaytossa) << "a space is a name too";
}

TEST_F(KysyNimi, PeruutaAndEscGiveTheStreakUp) {
    for (const bool esc : {false, true}) {
        t.PerakkaisetVoitot = 3;
        frmKysyNimiMalli m(t, n);
        m.Muuta("txtNimi", "Ei tule");
        if (esc) {
            m.Esc();
        } else {
            m.Napsauta("cmdPainike1");
        }
        EXPECT_FALSE(m.Auki());
        EXPECT_EQ(t.PerakkaisetVoitot, 0);
        EXPECT_EQ(t.ViimeksiListallePaassytPelaaja, "");
        EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT);
    }
}

TEST_F(KysyNimi, TheCloseBoxLeavesTheStreakAndTheListAlone) {
    frmKysyNimiMalli m(t, n);
    m.Muuta("txtNimi", "Sulkija");
    m.Sulje();
    EXPECT_FALSE(m.Auki());
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
    EXPECT_EQ(Lue("ParasPelaaja0"), EI_LOYTYNYT);
}

}  // namespace
