// The main window's procedures without a window: its load, every command of
// the command table, the view options in the store, the dialogs it opens, its
// closing, and when it asks the face to show the state.

#include "rules/window/frmMorvakMalli.h"

#include <gtest/gtest.h>

#include "rules/about/frmTietojaMalli.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"

namespace {

std::string Lue(const char* nimi) { return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi); }

void Kirjoita(const char* nimi, const char* arvo) {
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, arvo);
}

class Paaikkuna : public ::testing::Test {
  protected:
    void Lataa(int pisteitaTuumalla = 96) { malli.Form_Load(pisteitaTuumalla); }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{5, [] { return std::uint64_t{5}; }};
    frmMorvakMalli malli{t, n, arpa};
};

struct Nakymavalinta {
    const char* tallennettu;  // nullptr: no value at all
    bool valittu;
};

class Nakymavalinnat : public Paaikkuna, public ::testing::WithParamInterface<Nakymavalinta> {};

TEST_P(Nakymavalinnat, TheStoredTextDecidesBothCheckMarksAndTheBandTheHeight) {
    if (GetParam().tallennettu) {
        Kirjoita("NaytaPainikkeet", GetParam().tallennettu);
        Kirjoita("NaytaMahdottomatLaivaruudut", GetParam().tallennettu);
    }
    Lataa();
    EXPECT_EQ(t.NaytaPainikkeet, GetParam().valittu);
    EXPECT_EQ(t.NaytaMahdottomatLaivaruudut, GetParam().valittu);
    EXPECT_EQ(n.korkeudet, std::vector<int>{GetParam().valittu ? 5745 : 4665});
    EXPECT_EQ(n.Naytetty().NaytaPainikkeet, GetParam().valittu);
    EXPECT_EQ(n.Naytetty().NaytaMahdottomatLaivaruudut, GetParam().valittu);
}

INSTANTIATE_TEST_SUITE_P(Tallennettu, Nakymavalinnat,
                         ::testing::Values(Nakymavalinta{nullptr, true},
                                           Nakymavalinta{"True", true},
                                           Nakymavalinta{"False", false}, Nakymavalinta{"", false},
                                           Nakymavalinta{"true", false},
                                           Nakymavalinta{"Not Found", true}));

TEST_F(Paaikkuna, OnlyNinetySixAndHundredTwentyDotsPerInchGoWithoutAWord) {
    for (const int tiheys : {96, 120}) {
        NakymaTesti nakyma;
        Pelitila tila;
        frmMorvakMalli(tila, nakyma, arpa).Form_Load(tiheys);
        EXPECT_TRUE(nakyma.viestit.empty()) << tiheys;
    }
    Lataa(144);
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].otsikko, "Tiedoksi");
    EXPECT_EQ(n.viestit[0].teksti,
              "Ohjelman ulkoasussa saattaa esiintyä puutteita\nkäyttämilläsi näytön asetuksilla.");
    EXPECT_EQ(n.viestit[0].kuvake, Kuvake::Tieto);
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_EQ(n.Naytetty().ohje,
              "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.");
}

TEST_F(Paaikkuna, TogglingTheBandStoresItResizesAndTurnsTheButtonsOffUntilTheNextShowing) {
    Lataa();
    malli.Suorita(Komento::NaytaPainikkeet);
    EXPECT_FALSE(t.NaytaPainikkeet);
    EXPECT_EQ(Lue("NaytaPainikkeet"), "False");
    EXPECT_EQ(n.korkeudet.back(), 4665);
    EXPECT_FALSE(n.painikkeetKaytossa);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    malli.Suorita(Komento::NaytaPainikkeet);
    EXPECT_TRUE(t.NaytaPainikkeet);
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");
    EXPECT_EQ(n.korkeudet.back(), 5745);
    EXPECT_TRUE(n.painikkeetKaytossa);
}

TEST_F(Paaikkuna, TogglingTheBlockedSquaresStoresItAndRepaintsThemWhilePlacing) {
    Lataa();
    malli.imgPelaaja_MouseUp(45, 2);  // the carrier down from 45
    ASSERT_EQ(t.PelaajanRuudut[44], Sana::varattu);
    ASSERT_EQ(n.pelaaja[44].kuva, Kuva::Ohi);

    malli.Suorita(Komento::NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Lue("NaytaMahdottomatLaivaruudut"), "False");
    EXPECT_EQ(n.pelaaja[44].kuva, Kuva::Vesi);
    malli.Suorita(Komento::NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Lue("NaytaMahdottomatLaivaruudut"), "True");
    EXPECT_EQ(n.pelaaja[44].kuva, Kuva::Ohi);
}

TEST_F(Paaikkuna, TheButtonsActOnlyWhileTheBandIsShown) {
    Lataa();
    malli.imgPelaaja_MouseUp(1, 1);
    t.PerakkaisetVoitot = 2;
    malli.Suorita(Komento::NaytaPainikkeet);
    malli.Suorita(Komento::UusiPeliPainike);
    malli.Suorita(Komento::LopetaPainike);
    EXPECT_TRUE(n.kysymykset.empty());

    malli.Suorita(Komento::NaytaPainikkeet);
    malli.Suorita(Komento::UusiPeliPainike);
    malli.Suorita(Komento::LopetaPainike);
    ASSERT_EQ(n.kysymykset.size(), 2u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Uusi peli");
    EXPECT_EQ(n.kysymykset[1].otsikko, "Lopeta");
    EXPECT_EQ(n.lopetuksia, 0);
}

TEST_F(Paaikkuna, EveryEventAsksForTheStateToBeShown) {
    Lataa();
    const int alussa = n.muutoksia;
    malli.imgPelaaja_MouseUp(1, 1);
    malli.imgKone_Click(1);
    malli.Suorita(Komento::ReadmeOhje);
    EXPECT_EQ(n.muutoksia, alussa + 3);
}

TEST_F(Paaikkuna, DialogsOpenUnderTheHourglassOverAFreshModelAndGiveTheDefaultBack) {
    Lataa();
    t.PeliKaynnissa = true;
    std::vector<Osoitin> avattaessa;
    n.asetukset = [&](frmAsetuksetMalli& m) {
        avattaessa.push_back(n.osoitin);
        EXPECT_FALSE(m.SijaintiKaytossa) << "a game in progress locks the placement rules";
        m.Sijainti[0] = false;
        m.cmdPainike_Click(0);
    };
    n.parhaatTulokset = [&](frmParhaatTuloksetMalli& m) {
        avattaessa.push_back(n.osoitin);
        EXPECT_EQ(m.Nimi[0], "Relvano");
        m.cmdPainike_Click(0);
    };
    n.tietoja = [&](frmTietojaMalli& m) {
        avattaessa.push_back(n.osoitin);
        m.lblWWW_Click();
        m.cmdOK_Click();
    };
    malli.Suorita(Komento::NaytaAsetukset);
    malli.Suorita(Komento::NaytaParhaatTulokset);
    malli.Suorita(Komento::TietojaOhjelmasta);

    // The best-results window's own load raises the hourglass again.
    EXPECT_EQ(avattaessa,
              (std::vector<Osoitin>{Osoitin::Tiimalasi, Osoitin::Tiimalasi, Osoitin::Oletus}));
    EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
    EXPECT_EQ(Lue("LaivojenKulmatSaavatKoskettaa"), "True");
    ASSERT_EQ(n.avaukset.size(), 1u);
    EXPECT_EQ(n.avaukset[0].kohde.polku, "https://www.morvak.fi/morvak/?morvak12");
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

// Before the player's first click a changed placement rule lays both fleets
// again under it; any other change leaves the game as it was laid.
TEST_F(Paaikkuna, AChangedPlacementRuleLaysAGameNotYetBegunAgain) {
    Lataa();
    t.NaytaMahdottomatLaivaruudut = true;
    const Ruudukko laskettu = t.KoneenRuudut;
    n.asetukset = [](frmAsetuksetMalli& m) {
        m.Aloitustapa = 1;
        m.Uppoaminen = 0;
        m.cmdPainike_Click(0);
    };
    malli.Suorita(Komento::NaytaAsetukset);
    EXPECT_EQ(t.KoneenRuudut, laskettu);
    EXPECT_EQ(t.PelaajanRuudut[1], Sana::vesi);

    n.asetukset = [](frmAsetuksetMalli& m) {
        m.Sijainti[1] = false;
        m.cmdPainike_Click(0);
    };
    malli.Suorita(Komento::NaytaAsetukset);
    EXPECT_NE(t.KoneenRuudut, laskettu);
    for (int r : {1, 10, 45, 91, 100}) {
        EXPECT_EQ(t.KoneenRuudut[r] == Sana::varattu, r != 45) << r;
        EXPECT_EQ(t.PelaajanRuudut[r] == Sana::varattu, r != 45) << r;
        EXPECT_EQ(n.pelaaja[r].kuva == Kuva::Ohi, r != 45) << r;
    }
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    // Opened from the one pass of events while a new game lays the
    // computer's fleet, the dialog starts no game inside that one.
    t.PelaajanVuoro = false;
    const Ruudukko laskettaessa = t.KoneenRuudut;
    n.asetukset = [](frmAsetuksetMalli& m) {
        m.Sijainti[0] = false;
        m.cmdPainike_Click(0);
    };
    malli.Suorita(Komento::NaytaAsetukset);
    EXPECT_EQ(t.KoneenRuudut, laskettaessa);
    t.PelaajanVuoro = true;

    // Once the first ship is down the rules are locked; after a finished
    // game the next one is laid under the new rules anyway.
    t.SijoitusKaynnissa = false;
    const Ruudukko lopussa = t.KoneenRuudut;
    n.asetukset = [](frmAsetuksetMalli& m) {
        m.Sijainti[1] = true;
        m.cmdPainike_Click(0);
    };
    malli.Suorita(Komento::NaytaAsetukset);
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
    EXPECT_EQ(t.KoneenRuudut, lopussa);
}

TEST_F(Paaikkuna, TheHelpCommandsOpenTheirTargets) {
    Lataa();
    for (Komento k : {Komento::ReadmeOhje, Komento::Ohjelmapaivitykset,
                      Komento::PalautettaOhjelmasta, Komento::Virheilmoitukset})
        malli.Suorita(k);
    ASSERT_EQ(n.avaukset.size(), 4u);
    EXPECT_EQ(n.avaukset[0].kohde,
              (Kuorikohde{std::string(OHJELMAN_KANSIO) + "/readme.txt", true}));
    EXPECT_EQ(n.avaukset[0].naytto, Nayttokomento::Normaali);
    EXPECT_EQ(n.avaukset[1].kohde.polku, "https://www.morvak.fi/morvak/?morvak12");
    EXPECT_EQ(n.avaukset[2].kohde.polku, "mailto:palaute@morvak.fi");
    EXPECT_EQ(n.avaukset[3].kohde.polku, "mailto:palaute@morvak.fi");
    for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(n.avaukset[i].naytto, Nayttokomento::Piilotettu);
}

TEST_F(Paaikkuna, ClosingAsksUnlessTheProgramItselfCloses) {
    Lataa();
    t.PerakkaisetVoitot = 3;
    t.Parhaat.ParasTulos[9] = 2;
    EXPECT_TRUE(malli.Form_QueryUnload(Sulkutapa::Koodi));
    EXPECT_TRUE(n.kysymykset.empty());

    n.vastaukset = {false, true, true};
    EXPECT_FALSE(malli.Form_QueryUnload(Sulkutapa::Sulkuruutu));
    EXPECT_EQ(n.lopetuksia, 0);
    EXPECT_EQ(n.kysyNimiKertoja, 0);

    EXPECT_TRUE(malli.Form_QueryUnload(Sulkutapa::Istunnonloppu));
    EXPECT_EQ(n.kysyNimiKertoja, 1) << "the streak goes on the list before the end";
    EXPECT_EQ(n.lopetuksia, 1);
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi);

    malli.Suorita(Komento::Lopeta);
    EXPECT_EQ(n.kysymykset.size(), 3u);
    EXPECT_EQ(n.lopetuksia, 2);
}

// A click that the window system delivers late must not start a game in the
// middle of another event: not inside the win box, not while the computer
// lays its fleet.
TEST_F(Paaikkuna, ANewGameAskedForInsideAnotherEventIsIgnored) {
    Lataa();
    for (int ruutu : {1, 21, 41, 61, 81, 8, 28, 48, 68, 88}) malli.imgPelaaja_MouseUp(ruutu, 1);
    ASSERT_TRUE(t.AmmuntaKaynnissa);
    n.laatikonAikana = [&] {
        malli.Suorita(Komento::UusiPeliPainike);
        malli.Suorita(Komento::UusiPeli);
    };
    for (int ruutu = 1; ruutu <= 100 && t.PeliKaynnissa; ++ruutu) {
        if (t.KoneenRuudut[ruutu] == Sana::laiva) malli.imgKone_Click(ruutu);
    }
    ASSERT_EQ(n.viestit.back().otsikko, "Voitit");
    EXPECT_EQ(t.PelaajanOsumat, 20);
    EXPECT_FALSE(t.PelaajanVuoro);
    EXPECT_EQ(t.PerakkaisetVoitot, 1);

    n.laatikonAikana = nullptr;
    int pelejaAlkoi = 0;
    n.tapahtumienAikana = [&] {
        ++pelejaAlkoi;
        malli.Suorita(Komento::UusiPeli);
    };
    malli.Suorita(Komento::UusiPeli);
    EXPECT_EQ(pelejaAlkoi, 1);
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_EQ(t.PelaajanOsumat, 0);
    EXPECT_TRUE(n.ikkunaKaytossa);
}

}  // namespace
