#include <gtest/gtest.h>

#include <vector>

#include "rules/Ruudut.h"
#include "tests/rules/firing/Ampumatilanne.h"

namespace {

class PelaajanLaukaus : public Ampumatilanne {
  protected:
    PelaajanLaukaus() {
        LaskeLaivasto(Puoli::Kone);
        LaskeLaivasto(Puoli::Pelaaja);
    }
};

TEST_F(PelaajanLaukaus, TheFirstShotRedrawsNothingButItsOwnSquare) {
    Ammu(100);
    EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::OhiViimeksi), std::vector<int>{100});
    for (const auto& e : n.loki) {
        EXPECT_TRUE(e.puoli == Puoli::Pelaaja || e.ruutu == 100) << e.ruutu;
    }
    EXPECT_FALSE(n.kone[100].kaytossa);
    EXPECT_FALSE(n.kone[100].sormi);
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 100);
    EXPECT_EQ(t.PelaajanViimeisinOsui, Osui::ei);
    EXPECT_EQ(t.KoneenRuudut[100], Sana::vesi) << "a miss leaves the word";
    EXPECT_EQ(taukoja, 1) << "the computer replies";
    EXPECT_TRUE(t.PelaajanVuoro);
}

TEST_F(PelaajanLaukaus, TheNextShotDemotesTheLatestMarker) {
    Ammu(1);
    EXPECT_EQ(n.kone[1].kuva, Kuva::OsumaViimeksi);
    EXPECT_EQ(t.KoneenRuudut[1], Sana::uponnut);
    EXPECT_EQ(t.PelaajanOsumat, 1);
    Ammu(100);
    EXPECT_EQ(n.kone[1].kuva, Kuva::Osuma);
    EXPECT_EQ(n.kone[100].kuva, Kuva::OhiViimeksi);
    Ammu(99);
    EXPECT_EQ(n.kone[100].kuva, Kuva::Ohi);
    EXPECT_EQ(n.kone[99].kuva, Kuva::OhiViimeksi);
}

TEST_F(PelaajanLaukaus, AMissOnABlockedSquareKeepsItsWordUntilASinkingRevealsIt) {
    Ammu(5);
    EXPECT_EQ(t.KoneenRuudut[5], Sana::varattu);
    EXPECT_EQ(n.kone[5].kuva, Kuva::OhiViimeksi);
    for (int r : {3, 1, 4}) Ammu(r);
    EXPECT_TRUE(n.Piirretyt(Puoli::Kone, Kuva::Ohi).size() == 1u) << "only 5's demotion so far";
    n.loki.clear();
    Ammu(2);
    // Record order 1, 2, 3, 4 although 2 was hit last; 5 shows a miss already.
    EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), (std::vector<int>{11, 12, 13, 14}));
    EXPECT_EQ(n.kone[5].kuva, Kuva::Ohi);
    EXPECT_EQ(t.KoneenRuudut[5], Sana::ohi);
    for (int r : {11, 12, 13, 5, 14}) {
        EXPECT_FALSE(n.kone[static_cast<std::size_t>(r)].kaytossa) << r;
        EXPECT_FALSE(n.kone[static_cast<std::size_t>(r)].sormi) << r;
    }
    EXPECT_TRUE(n.kone[15].kaytossa) << "15 only touches the carrier's corner";
}

TEST_F(PelaajanLaukaus, HittingTheSecondSquareOfAGunboatSinksItInRecordOrder) {
    Ammu(42);
    EXPECT_TRUE(n.Piirretyt(Puoli::Kone, Kuva::Ohi).empty());
    Ammu(41);
    // The surroundings of 41, then of 42, although 42 was hit first.
    EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), (std::vector<int>{31, 51, 32, 43, 52}));
    EXPECT_EQ(n.kone[42].kuva, Kuva::Osuma);
}

TEST_F(PelaajanLaukaus, TheTwentiethHitWinsAndTheComputerDoesNotReply) {
    t.PerakkaisetVoitot = 2;
    const std::vector<int> laivat{1,  2,  3,  4,  21, 22, 23, 25, 26, 27,
                                  41, 42, 44, 45, 47, 48, 61, 63, 65, 67};
    for (int r : laivat) Ammu(r);
    EXPECT_EQ(t.PelaajanOsumat, 20);
    EXPECT_EQ(taukoja, 19) << "no reply to the winning shot";
    EXPECT_FALSE(t.PeliKaynnissa);
    EXPECT_FALSE(t.AmmuntaKaynnissa);
    EXPECT_FALSE(t.PelaajanVuoro);
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].otsikko, "Voitit");
    EXPECT_EQ(n.viestit[0].teksti, "Onneksi olkoon, upotit kaikki vastustajasi laivat!");
    EXPECT_EQ(n.viestit[0].kuvake, Kuvake::Tieto);
    for (int r = 1; r <= RUUTUJA; ++r) EXPECT_FALSE(n.kone[static_cast<std::size_t>(r)].sormi);
}

TEST_F(PelaajanLaukaus, AHitInNoRecordIsReportedAndPlayGoesOn) {
    t.KoneenRuudut[37] = Sana::laiva;
    t.PelaajanOsumat = 19;
    Ammu(37);
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].otsikko, "Morvak");
    EXPECT_EQ(n.viestit[0].teksti, "Ruutu 37: Virhe osuman tulkinnassa!");
    EXPECT_EQ(n.viestit[0].kuvake, Kuvake::Ei);
    EXPECT_EQ(t.KoneenRuudut[37], Sana::uponnut);
    EXPECT_EQ(t.PelaajanOsumat, 20);
    EXPECT_TRUE(t.PeliKaynnissa) << "no win test after the error";
    EXPECT_EQ(taukoja, 1);
}

struct Vaihe {
    const char* nimi;
    bool vuoro, sijoitus, ammunta, kaynnissa;
};

class VaarassaVaiheessa : public PelaajanLaukaus, public ::testing::WithParamInterface<Vaihe> {};

TEST_P(VaarassaVaiheessa, AClickChangesNothing) {
    const Vaihe v = GetParam();
    t.PelaajanVuoro = v.vuoro;
    t.SijoitusKaynnissa = v.sijoitus;
    t.AmmuntaKaynnissa = v.ammunta;
    t.PeliKaynnissa = v.kaynnissa;
    const Ruudukko kone = t.KoneenRuudut;
    const Ruudukko pelaaja = t.PelaajanRuudut;
    for (int r : {1, 5, 100}) Ammu(r);
    EXPECT_EQ(t.KoneenRuudut, kone);
    EXPECT_EQ(t.PelaajanRuudut, pelaaja);
    EXPECT_EQ(t.PelaajanOsumat, 0);
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 0);
    EXPECT_EQ(t.PelaajanVuoro, v.vuoro);
    EXPECT_TRUE(n.loki.empty());
    EXPECT_EQ(taukoja, 0);
    EXPECT_TRUE(n.kone[1].kaytossa);
}

INSTANTIATE_TEST_SUITE_P(Vaiheet, VaarassaVaiheessa,
                         ::testing::Values(Vaihe{"placing", true, true, false, true},
                                           Vaihe{"computer_shooting", false, false, true, true},
                                           Vaihe{"won", false, false, false, false},
                                           Vaihe{"lost", true, false, false, false}),
                         [](const auto& testi) { return std::string(testi.param.nimi); });

// The window is brought up to date as the pause begins, so the commands are
// out of reach before any event of the pause can use them, and as each box
// opens, so the box never stands over a stale line.
TEST_F(PelaajanLaukaus, ThePauseAndTheWinBoxShowTheStateAsItStandsThen) {
    peli.imgKone_Click(100);
    const NakymaTesti::Naytto tauolla = n.Naytetty();
    Odota();
    EXPECT_EQ(tauolla.ohje, "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");
    EXPECT_FALSE(tauolla.Kaytossa(Komento::UusiPeli));

    t.PerakkaisetVoitot = 4;
    for (int r : {1, 2, 3, 4, 21, 22, 23, 25, 26, 27, 41, 42, 44, 45, 47, 48, 61, 63, 65, 67})
        Ammu(r);
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].otsikko, "Voitit");
    EXPECT_EQ(n.viestit[0].tilanne.ohje,
              "Olet voittanut 5 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.");
    EXPECT_TRUE(n.viestit[0].tilanne.Kaytossa(Komento::UusiPeli));
}

}  // namespace
