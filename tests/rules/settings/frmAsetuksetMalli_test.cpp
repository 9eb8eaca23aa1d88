// The settings dialog as data: what it loads from the game state, what it
// locks, and what its buttons and close box do to the state and the store.

#include "rules/settings/frmAsetuksetMalli.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"

namespace {

std::string Lue(const char* nimi) { return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi); }

struct Aloitus {
    const char* tapa;
    std::size_t valittu;
};

class Lataus : public ::testing::TestWithParam<Aloitus> {};

TEST_P(Lataus, TheStartModeSelectsItsOptionAndAnyOtherTextTheFirst) {
    Pelitila t;
    t.PelinAloitustapa = GetParam().tapa;
    NakymaTesti n;
    EXPECT_EQ(frmAsetuksetMalli(t, n).Aloitustapa, GetParam().valittu);
}

INSTANTIATE_TEST_SUITE_P(Tavat, Lataus,
                         ::testing::Values(Aloitus{"", 0}, Aloitus{"Vuoroaloitus", 0},
                                           Aloitus{"Aloittaja arvotaan", 1},
                                           Aloitus{"Edellisen pelin voittanut", 2},
                                           Aloitus{"Edellisen pelin voittanut aloittaa", 0},
                                           Aloitus{"vuoroaloitus", 0}));

class Asetukset : public ::testing::Test {
  protected:
    Asetukset() {
        t.LaivojenKulmatSaavatKoskettaa = true;
        t.LaivaSaaSijaitaReunassa = false;
        t.NaytetaanLaivojenUppoaminen = true;
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
};

TEST_F(Asetukset, LoadShowsTheRulesAndTheSinkingAsTheStateHasThem) {
    frmAsetuksetMalli m(t, n);
    EXPECT_EQ(m.Sijainti, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(m.Uppoaminen, 0u);
    EXPECT_TRUE(m.SijaintiKaytossa);
    t.NaytetaanLaivojenUppoaminen = false;
    EXPECT_EQ(frmAsetuksetMalli(t, n).Uppoaminen, 1u);
}

TEST_F(Asetukset, AGameInProgressOrAStreakLocksThePlacementRulesAndOkKeepsThem) {
    for (const auto& [kaynnissa, voitot] : {std::pair{true, 0}, std::pair{false, 1}}) {
        t.PeliKaynnissa = kaynnissa;
        t.PerakkaisetVoitot = voitot;
        frmAsetuksetMalli m(t, n);
        EXPECT_FALSE(m.SijaintiKaytossa);
        m.Sijainti = {false, true};
        m.Aloitustapa = 1;
        m.cmdPainike_Click(0);
        EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
        EXPECT_FALSE(t.LaivaSaaSijaitaReunassa);
        EXPECT_EQ(Lue("LaivojenKulmatSaavatKoskettaa"), "True");
        EXPECT_EQ(Lue("LaivaSaaSijaitaReunassa"), "False");
        EXPECT_EQ(t.PelinAloitustapa, "Aloittaja arvotaan") << "the start mode is never locked";
    }
}

TEST_F(Asetukset, OkTakesEveryChoiceIntoTheStateAndTheStoreUnderTheHourglass) {
    frmAsetuksetMalli m(t, n);
    m.Aloitustapa = 2;
    m.Sijainti = {false, true};
    m.Uppoaminen = 1;
    m.cmdPainike_Click(0);

    EXPECT_FALSE(m.Auki());
    EXPECT_EQ(t.PelinAloitustapa, "Edellisen pelin voittanut");
    EXPECT_FALSE(t.LaivojenKulmatSaavatKoskettaa);
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
    EXPECT_FALSE(t.NaytetaanLaivojenUppoaminen);
    EXPECT_EQ(Lue("PelinAloitustapa"), "Edellisen pelin voittanut");
    EXPECT_EQ(Lue("LaivojenKulmatSaavatKoskettaa"), "False");
    EXPECT_EQ(Lue("LaivaSaaSijaitaReunassa"), "True");
    EXPECT_EQ(Lue("NaytetaanLaivojenUppoaminen"), "False");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

TEST_F(Asetukset, CancelAndTheCloseBoxChangeNothing) {
    for (const bool nappi : {true, false}) {
        frmAsetuksetMalli m(t, n);
        m.Aloitustapa = 2;
        m.Sijainti = {false, true};
        m.Uppoaminen = 1;
        if (nappi) {
            m.cmdPainike_Click(1);
        } else {
            m.Sulje();
        }
        EXPECT_FALSE(m.Auki());
        EXPECT_EQ(t.PelinAloitustapa, "");
        EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
        EXPECT_FALSE(t.LaivaSaaSijaitaReunassa);
        EXPECT_TRUE(t.NaytetaanLaivojenUppoaminen);
        EXPECT_EQ(Lue("PelinAloitustapa"), EI_LOYTYNYT);
    }
}

}  // namespace
