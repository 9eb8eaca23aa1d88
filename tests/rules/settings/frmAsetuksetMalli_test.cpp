// The settings dialog as data: what it loads from the game state, what it
// locks, and what its controls, Esc and the close box do to the state and
// the store, all through its bindings as a face reaches them.

#include "rules/settings/frmAsetuksetMalli.h"

#include <gtest/gtest.h>

#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Dialogissa.h"
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

// The state a run starts from.
TEST(Avaus, TheFirstOpeningOfARunShowsTheStartValues) {
    Pelitila t;
    t.LaivojenKulmatSaavatKoskettaa = true;
    t.LaivaSaaSijaitaReunassa = true;
    NakymaTesti n;
    const frmAsetuksetMalli m(t, n);
    EXPECT_EQ(m.Taulukko().otsikko, "Asetukset");
    EXPECT_EQ(Dialogissa(m),
              "painike: OK [oletus]\n"
              "painike: Peruuta\n"
              "kehys: Pelin aloitustapa\n"
              "valintanappi: &Vuoroaloitus [valittu]\n"
              "valintanappi: &Aloittaja arvotaan\n"
              "valintanappi: &Edellisen pelin voittanut aloittaa\n"
              "kehys: Laivojen sijainti\n"
              "valintaruutu: Laivojen &kulmat saavat koskettaa [valittu]\n"
              "valintaruutu: Laiva saa sijaita &ruudukon reunassa [valittu]\n"
              "kehys: Laivojen uppoaminen\n"
              "valintanappi: &Näytetään animaationa\n"
              "valintanappi: &Uppoamisanimaatiota ei näytetä [valittu]");
}

class Asetukset : public ::testing::Test {
  protected:
    Asetukset() {
        t.LaivojenKulmatSaavatKoskettaa = true;
        t.LaivaSaaSijaitaReunassa = false;
        t.NaytetaanLaivojenUppoaminen = true;
    }

    // Every choice away from what was loaded, as the player makes them.
    static void MuutaKaikki(frmAsetuksetMalli& m) {
        m.Valitse("optAloitustapa2", true);
        m.Valitse("chkSijainti0", false);
        m.Valitse("chkSijainti1", true);
        m.Valitse("optUppoaminen1", true);
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
        EXPECT_FALSE(m.Nayta("fraLaivojenSijainti").kaytossa);
        EXPECT_EQ(m.Nayta("chkSijainti0"),
                  (Nakyva{"Laivojen &kulmat saavat koskettaa", true, false}));
        EXPECT_FALSE(m.Nayta("chkSijainti1").kaytossa);
        EXPECT_TRUE(m.Nayta("optAloitustapa1").kaytossa) << "the start mode is never locked";
        EXPECT_TRUE(m.Nayta("optUppoaminen0").kaytossa);
        MuutaKaikki(m);
        EXPECT_TRUE(m.Nayta("chkSijainti0").valittu) << "a locked box takes no change";
        // Even a box changed behind the binding's back keeps the rules.
        m.Sijainti = {false, true};
        m.Napsauta("cmdPainike0");
        EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
        EXPECT_FALSE(t.LaivaSaaSijaitaReunassa);
        EXPECT_EQ(Lue("LaivojenKulmatSaavatKoskettaa"), "True");
        EXPECT_EQ(Lue("LaivaSaaSijaitaReunassa"), "False");
        EXPECT_EQ(t.PelinAloitustapa, "Edellisen pelin voittanut");
    }
}

TEST_F(Asetukset, OkTakesEveryChoiceIntoTheStateAndTheStoreAndTheNextOpeningShowsThem) {
    frmAsetuksetMalli m(t, n);
    MuutaKaikki(m);
    m.Napsauta("cmdPainike0");

    EXPECT_FALSE(m.Auki());
    EXPECT_TRUE(m.Hyvaksytty());
    EXPECT_EQ(t.PelinAloitustapa, "Edellisen pelin voittanut");
    EXPECT_FALSE(t.LaivojenKulmatSaavatKoskettaa);
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
    EXPECT_FALSE(t.NaytetaanLaivojenUppoaminen);
    EXPECT_EQ(Lue("PelinAloitustapa"), "Edellisen pelin voittanut");
    EXPECT_EQ(Lue("LaivojenKulmatSaavatKoskettaa"), "False");
    EXPECT_EQ(Lue("LaivaSaaSijaitaReunassa"), "True");
    EXPECT_EQ(Lue("NaytetaanLaivojenUppoaminen"), "False");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    EXPECT_EQ(Dialogissa(frmAsetuksetMalli(t, n)),
              "painike: OK [oletus]\n"
              "painike: Peruuta\n"
              "kehys: Pelin aloitustapa\n"
              "valintanappi: &Vuoroaloitus\n"
              "valintanappi: &Aloittaja arvotaan\n"
              "valintanappi: &Edellisen pelin voittanut aloittaa [valittu]\n"
              "kehys: Laivojen sijainti\n"
              "valintaruutu: Laivojen &kulmat saavat koskettaa\n"
              "valintaruutu: Laiva saa sijaita &ruudukon reunassa [valittu]\n"
              "kehys: Laivojen uppoaminen\n"
              "valintanappi: &Näytetään animaationa\n"
              "valintanappi: &Uppoamisanimaatiota ei näytetä [valittu]");
}

TEST_F(Asetukset, EachKindOfControlMakesItsOwnActOfWhatAFaceHandsOver) {
    frmAsetuksetMalli m(t, n);
    m.Toimi("optAloitustapa2", true, "x");
    m.Toimi("chkSijainti0", false, "x");
    m.Toimi("fraAloitustapa", true, "x");
    EXPECT_EQ(m.Aloitustapa, 2u);
    EXPECT_EQ(m.Sijainti, (std::array<bool, 2>{false, false}));
    EXPECT_TRUE(m.Auki());
    m.Toimi("cmdPainike0", false, "");
    EXPECT_FALSE(m.Auki());
    EXPECT_TRUE(m.Hyvaksytty());
}

TEST_F(Asetukset, PeruutaEscAndTheCloseBoxChangeNothing) {
    for (const char* tapa : {"Peruuta", "Esc", "close box"}) {
        frmAsetuksetMalli m(t, n);
        MuutaKaikki(m);
        if (tapa == std::string("Peruuta")) m.Napsauta("cmdPainike1");
        if (tapa == std::string("Esc")) m.Esc();
        if (tapa == std::string("close box")) m.Sulje();
        EXPECT_FALSE(m.Auki()) << tapa;
        EXPECT_FALSE(m.Hyvaksytty()) << tapa;
        EXPECT_EQ(t.PelinAloitustapa, "") << tapa;
        EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa) << tapa;
        EXPECT_FALSE(t.LaivaSaaSijaitaReunassa) << tapa;
        EXPECT_TRUE(t.NaytetaanLaivojenUppoaminen) << tapa;
        EXPECT_EQ(Lue("PelinAloitustapa"), EI_LOYTYNYT) << tapa;
    }
}

}  // namespace
