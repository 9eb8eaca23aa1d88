// Who shoots first, game after game of one run, in each start mode.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/Peli.h"
#include "rules/Tekstit.h"
#include "tests/rules/firing/Pelisimulaatio.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

namespace {

constexpr auto V = Pelaajatyyppi::Voittava;
constexpr auto H = Pelaajatyyppi::Haviava;

// Plays one game per player type on one run in the start mode: "P" for each
// game the player started, "K" for each the computer started.
std::string Aloittajat(const char* tapa, const std::vector<Pelaajatyyppi>& pelit) {
    Pelisimulaatio ajo(31, true, V);
    ajo.t.PelinAloitustapa = tapa;
    std::string aloittajat;
    for (const Pelaajatyyppi tyyppi : pelit) {
        ajo.Pelaajana(tyyppi);
        const Pelitulos tulos = ajo.Pelaa();
        EXPECT_TRUE(tulos.paattyi);
        EXPECT_EQ(tulos.pelaajaVoitti, tyyppi == V) << "the game went the other way";
        aloittajat += tulos.koneAloitti ? "K" : "P";
    }
    return aloittajat;
}

const std::vector<Pelaajatyyppi> PELIT{V, H, H, V, V, H, V};

TEST(Aloittaja, WithNoModeChosenThePlayerStartsEveryGame) {
    EXPECT_EQ(Aloittajat("", PELIT), "PPPPPPP");
}

TEST(Aloittaja, TurnaboutAlternatesFromThePlayerWhateverTheResults) {
    EXPECT_EQ(Aloittajat("Vuoroaloitus", PELIT), "PKPKPKP");
}

TEST(Aloittaja, TheWinnerOfTheLastFinishedGameStartsThePlayerFirst) {
    // Won, lost, lost, won, won, lost: the first game has no winner before it.
    EXPECT_EQ(Aloittajat("Edellisen pelin voittanut", PELIT), "PPKKPPK");
}

TEST(Aloittaja, ADrawnStarterVariesFromGameToGame) {
    const std::string aloittajat =
        Aloittajat("Aloittaja arvotaan", std::vector<Pelaajatyyppi>(20, V));
    EXPECT_NE(aloittajat.find('P'), std::string::npos) << aloittajat;
    EXPECT_NE(aloittajat.find('K'), std::string::npos) << aloittajat;
}

// The player's fleet of one game, every click legal with corners touching.
constexpr int LAIVASTO[10][2] = {{1, 1},  {21, 1}, {41, 1}, {61, 1}, {81, 1},
                                 {10, 2}, {7, 1},  {50, 1}, {70, 1}, {100, 1}};

class Avaus : public ::testing::Test {
  protected:
    Avaus() {
        t.LaivojenKulmatSaavatKoskettaa = true;
        p.UusiPeli();
    }

    void SijoitaYhdeksan() {
        for (int i = 0; i < 9; ++i) p.imgPelaaja_MouseUp(LAIVASTO[i][0], LAIVASTO[i][1]);
    }
    void SijoitaViimeinen() { p.imgPelaaja_MouseUp(LAIVASTO[9][0], LAIVASTO[9][1]); }

    std::uint64_t kellonLukemat = 0;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{12, [this] { return ++kellonLukemat; }};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

// The draw is the generator's next one as firing opens, and nothing else.
TEST_F(Avaus, TheStarterIsDrawnWithTheOneGeneratorAsFiringOpens) {
    t.PelinAloitustapa = "Aloittaja arvotaan";
    int koneAloitti = 0;
    for (int peli = 0; peli < 40; ++peli) {
        p.UusiPeli();
        SijoitaYhdeksan();
        Satunnaisluvut kaksonen = arpa;
        const bool koneenVuoro = kaksonen.Arvo(2) == 1;
        SijoitaViimeinen();
        ASSERT_EQ(t.TauonLoppu.has_value(), koneenVuoro) << "game " << peli;
        koneAloitti += koneenVuoro;
    }
    EXPECT_GT(koneAloitti, 0);
    EXPECT_LT(koneAloitti, 40);
}

TEST_F(Avaus, TheComputerOpensAsItAnswersAShotAndThenThePlayersTurnFollows) {
    t.PelinAloitustapa = "Edellisen pelin voittanut";
    t.EdellinenVoittaja = Puoli::Kone;
    SijoitaYhdeksan();
    EXPECT_FALSE(t.TauonLoppu.has_value());
    SijoitaViimeinen();

    ASSERT_TRUE(t.TauonLoppu.has_value());
    EXPECT_EQ(n.Naytetty().ohje, teksti::KONE_AMPUU);
    EXPECT_FALSE(n.Naytetty().Kaytossa(Komento::UusiPeli));
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi);
    n.AjaLoppuun([this] { p.Ajastin(); });
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_TRUE(t.AmmuntaKaynnissa);
    EXPECT_NE(t.KoneenViimeisinLaukaus, 0);
    const Kuva laukaus = n.pelaaja[static_cast<std::size_t>(t.KoneenViimeisinLaukaus)].kuva;
    EXPECT_TRUE(laukaus == Kuva::OhiViimeksi || laukaus == Kuva::OsumaViimeksi);
    EXPECT_EQ(p.NykyinenTilanne().ohje, teksti::PELAAJAN_VUORO);
    EXPECT_EQ(t.EdellinenAloittaja, Puoli::Kone);
}

// Only a game whose firing opened had a starter: one left while laying its
// ships does not turn the order.
TEST_F(Avaus, AGameLeftDuringPlacementHadNoStarter) {
    t.PelinAloitustapa = "Vuoroaloitus";
    SijoitaYhdeksan();
    SijoitaViimeinen();
    EXPECT_FALSE(t.TauonLoppu.has_value()) << "the player starts the run";
    p.UusiPeli();
    SijoitaYhdeksan();
    p.UusiPeli();
    SijoitaYhdeksan();
    SijoitaViimeinen();
    EXPECT_TRUE(t.TauonLoppu.has_value())
        << "the computer starts the run's second game with firing";
}

}  // namespace
