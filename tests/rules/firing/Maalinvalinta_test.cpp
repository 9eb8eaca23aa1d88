#include "rules/firing/Maalinvalinta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "tests/rules/firing/Ampumatilanne.h"
#include "tests/support/Reunarengas.h"

namespace {

class Jahti : public Ampumatilanne {
  protected:
    // The squares of the computer's next turns, one shot per turn.
    std::vector<int> Vuorot(int vuoroja) {
        std::vector<int> laukaukset;
        for (int i = 0; i < vuoroja; ++i) {
            t.PelaajanVuoro = false;
            peli.AmmuTietokoneenPuolesta();
            EXPECT_TRUE(t.TauonLoppu.has_value()) << "every turn begins with the pause";
            Odota();
            EXPECT_TRUE(t.PelaajanVuoro);
            laukaukset.push_back(t.KoneenViimeisinLaukaus);
        }
        return laukaukset;
    }

    // The first square the generator draws that the computer does not know.
    int SatunnainenRuutu(Satunnaisluvut& kaksonen) {
        for (;;) {
            const int r = kaksonen.Arvo(RUUTUJA) + 1;
            if (t.PelaajanRuudut[r] != Sana::ohi && t.PelaajanRuudut[r] != Sana::uponnut) return r;
        }
    }
};

TEST_F(Jahti, KeepsGoingLeftWhileItHits) {
    Laske(Puoli::Pelaaja, 0, {42, 43, 44, 45});
    JahtiKaynnissa(45, 1, 44);
    EXPECT_EQ(Vuorot(3), (std::vector<int>{44, 43, 42}));
    EXPECT_TRUE(t.KoneUpottiLaivan);
}

TEST_F(Jahti, AMissTurnsToTheOtherSideOfTheFirstHit) {
    Laske(Puoli::Pelaaja, 1, {45, 46, 47});
    JahtiKaynnissa(45, 1, 44);
    EXPECT_EQ(Vuorot(3), (std::vector<int>{44, 46, 47}));
    EXPECT_TRUE(t.VasenTutkittu);
    EXPECT_FALSE(t.OikeaTutkittu);
    EXPECT_TRUE(t.KoneUpottiLaivan);
}

TEST_F(Jahti, ALaterDirectionGoesOnOnlyWhileItHits) {
    Laske(Puoli::Pelaaja, 0, {43, 44, 45, 46});
    JahtiKaynnissa(45, 3, 46);
    // Right: 46 hits, 47 misses; left starts beside the first hit.
    EXPECT_EQ(Vuorot(4), (std::vector<int>{46, 47, 44, 43}));
    EXPECT_TRUE(t.KoneUpottiLaivan);
}

TEST_F(Jahti, TheVerticalCruiserOfTheExample) {
    Laske(Puoli::Pelaaja, 1, {34, 44, 54});
    JahtiKaynnissa(44, 1, 43);
    EXPECT_EQ(Vuorot(5), (std::vector<int>{43, 45, 34, 24, 54}));
    EXPECT_EQ(t.PelaajanRuudut[43], Sana::ohi) << "a blocked square shot at is a miss";
    EXPECT_TRUE(t.KoneUpottiLaivan);

    // The pause of the next turn lets the timer end the hunt before aiming.
    std::uint64_t lukemat = 0;
    Satunnaisluvut kaksonen = SamaArpa(lukemat);
    const int odotettu = SatunnainenRuutu(kaksonen);
    EXPECT_EQ(Vuorot(1), std::vector<int>{odotettu});
    EXPECT_EQ(t.KohdeVaihe, 100);
}

TEST_F(Jahti, AKnownCandidateEndsItsDirectionWithinTheTurn) {
    Laske(Puoli::Pelaaja, 3, {45, 46});
    t.PelaajanRuudut[44] = Sana::ohi;
    JahtiKaynnissa(45, 1, 44);
    EXPECT_EQ(Vuorot(1), std::vector<int>{46});
    EXPECT_TRUE(t.VasenTutkittu);
    EXPECT_EQ(t.PelaajanRuudut[44], Sana::ohi);
}

TEST_F(Jahti, AnExhaustedHuntShootsAtRandomUntilASinkingClearsIt) {
    // Every line from 45 is already known; only the carrier is left to find.
    std::ranges::fill(t.PelaajanRuudut.begin() + 1, t.PelaajanRuudut.end(), Sana::ohi);
    Laske(Puoli::Pelaaja, 0, {81, 82, 83, 84});
    JahtiKaynnissa(45, 2, 44);

    std::uint64_t lukemat = 0;
    Satunnaisluvut kaksonen = SamaArpa(lukemat);
    for (int vuoro = 1; vuoro <= 4; ++vuoro) {
        const int odotettu = SatunnainenRuutu(kaksonen);
        EXPECT_EQ(Vuorot(1), std::vector<int>{odotettu}) << "turn " << vuoro;
        EXPECT_TRUE(t.VasenTutkittu && t.OikeaTutkittu && t.YlosTutkittu && t.AlasTutkittu);
        EXPECT_EQ(t.KohdeOsuma, 45) << "a hit during a hunt starts no other";
    }
    EXPECT_TRUE(t.KoneUpottiLaivan);
    UnohdaUponnutKohde(t);
    EXPECT_FALSE(t.KohdeOsuma);
}

TEST_F(Jahti, AHitOnANewShipStartsAHuntWithAFreshlySeededOrder) {
    std::ranges::fill(t.PelaajanRuudut.begin() + 1, t.PelaajanRuudut.end(), Sana::ohi);
    Laske(Puoli::Pelaaja, 1, {45, 46, 47});
    t.VasenTutkittu = t.YlosTutkittu = true;  // left over from an earlier hunt

    std::uint64_t lukemat = 0;
    Satunnaisluvut kaksonen = SamaArpa(lukemat);
    const int osuma = SatunnainenRuutu(kaksonen);
    kaksonen.AlustaKellosta();
    const int vaihe = kaksonen.Arvo(8) + 1;

    KoneenVuoro();
    EXPECT_EQ(t.KoneenViimeisinLaukaus, osuma);
    EXPECT_EQ(kellonLukemat, 1u) << "re-seeded once, at the start of the hunt";
    EXPECT_EQ(t.KohdeOsuma, osuma);
    EXPECT_FALSE(t.VasenTutkittu || t.OikeaTutkittu || t.YlosTutkittu || t.AlasTutkittu);
    EXPECT_EQ(t.KohdeVaihe, vaihe);
    const int askel = vaihe <= 2 ? -1 : vaihe <= 4 ? +1 : vaihe <= 6 ? -10 : +10;
    EXPECT_EQ(t.KohdeRuutu, osuma + askel);
}

TEST_F(Jahti, RandomShotsDoNotReseed) {
    Laske(Puoli::Pelaaja, 6, {100});
    t.PelaajanRuudut[100] = Sana::uponnut;  // keeps every random shot a miss
    for (int r = 1; r < 100; ++r) t.PelaajanRuudut[r] = Sana::vesi;
    Vuorot(5);
    EXPECT_EQ(kellonLukemat, 0u);
    EXPECT_FALSE(t.KohdeOsuma);
}

TEST_F(Jahti, ASubmarineHuntIsClearedBeforeItIsEverUsed) {
    std::ranges::fill(t.PelaajanRuudut.begin() + 1, t.PelaajanRuudut.end(), Sana::ohi);
    Laske(Puoli::Pelaaja, 6, {55});
    EXPECT_EQ(Vuorot(1), std::vector<int>{55});
    EXPECT_EQ(t.KohdeOsuma, 55);
    t.PelaajanRuudut[12] = Sana::vesi;
    EXPECT_EQ(Vuorot(1), std::vector<int>{12});
    EXPECT_FALSE(t.KohdeOsuma);
    EXPECT_EQ(t.KohdeVaihe, 100);
}

struct Reuna {
    int osuma;
    int vaihe;
    int ehdokas;  // the first direction's square, off the grid or its row
    int laivaa;   // the other square of the gunboat
};

class JahtiReunalla : public Jahti, public ::testing::WithParamInterface<Reuna> {};

// The first direction's candidate falls off the grid or wraps to another
// row: it is never shot at, and the next direction is tried in the same turn.
TEST_P(JahtiReunalla, TheFirstDirectionEndsWithoutAShot) {
    const Reuna reuna = GetParam();
    Laske(Puoli::Pelaaja, 3,
          {std::min(reuna.osuma, reuna.laivaa), std::max(reuna.osuma, reuna.laivaa)});
    JahtiKaynnissa(reuna.osuma, reuna.vaihe, reuna.ehdokas);
    EXPECT_EQ(Vuorot(1), std::vector<int>{reuna.laivaa});
    EXPECT_TRUE(t.VasenTutkittu || t.OikeaTutkittu || t.YlosTutkittu || t.AlasTutkittu);
    EXPECT_TRUE(t.KoneUpottiLaivan);
}

INSTANTIATE_TEST_SUITE_P(Reunat, JahtiReunalla,
                         ::testing::Values(Reuna{21, 1, 20, 22}, Reuna{21, 2, 20, 22},
                                           Reuna{30, 3, 31, 29}, Reuna{30, 4, 31, 29},
                                           Reuna{5, 5, -5, 15}, Reuna{5, 6, -5, 15},
                                           Reuna{95, 7, 105, 85}, Reuna{95, 8, 105, 85}),
                         [](const auto& testi) {
                             return "osuma" + std::to_string(testi.param.osuma) + "_vaihe" +
                                    std::to_string(testi.param.vaihe);
                         });

// Kept off the edge, no ship lies on the ring: the hunt treats it as the
// grid's edge and turns within the same turn.
TEST_F(Jahti, KeptOffTheEdgeTheRingEndsADirectionLikeTheEdge) {
    t.LaivaSaaSijaitaReunassa = false;
    Laske(Puoli::Pelaaja, 3, {12, 13});
    JahtiKaynnissa(12, 1, 11);
    EXPECT_EQ(Vuorot(1), std::vector<int>{13});
    EXPECT_TRUE(t.VasenTutkittu);
}

TEST_F(Jahti, KeptOffTheEdgeTheRingEndsAnUpwardSearchToo) {
    t.LaivaSaaSijaitaReunassa = false;
    Laske(Puoli::Pelaaja, 3, {12, 22});
    JahtiKaynnissa(12, 5, 2);
    EXPECT_EQ(Vuorot(1), std::vector<int>{22});
    EXPECT_TRUE(t.YlosTutkittu);
}

TEST_F(Jahti, WhereTheEdgeIsAllowedTheSameHuntShootsIt) {
    Laske(Puoli::Pelaaja, 3, {12, 13});
    JahtiKaynnissa(12, 1, 11);
    EXPECT_EQ(Vuorot(1), std::vector<int>{11});
}

// Every random target, each taken as a miss, until none is left.
std::vector<int> SatunnaisetMaalit(bool reunaSallittu) {
    Pelitila t;
    t.LaivaSaaSijaitaReunassa = reunaSallittu;
    std::ranges::fill(t.PelaajanRuudut.begin() + 1, t.PelaajanRuudut.end(), Sana::vesi);
    Satunnaisluvut arpa(77, [] { return std::uint64_t{0}; });
    std::vector<int> maalit;
    while (const int maali = ValitseMaali(t, arpa)) {
        maalit.push_back(maali);
        t.PelaajanRuudut[maali] = Sana::ohi;
    }
    std::ranges::sort(maalit);
    return maalit;
}

TEST(Satunnaismaali, KeptOffTheEdgeNoRandomShotFallsOnTheRing) {
    std::vector<int> sisus;
    for (int r = 1; r <= 100; ++r) {
        if (std::ranges::find(REUNARENGAS, r) == REUNARENGAS.end()) sisus.push_back(r);
    }
    ASSERT_EQ(sisus.size(), 64u);
    EXPECT_EQ(SatunnaisetMaalit(false), sisus);
    EXPECT_EQ(SatunnaisetMaalit(true).size(), 100u);
}

class KoneenMerkki : public Jahti {};

TEST_F(KoneenMerkki, TheFirstShotRedrawsNothingAndLaterOnesDemoteTheLatest) {
    LaskeLaivasto(Puoli::Pelaaja);
    JahtiKaynnissa(61, 1, 60);  // shots: 60 fails the row test, 62 misses
    t.KoneenViimeisinOsui = Osui::tyhja;
    t.KoneenViimeisinLaukaus = 0;
    KoneenVuoro();
    EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::OhiViimeksi), std::vector<int>{62});
    EXPECT_EQ(n.loki.size(), 1u) << "nothing but the new shot is drawn";
}

TEST_F(KoneenMerkki, OnlyTheLatestShotWearsTheLatestPicture) {
    LaskeLaivasto(Puoli::Pelaaja);
    JahtiKaynnissa(41, 3, 42);
    KoneenVuoro();  // 42 hits and sinks the gunboat
    EXPECT_EQ(n.pelaaja[42].kuva, Kuva::OsumaViimeksi);
    EXPECT_EQ(n.pelaaja[41].kuva, Kuva::Osuma) << "the first hit was the latest before";
    KoneenVuoro();
    EXPECT_EQ(n.pelaaja[42].kuva, Kuva::Osuma);
    const int kolmas = t.KoneenViimeisinLaukaus;
    KoneenVuoro();
    const Kuva kolmannenKuva = n.pelaaja[static_cast<std::size_t>(kolmas)].kuva;
    EXPECT_TRUE(kolmannenKuva == Kuva::Osuma || kolmannenKuva == Kuva::Ohi);
}

class Tauko : public Ampumatilanne {};

TEST_F(Tauko, TheShotWaitsForThePausesFullLengthUnderTheHourglass) {
    using namespace std::chrono_literals;
    LaskeLaivasto(Puoli::Pelaaja);
    LaskeLaivasto(Puoli::Kone);
    peli.TauonPituus = 1000ms;
    t.PelaajanVuoro = false;
    peli.AmmuTietokoneenPuolesta();
    EXPECT_EQ(n.ajastin, 1000ms);
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi);
    EXPECT_FALSE(n.Naytetty().Kaytossa(Komento::UusiPeli))
        << "out of reach from the pause's first moment";
    EXPECT_EQ(n.Naytetty().ohje, teksti::KONE_AMPUU);

    // A timer that runs out early only asks again for the rest.
    n.nyt = 600ms;
    n.ajastin.reset();
    peli.Ajastin();
    EXPECT_EQ(n.ajastin, 1000ms);
    n.Kuluta(399ms, [this] { peli.Ajastin(); });
    EXPECT_EQ(t.KoneenViimeisinLaukaus, 0);
    EXPECT_FALSE(t.PelaajanVuoro);

    n.Kuluta(1ms, [this] { peli.Ajastin(); });
    EXPECT_NE(t.KoneenViimeisinLaukaus, 0);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
    EXPECT_FALSE(n.ajastin.has_value()) << "nothing ticks once the shot is made";
}

TEST_F(Tauko, WithNothingLeftToShootTheTurnPassesBack) {
    std::ranges::fill(t.PelaajanRuudut.begin() + 1, t.PelaajanRuudut.end(), Sana::ohi);
    KoneenVuoro();
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_EQ(t.KoneenViimeisinLaukaus, 0);
    EXPECT_TRUE(n.loki.empty());
}

TEST(UnohdaUponnutKohde, TheHuntForASunkShipIsForgotten) {
    Pelitila t;
    t.KohdeOsuma = 44;
    t.KohdeRuutu = 45;
    t.KohdeVaihe = 3;
    t.KoneUpottiLaivan = true;
    UnohdaUponnutKohde(t);
    EXPECT_FALSE(t.KohdeOsuma.has_value());
    EXPECT_EQ(t.KohdeRuutu, 0);
    EXPECT_EQ(t.KohdeVaihe, 100);
}

TEST(UnohdaUponnutKohde, AHuntWhoseShipStillFloatsGoesOn) {
    Pelitila t;
    t.KohdeOsuma = 44;
    t.KohdeRuutu = 45;
    t.KohdeVaihe = 3;
    t.KoneUpottiLaivan = false;
    UnohdaUponnutKohde(t);
    EXPECT_EQ(t.KohdeOsuma, 44);
    EXPECT_EQ(t.KohdeRuutu, 45);
    EXPECT_EQ(t.KohdeVaihe, 3);
    // A sinking flag left from an earlier hunt touches no hunt of its own.
    t.KohdeOsuma.reset();
    t.KoneUpottiLaivan = true;
    UnohdaUponnutKohde(t);
    EXPECT_EQ(t.KohdeRuutu, 45);
    EXPECT_EQ(t.KohdeVaihe, 3);
}

}  // namespace
