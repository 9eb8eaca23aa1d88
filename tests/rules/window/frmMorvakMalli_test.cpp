// The main window's procedures without a window: its load, every command of
// the command table, the view options in the store, the dialogs it opens, its
// closing, the one way in for events and when it asks the face to show the
// state.

#include "rules/window/frmMorvakMalli.h"

#include <gtest/gtest.h>

#include <utility>

#include "rules/Tekstit.h"
#include "rules/about/frmTietojaMalli.h"
#include "rules/results/frmParhaatTuloksetMalli.h"
#include "rules/settings/frmAsetuksetMalli.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Hiirella.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

namespace {

std::string Lue(const char* nimi) { return LueRekisterista(HKEY_CURRENT_USER, AVAIN_LUKU, nimi); }

void Kirjoita(const char* nimi, const char* arvo) {
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, arvo);
}

class Paaikkuna : public ::testing::Test {
  protected:
    void Lataa(int pisteitaTuumalla = 96) { malli.Form_Load(pisteitaTuumalla); }
    void Suorita(Komento komento) { malli.Tapahtuu(KomentoValittu{komento}); }
    void Laske(int ruutu, int painike = 1) { Napsauta(malli, Puoli::Pelaaja, ruutu, painike); }
    void Ammu(int ruutu) { Napsauta(malli, Puoli::Kone, ruutu); }
    void Odota() {
        n.AjaLoppuun([this] { malli.Tapahtuu(AjastinLaukesi{}); });
    }
    // A whole fleet laid, and firing open with the player to shoot.
    void LaskeLaivasto() {
        for (int ruutu : {1, 21, 41, 61, 81, 8, 28, 48, 68, 88}) Laske(ruutu);
        ASSERT_TRUE(t.AmmuntaKaynnissa);
        Odota();
    }
    // The first square of the computer's grid that holds what `laiva` asks.
    int Ruutu(bool laiva) const {
        for (int ruutu = 1; ruutu <= 100; ++ruutu) {
            if ((t.KoneenRuudut[ruutu] == Sana::laiva) == laiva) return ruutu;
        }
        return 0;
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{5, [] { return std::uint64_t{5}; }};
    frmMorvakMalli malli{t, n, arpa};
    Vastauskanava vastauskanava_{n, malli};
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
    EXPECT_EQ(n.Naytetty().Valittu(Komento::NaytaPainikkeet), GetParam().valittu);
    EXPECT_EQ(n.Naytetty().Valittu(Komento::NaytaMahdottomatLaivaruudut), GetParam().valittu);
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

TEST_F(Paaikkuna, TogglingTheBandStoresItResizesAndTurnsTheButtonsOffWhileItChanges) {
    Lataa();
    // What cmdPainike(0) was handed from the `alku`-th command on.
    const auto painike = [this](std::size_t alku) {
        std::vector<bool> tilat;
        for (std::size_t i = alku; i < n.komennot.size(); ++i) {
            if (n.komennot[i].komento == Komento::UusiPeliPainike)
                tilat.push_back(n.komennot[i].kaytossa);
        }
        return tilat;
    };
    std::size_t alku = n.komennot.size();
    Suorita(Komento::NaytaPainikkeet);
    EXPECT_FALSE(t.NaytaPainikkeet);
    EXPECT_EQ(Lue("NaytaPainikkeet"), "False");
    EXPECT_EQ(n.korkeudet.back(), 4665);
    // Off as the band goes, on again by the showing that ends the command.
    EXPECT_EQ(painike(alku), (std::vector<bool>{false, true}));
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    alku = n.komennot.size();
    Suorita(Komento::NaytaPainikkeet);
    EXPECT_TRUE(t.NaytaPainikkeet);
    EXPECT_EQ(Lue("NaytaPainikkeet"), "True");
    EXPECT_EQ(n.korkeudet.back(), 5745);
    EXPECT_EQ(painike(alku), (std::vector<bool>{true}));
}

TEST_F(Paaikkuna, TogglingTheBlockedSquaresStoresItAndRepaintsThemWhilePlacing) {
    Lataa();
    Laske(45, 2);  // the carrier down from 45
    ASSERT_EQ(t.PelaajanRuudut[44], Sana::varattu);
    ASSERT_EQ(n.pelaaja[44].kuva, Kuva::Ohi);

    Suorita(Komento::NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Lue("NaytaMahdottomatLaivaruudut"), "False");
    EXPECT_EQ(n.pelaaja[44].kuva, Kuva::Vesi);
    Suorita(Komento::NaytaMahdottomatLaivaruudut);
    EXPECT_EQ(Lue("NaytaMahdottomatLaivaruudut"), "True");
    EXPECT_EQ(n.pelaaja[44].kuva, Kuva::Ohi);
}

TEST_F(Paaikkuna, SoundsAreOnOnlyAfterAStoredTrueAndTheirToggleIsStored) {
    Lataa();
    EXPECT_FALSE(t.Aanet) << "no value";
    for (const char* arvo : {"", "true", "Not Found", "False"}) {
        Kirjoita("Aanet", arvo);
        Pelitila tila;
        NakymaTesti nakyma;
        frmMorvakMalli(tila, nakyma, arpa).Form_Load(96);
        EXPECT_FALSE(tila.Aanet) << arvo;
    }
    Suorita(Komento::Aanet);
    EXPECT_EQ(Lue("Aanet"), "True");
    EXPECT_EQ(Valittu(malli.Saannot().NykyinenTilanne(), Komento::Aanet), true);
    Pelitila tila;
    NakymaTesti nakyma;
    frmMorvakMalli(tila, nakyma, arpa).Form_Load(96);
    EXPECT_TRUE(tila.Aanet);
    Suorita(Komento::Aanet);
    EXPECT_EQ(Lue("Aanet"), "False");
}

TEST_F(Paaikkuna, TheFleetBandIsOffUntilAskedForAndThenMovesTheBottomBandDown) {
    Lataa();
    EXPECT_EQ(n.korkeudet, std::vector<int>{5745});
    EXPECT_FALSE(n.naytto.laivastot);
    EXPECT_EQ(malli.Sijoittelu()["fraOhje"].alue, (Alue{120, 4080, 6015, 855}));
    Suorita(Komento::NaytaLaivastot);
    EXPECT_EQ(Lue("NaytaLaivastot"), "True");
    EXPECT_EQ(n.korkeudet.back(), 6105);
    EXPECT_TRUE(n.naytto.valittu.at(Komento::NaytaLaivastot));
    EXPECT_TRUE(n.naytto.laivastot);
    EXPECT_FALSE(n.naytto.katsaus[1].empty());
    const Sovitus sovitus = malli.Sijoittelu();
    EXPECT_EQ(sovitus["fraOhje"].alue, (Alue{120, 4440, 6015, 855}));
    EXPECT_EQ(sovitus["lblOhje"].alue, (Alue{240, 360, 5535, 255})) << "within its frame";
    Suorita(Komento::NaytaPainikkeet);
    EXPECT_EQ(n.korkeudet.back(), 5025);

    Pelitila tila;
    NakymaTesti nakyma;
    frmMorvakMalli(tila, nakyma, arpa).Form_Load(96);
    EXPECT_EQ(nakyma.korkeudet, std::vector<int>{5025});
    EXPECT_TRUE(nakyma.naytto.laivastot);
}

TEST_F(Paaikkuna, AGameLeftOnceFiringOpenedCountsAsPlayedNeitherWonNorLost) {
    Kirjoita("PidaTilastoa", "True");
    Lataa();
    LaskeLaivasto();
    Ammu(Ruutu(false));
    Odota();
    Suorita(Komento::UusiPeli);
    EXPECT_EQ(Lue("Tilastot"), "1 1 0 0 1 0 0 0 0,0,0,0,0,0,0,0,0 K");
    Suorita(Komento::UusiPeli);
    EXPECT_EQ(t.Tilasto.pelatut, 1) << "a game that never opened firing is not one";
    LaskeLaivasto();
    n.vastaukset = {true};
    Suorita(Komento::Lopeta);
    EXPECT_EQ(n.lopetuksia, 1);
    EXPECT_EQ(Lue("Tilastot"), "1 2 0 0 1 0 0 0 0,0,0,0,0,0,0,0,0 KK");
}

TEST_F(Paaikkuna, TheButtonsActOnlyWhileTheBandIsShown) {
    Lataa();
    Laske(1);
    t.PerakkaisetVoitot = 2;
    Suorita(Komento::NaytaPainikkeet);
    Suorita(Komento::UusiPeliPainike);
    Suorita(Komento::LopetaPainike);
    EXPECT_TRUE(n.kysymykset.empty());

    Suorita(Komento::NaytaPainikkeet);
    Suorita(Komento::UusiPeliPainike);
    Suorita(Komento::LopetaPainike);
    ASSERT_EQ(n.kysymykset.size(), 2u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Uusi peli");
    EXPECT_EQ(n.kysymykset[1].otsikko, "Lopeta");
    EXPECT_EQ(n.lopetuksia, 0);
}

TEST_F(Paaikkuna, AScreenReaderIsToldEachShotARefusedShipAndEachNewLineOnceInOneUtterance) {
    Lataa();
    Laske(1);
    n.kuulutukset.clear();
    Laske(2);
    EXPECT_EQ(n.kuulutukset, std::vector<std::string>{"Ruutuun ei voi sijoittaa laivaa."});
    for (int ruutu : {21, 41, 61, 81, 8, 28, 48, 68, 88}) Laske(ruutu);
    Odota();
    n.kuulutukset.clear();
    Ammu(Ruutu(false));
    Odota();
    Ammu(t.KoneenSukellusveneet[1]);
    EXPECT_EQ(n.kuulutukset,
              (std::vector<std::string>{
                  "Ohi. Odota hetki, vastustajasi ampuu jotakin ruuduistasi...",
                  "Vastustaja ampui rivi 10, sarake 1: ohi. Sinun vuorosi. Valitse "
                  "oikeanpuoleisesta ruudukosta ammuttava ruutu.",
                  "Upposi: sukellusvene. Odota hetki, vastustajasi ampuu jotakin ruuduistasi..."}));
    Odota();
    Ammu(t.KoneenRisteilija1[1]);
    EXPECT_EQ(n.kuulutukset.back(),
              "Osuma. Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");
    EXPECT_EQ(teksti::VastustajaAmpui(4, 7, true), "Vastustaja ampui rivi 4, sarake 7: osuma.");
    EXPECT_EQ(teksti::VastustajaAmpui(4, 7, true, 4),
              "Vastustaja ampui rivi 4, sarake 7: lentotukialuksesi upposi.");
}

TEST_F(Paaikkuna, TheStateIsShownOnceEachEventHasBeenHandled) {
    Lataa();
    const int alussa = n.naytettyja;
    Laske(1);
    Ammu(1);
    Suorita(Komento::ReadmeOhje);
    // Each click is two events, its press and its release.
    EXPECT_EQ(n.naytettyja, alussa + 5);
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
    Suorita(Komento::NaytaAsetukset);
    Suorita(Komento::NaytaParhaatTulokset);
    Suorita(Komento::TietojaOhjelmasta);

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
    Suorita(Komento::NaytaAsetukset);
    EXPECT_EQ(t.KoneenRuudut, laskettu);
    EXPECT_EQ(t.PelaajanRuudut[1], Sana::vesi);

    n.asetukset = [](frmAsetuksetMalli& m) {
        m.Sijainti[1] = false;
        m.cmdPainike_Click(0);
    };
    Suorita(Komento::NaytaAsetukset);
    EXPECT_NE(t.KoneenRuudut, laskettu);
    for (int r : {1, 10, 45, 91, 100}) {
        EXPECT_EQ(t.KoneenRuudut[r] == Sana::varattu, r != 45) << r;
        EXPECT_EQ(t.PelaajanRuudut[r] == Sana::varattu, r != 45) << r;
        EXPECT_EQ(n.pelaaja[r].kuva == Kuva::Ohi, r != 45) << r;
    }
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);

    // Once the first ship is down the rules are locked; after a finished
    // game the next one is laid under the new rules anyway.
    t.SijoitusKaynnissa = false;
    const Ruudukko lopussa = t.KoneenRuudut;
    n.asetukset = [](frmAsetuksetMalli& m) {
        m.Sijainti[1] = true;
        m.cmdPainike_Click(0);
    };
    Suorita(Komento::NaytaAsetukset);
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
    EXPECT_EQ(t.KoneenRuudut, lopussa);
}

TEST_F(Paaikkuna, TheHelpCommandsOpenTheirTargets) {
    Lataa();
    for (Komento k : {Komento::ReadmeOhje, Komento::Ohjelmapaivitykset,
                      Komento::PalautettaOhjelmasta, Komento::Virheilmoitukset})
        Suorita(k);
    ASSERT_EQ(n.avaukset.size(), 4u);
    EXPECT_EQ(n.avaukset[0].kohde,
              (Kuorikohde{std::string(OHJELMAN_KANSIO) + "/readme.txt", true}));
    EXPECT_EQ(n.avaukset[0].naytto, Nayttokomento::Normaali);
    EXPECT_EQ(n.avaukset[1].kohde.polku, "https://www.morvak.fi/morvak/?morvak12");
    EXPECT_EQ(n.avaukset[2].kohde.polku, "mailto:palaute@morvak.fi");
    EXPECT_EQ(n.avaukset[3].kohde.polku, "mailto:palaute@morvak.fi");
    for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(n.avaukset[i].naytto, Nayttokomento::Piilotettu);
}

TEST_F(Paaikkuna, TheProgramItselfClosesWithoutAsking) {
    Lataa();
    t.PerakkaisetVoitot = 3;
    t.Parhaat.ParasTulos[9] = 2;
    malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Koodi});
    EXPECT_TRUE(n.kysymykset.empty());
    EXPECT_EQ(n.kysyNimiKertoja, 0);
    EXPECT_EQ(n.lopetuksia, 1);
    EXPECT_TRUE(malli.Loppunut());
}

TEST_F(Paaikkuna, ClosingAsksAndOnYesEntersTheStreakAndEndsForGood) {
    Lataa();
    t.PerakkaisetVoitot = 3;
    t.Parhaat.ParasTulos[9] = 2;
    n.vastaukset = {false, true};
    malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Sulkuruutu});
    EXPECT_FALSE(malli.Loppunut());
    EXPECT_EQ(n.kysyNimiKertoja, 0);

    malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Istunnonloppu});
    EXPECT_EQ(n.kysyNimiKertoja, 1) << "the streak goes on the list before the end";
    EXPECT_EQ(n.lopetuksia, 1);
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi);
    EXPECT_TRUE(malli.Loppunut());

    Suorita(Komento::Lopeta);
    Laske(1);
    EXPECT_EQ(n.kysymykset.size(), 2u) << "nothing is handled after the end";
    EXPECT_EQ(n.lopetuksia, 1);
    EXPECT_EQ(t.PelaajanRuudut[1], Sana::vesi);
}

// A quit while a save waits for another copy of the game returns at once:
// the program stays, taking nothing, until the save is made at its deadline.
TEST_F(Paaikkuna, AQuitLeavesOnlyOnceTheHeldSaveIsMadeAtItsDeadline) {
    Lataa();
    bool varattu = true;
    int tehtyja = 0;
    t.Tallennukset.Tallenna(n.nyt, [&] {
        tehtyja += !varattu;
        return Tallennustulos{varattu ? Tallennustulos::Varattu : Tallennustulos::Tallessa};
    });
    malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Koodi});
    EXPECT_EQ(n.lopetuksia, 0);
    EXPECT_FALSE(malli.Loppunut());
    EXPECT_FALSE(n.ikkunaKaytossa);
    EXPECT_EQ(n.ajastin, std::chrono::milliseconds{5});
    Laske(1);
    EXPECT_EQ(t.PelaajanRuudut[1], Sana::vesi) << "nothing is handled on the way out";

    varattu = false;
    n.Kuluta(std::chrono::milliseconds{5}, [this] { malli.Tapahtuu(AjastinLaukesi{}); });
    EXPECT_EQ(tehtyja, 1);
    EXPECT_EQ(n.lopetuksia, 1);
    EXPECT_TRUE(malli.Loppunut());
    EXPECT_FALSE(n.ajastin);
}

// The player answers whenever: the question stays open with no call of the
// rules under way, what comes meanwhile waits, and the answer resumes both.
TEST_F(Paaikkuna, AnAnswerArrivingLaterResumesWhatWaitedAndWhatCameMeanwhile) {
    Lataa();
    n.vastaa = nullptr;
    Suorita(Komento::Lopeta);
    ASSERT_EQ(n.avoinna, 1);
    EXPECT_TRUE(malli.Vastaamassa());
    Laske(1);
    Suorita(Komento::Lopeta);
    EXPECT_EQ(t.PelaajanRuudut[1], Sana::vesi) << "held behind the question";
    malli.Tapahtuu(Vastattu{false});
    EXPECT_FALSE(malli.Vastaamassa());
    EXPECT_EQ(t.PelaajanRuudut[1], Sana::laiva);
    EXPECT_EQ(n.kysymykset.size(), 1u) << "the second quit was answered by the first question";
    EXPECT_EQ(n.lopetuksia, 0);

    Suorita(Komento::Lopeta);
    malli.Tapahtuu(Vastattu{true});
    EXPECT_EQ(n.lopetuksia, 1);
}

TEST_F(Paaikkuna, TheEndOfTheSessionDuringTheQuitQuestionIsAnsweredByIt) {
    Lataa();
    bool ensimmainen = true;
    n.laatikonAikana = [&] {
        if (std::exchange(ensimmainen, false))
            malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Istunnonloppu});
    };
    Suorita(Komento::Lopeta);
    EXPECT_EQ(n.kysymykset.size(), 1u);
    EXPECT_FALSE(malli.Loppunut());
}

TEST_F(Paaikkuna, TheEndOfTheSessionDuringADialogAsksOnceTheDialogHasClosed) {
    Lataa();
    n.asetukset = [this](frmAsetuksetMalli& m) {
        malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Istunnonloppu});
        malli.Tapahtuu(SulkemisPyynto{Sulkutapa::Istunnonloppu});
        EXPECT_TRUE(malli.Vastaamassa());
        EXPECT_TRUE(n.kysymykset.empty()) << "not over the open dialog";
        m.cmdPainike_Click(1);
    };
    n.vastaukset = {true};
    Suorita(Komento::NaytaAsetukset);
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Lopeta");
    EXPECT_TRUE(malli.Loppunut());
}

TEST_F(Paaikkuna, QuittingDuringThePauseEndsAtOnceAndTheShotLeavesNoTrace) {
    Lataa();
    LaskeLaivasto();
    const Ruudukko ennen = t.PelaajanRuudut;
    Ammu(Ruutu(false));
    ASSERT_TRUE(t.TauonLoppu.has_value());
    n.vastaukset = {true};
    Suorita(Komento::Lopeta);
    EXPECT_EQ(n.lopetuksia, 1);
    Odota();
    EXPECT_EQ(t.PelaajanRuudut, ennen);
    EXPECT_EQ(t.KoneenViimeisinLaukaus, 0);
}

TEST_F(Paaikkuna, ACommandOutOfReachIsDroppedAndEnterFollowsTheDefaultButton) {
    Lataa();
    LaskeLaivasto();
    Ammu(Ruutu(false));
    ASSERT_TRUE(t.TauonLoppu.has_value());
    Suorita(Komento::UusiPeli);
    malli.Tapahtuu(EnterPainettu{});
    Suorita(Komento::SijoitaLaivatSatunnaisesti);
    EXPECT_TRUE(t.TauonLoppu.has_value()) << "the pause goes on";
    EXPECT_TRUE(t.PeliKaynnissa);
    EXPECT_TRUE(n.kysymykset.empty());

    Odota();
    t.PerakkaisetVoitot = 1;
    malli.Tapahtuu(EnterPainettu{});
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Uusi peli");
}

TEST_F(Paaikkuna, NoClickReachesTheGridsWhileAShipSinks) {
    Lataa();
    t.NaytetaanLaivojenUppoaminen = true;
    LaskeLaivasto();
    // A submarine: one hit sinks it.
    int sukellusvene = 0;
    for (const int r : t.KoneenSukellusveneet) {
        if (r > 0) sukellusvene = r;
    }
    Ammu(sukellusvene);
    ASSERT_TRUE(t.Uppoamassa.has_value());
    Ammu(Ruutu(false));
    malli.Tapahtuu(RuudukonNappain{Puoli::Kone, Ruutunappain::Valilyonti});
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, sukellusvene);
    Odota();
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, sukellusvene) << "dropped, not kept for later";
}

TEST_F(Paaikkuna, EventsArrivingInsideABoxWaitAndAreHandledAfterItInOrder) {
    Lataa();
    LaskeLaivasto();
    n.laatikonAikana = [this] {
        Suorita(Komento::NaytaPainikkeet);
        Suorita(Komento::UusiPeliPainike);
        EXPECT_TRUE(t.NaytaPainikkeet) << "not inside the box";
    };
    for (int ruutu = 1; ruutu <= 100 && t.PeliKaynnissa; ++ruutu) {
        if (t.KoneenRuudut[ruutu] != Sana::laiva) continue;
        Ammu(ruutu);
        Odota();
    }
    ASSERT_EQ(n.viestit.back().otsikko, "Voitit");
    EXPECT_FALSE(t.NaytaPainikkeet);
    EXPECT_EQ(t.PelaajanOsumat, 20) << "the hidden button, pressed after, did nothing";

    n.vastaukset = {false};
    bool ensimmainen = true;
    n.laatikonAikana = [&] {
        if (!std::exchange(ensimmainen, false)) return;
        Suorita(Komento::UusiPeli);
        EXPECT_EQ(t.PelaajanOsumat, 20);
    };
    Suorita(Komento::Lopeta);
    EXPECT_EQ(t.PelaajanOsumat, 0) << "the new game asked for inside the question";
    EXPECT_TRUE(t.SijoitusKaynnissa);
}

}  // namespace
