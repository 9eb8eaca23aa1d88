// A sunk ship's animation: which squares play it, on which grid, at which
// moment of the turn, and that nothing else of the game changes with it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "rules/Ruudut.h"
#include "rules/Tekstit.h"
#include "tests/rules/firing/Ampumatilanne.h"
#include "tests/rules/firing/Pelisimulaatio.h"

namespace {

using Tapahtuma = NakymaLoki::Tapahtuma;

class Esitys : public Ampumatilanne {
  protected:
    Esitys() { t.NaytetaanLaivojenUppoaminen = true; }

    // Where in the log the first entry that `ehto` accepts stands; -1 if none.
    int Kohta(const std::function<bool(const Tapahtuma&)>& ehto) const {
        const auto e = std::ranges::find_if(n.loki, ehto);
        return e == n.loki.end() ? -1 : static_cast<int>(e - n.loki.begin());
    }
    int KuvanKohta(Puoli puoli, Kuva kuva) const {
        return Kohta([=](const Tapahtuma& e) {
            return e.mika == "kuva" && e.puoli == puoli && e.kuva == kuva;
        });
    }
    // While a ship sinks: the hourglass, and no new game.
    void Uppoaa(Puoli puoli, const std::vector<int>& ruudut, const char* ohje) {
        ASSERT_EQ(n.uppoamiset.size(), 1u);
        EXPECT_EQ(n.uppoamiset[0].puoli, puoli);
        EXPECT_EQ(n.uppoamiset[0].ruudut, ruudut);
        EXPECT_FALSE(n.uppoamiset[0].paattyi);
        EXPECT_EQ(n.Naytetty().ohje, ohje);
        EXPECT_FALSE(n.Naytetty().Kaytossa(Komento::UusiPeli));
        EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi);
    }
};

TEST_F(Esitys, TheSinkingPlaysForItsLengthThenRevealsTheSurroundings) {
    using namespace std::chrono_literals;
    LaskeLaivasto(Puoli::Kone);
    peli.imgKone_Click(61);
    EXPECT_EQ(n.kone[61].vedenpinta, 0.0);
    n.Kuluta(240ms, [this] { peli.Ajastin(); });
    EXPECT_EQ(n.kone[61].vedenpinta, 1.0) << "covered halfway through";
    n.Kuluta(239ms, [this] { peli.Ajastin(); });
    EXPECT_TRUE(n.kone[61].vedenpinta.has_value());
    EXPECT_TRUE(n.Piirretyt(Puoli::Kone, Kuva::Ohi).empty());
    EXPECT_FALSE(t.TauonLoppu.has_value());

    n.Kuluta(1ms, [this] { peli.Ajastin(); });
    EXPECT_FALSE(n.kone[61].vedenpinta.has_value());
    EXPECT_EQ(n.Piirretyt(Puoli::Kone, Kuva::Ohi), (std::vector<int>{51, 62, 71}));
    EXPECT_TRUE(t.TauonLoppu.has_value()) << "the computer's pause follows";
}

TEST_F(Esitys, ThePlayersSinkingShotGoesDownAsTheComputersTurnBegins) {
    LaskeLaivasto(Puoli::Kone);
    // An empty grid of the player's: the computer's reply sinks nothing.
    peli.imgKone_Click(61);
    Uppoaa(Puoli::Kone, {61}, teksti::KONE_AMPUU);
    EXPECT_FALSE(t.PelaajanVuoro) << "no click of the player counts now";
    EXPECT_FALSE(t.TauonLoppu.has_value()) << "before the pause";
    Odota();
    EXPECT_EQ(taukoja, 1);

    // The shot, then the sinking, then the squares around it, then the
    // computer's reply.
    const int osuma = KuvanKohta(Puoli::Kone, Kuva::OsumaViimeksi);
    const int uppoaminen = n.Kohta("Uppoaminen");
    const int paljastus = KuvanKohta(Puoli::Kone, Kuva::Ohi);
    const int vastaus = Kohta([](const Tapahtuma& e) {
        return e.mika == "kuva" && e.puoli == Puoli::Pelaaja &&
               (e.kuva == Kuva::OhiViimeksi || e.kuva == Kuva::OsumaViimeksi);
    });
    EXPECT_LT(osuma, uppoaminen);
    EXPECT_LT(uppoaminen, paljastus);
    EXPECT_LT(paljastus, vastaus);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_FALSE(t.Uppoava.has_value());
}

TEST_F(Esitys, TheComputersSinkingShotGoesDownBeforeItsTurnEnds) {
    LaskeLaivasto(Puoli::Kone);
    LaskeLaivasto(Puoli::Pelaaja);
    JahtiKaynnissa(41, 3, 42);
    t.PelaajanVuoro = false;
    peli.AmmuTietokoneenPuolesta();
    n.Kuluta(peli.TauonPituus, [this] { peli.Ajastin(); });
    Uppoaa(Puoli::Pelaaja, {41, 42}, teksti::KONE_AMPUU);
    EXPECT_FALSE(t.PelaajanVuoro);
    Odota();

    EXPECT_LT(KuvanKohta(Puoli::Pelaaja, Kuva::OsumaViimeksi), n.Kohta("Uppoaminen"));
    EXPECT_LT(n.Kohta("Uppoaminen"), KuvanKohta(Puoli::Pelaaja, Kuva::Ohi));
    EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi), (std::vector<int>{31, 51, 32, 43, 52}));
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_TRUE(t.KoneUpottiLaivan);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

TEST_F(Esitys, TheLastShipSinksBeforeTheWordOfTheWinWithTheNewGameOutOfReach) {
    LaskeLaivasto(Puoli::Kone);
    for (int r = 1; r <= RUUTUJA; ++r) {
        if (t.KoneenRuudut[r] == Sana::laiva && r != 67) t.KoneenRuudut[r] = Sana::uponnut;
    }
    t.PelaajanOsumat = 19;
    peli.imgKone_Click(67);
    Uppoaa(Puoli::Kone, {67},
           "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.");
    // A key that was on its way when the sinking began.
    peli.mUusiPeli_Click();
    EXPECT_EQ(t.PelaajanOsumat, 20) << "no new game started meanwhile";
    EXPECT_TRUE(n.viestit.empty());
    Odota();

    EXPECT_EQ(taukoja, 0);
    EXPECT_LT(n.Kohta("Uppoaminen"), KuvanKohta(Puoli::Kone, Kuva::Ohi));
    EXPECT_LT(KuvanKohta(Puoli::Kone, Kuva::Ohi), n.Kohta(teksti::VOITTO_OTSIKKO));
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_TRUE(n.viestit[0].tilanne.Kaytossa(Komento::UusiPeli))
        << "the commands are back for the box";
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

TEST_F(Esitys, TheComputersLastHitSinksBeforeTheWordOfTheLoss) {
    LaskeLaivasto(Puoli::Pelaaja);
    // Everything known but the last submarine, which the random shot finds.
    for (int r = 1; r <= RUUTUJA; ++r) {
        if (r == 67) continue;
        t.PelaajanRuudut[r] = t.PelaajanRuudut[r] == Sana::laiva ? Sana::uponnut : Sana::ohi;
    }
    t.KoneenOsumat = 19;
    KoneenVuoro();

    ASSERT_EQ(n.uppoamiset.size(), 1u);
    EXPECT_EQ(n.uppoamiset[0].puoli, Puoli::Pelaaja);
    EXPECT_EQ(n.uppoamiset[0].ruudut, std::vector<int>{67});
    EXPECT_LT(n.Kohta("Uppoaminen"), n.Kohta(teksti::TAPPIO_OTSIKKO));
    EXPECT_EQ(t.KoneenOsumat, 20);
    EXPECT_FALSE(t.PeliKaynnissa);
}

// The same seeded game with and without the animation: each sunk ship of
// either side plays it once, and nothing else of the game differs.
TEST(UppoamisenEsitys, AWholeGameDiffersOnlyByTheAnimations) {
    for (std::uint64_t siemen : {3u, 8u, 21u}) {
        Pelisimulaatio ilman(siemen, false, Pelaajatyyppi::Satunnainen);
        Pelisimulaatio kanssa(siemen, false, Pelaajatyyppi::Satunnainen);
        kanssa.t.NaytetaanLaivojenUppoaminen = true;
        const Pelitulos a = ilman.Pelaa();
        const Pelitulos b = kanssa.Pelaa();
        ASSERT_TRUE(a.paattyi);
        EXPECT_EQ(a.pelaajaVoitti, b.pelaajaVoitti) << siemen;
        EXPECT_EQ(a.pelaajanLaukaukset, b.pelaajanLaukaukset) << siemen;
        EXPECT_EQ(a.koneenLaukaukset, b.koneenLaukaukset) << siemen;
        EXPECT_EQ(ilman.t.PelaajanRuudut, kanssa.t.PelaajanRuudut) << siemen;
        EXPECT_EQ(ilman.t.KoneenRuudut, kanssa.t.KoneenRuudut) << siemen;
        EXPECT_TRUE(ilman.n.uppoamiset.empty());

        std::vector<std::pair<Puoli, std::vector<int>>> upotetut;
        for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
            for (const Laiva& laiva : kanssa.t.Laivat(puoli)) {
                if (std::ranges::all_of(laiva.ruudut, [&](int r) {
                        return kanssa.t.Ruudut(puoli)[r] == Sana::uponnut;
                    }))
                    upotetut.emplace_back(
                        puoli, std::vector<int>(laiva.ruudut.begin(), laiva.ruudut.end()));
            }
        }
        std::vector<std::pair<Puoli, std::vector<int>>> animoidut;
        for (const auto& u : kanssa.n.uppoamiset) animoidut.emplace_back(u.puoli, u.ruudut);
        std::ranges::sort(upotetut);
        std::ranges::sort(animoidut);
        EXPECT_EQ(animoidut, upotetut) << siemen;
        EXPECT_GE(animoidut.size(), 10u) << "the loser's whole fleet at least";
    }
}

}  // namespace
