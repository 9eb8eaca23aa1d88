#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "rules/Ruudut.h"
#include "rules/firing/Maalinvalinta.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "tests/rules/firing/Ampumatilanne.h"
#include "tests/support/Naapurustot.h"

namespace {

class KoneenOsuma : public Ampumatilanne {
  protected:
    void Osuu(int ruutu) {
        KoneOsuu(ruutu);
        peli.MihinLaivaanTietokoneOsui(ruutu);
    }
};

TEST_F(KoneenOsuma, ACruiserSinksInRecordOrderWhicheverSquareIsHitLast) {
    std::vector<int> jarjestys{12, 13, 14};
    do {
        std::ranges::fill(t.PelaajanRuudut.begin() + 1, t.PelaajanRuudut.end(), Sana::vesi);
        for (int r = 1; r <= 100; ++r) peli.Ruudut().NaytaKuva(Puoli::Pelaaja, r, Kuva::Vesi);
        t.KoneenOsumat = 0;
        Laske(Puoli::Pelaaja, 2, {12, 13, 14});
        n.loki.clear();
        t.KohdeOsuma = jarjestys[0];
        t.KohdeVaihe = 1;
        Osuu(jarjestys[0]);
        Osuu(jarjestys[1]);
        EXPECT_FALSE(t.KoneUpottiLaivan);
        EXPECT_TRUE(n.loki.empty());
        Osuu(jarjestys[2]);
        EXPECT_TRUE(t.KoneUpottiLaivan);
        EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi),
                  (std::vector<int>{11, 2, 22, 3, 23, 4, 15, 24}))
            << "last hit " << jarjestys[2];
        UnohdaUponnutKohde(t);
        EXPECT_FALSE(t.KohdeOsuma) << "the next choice of target ends the hunt";
        EXPECT_EQ(t.KohdeVaihe, 100);
    } while (std::ranges::next_permutation(jarjestys).found);
}

TEST_F(KoneenOsuma, APartlyHitCarrierDoesNotSink) {
    Laske(Puoli::Pelaaja, 0, {42, 43, 44, 45});
    t.KoneUpottiLaivan = true;  // from an earlier sinking
    for (int r : {42, 44, 45}) Osuu(r);
    EXPECT_FALSE(t.KoneUpottiLaivan);
    EXPECT_TRUE(n.loki.empty());
    EXPECT_EQ(t.PelaajanRuudut[43], Sana::laiva);
}

TEST_F(KoneenOsuma, ASubmarineSinksAtOnce) {
    Laske(Puoli::Pelaaja, 8, {45});
    Osuu(45);
    EXPECT_TRUE(t.KoneUpottiLaivan);
    EXPECT_EQ(n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi), NaapuritTaulukosta(45, true));
    for (int r : NaapuritTaulukosta(45, true)) EXPECT_EQ(t.PelaajanRuudut[r], Sana::ohi);
}

TEST_F(KoneenOsuma, AHitInNoRecordIsReportedWithoutALossTest) {
    t.PelaajanRuudut[37] = Sana::laiva;
    t.KoneenOsumat = 19;
    Osuu(37);
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].otsikko, "Morvak");
    EXPECT_EQ(n.viestit[0].teksti, "Ruutu 37: Virhe osuman tulkinnassa!");
    EXPECT_EQ(n.viestit[0].kuvake, Kuvake::Ei);
    EXPECT_FALSE(t.KoneUpottiLaivan);
    EXPECT_EQ(t.KoneenOsumat, 20);
    EXPECT_EQ(t.PelaajanRuudut[37], Sana::uponnut);
    EXPECT_TRUE(t.PeliKaynnissa);
}

struct Putki {
    int voitot;
    int kymmenes;  // the tenth place's score
    bool kysytaan;
};

class Loppu : public KoneenOsuma {
  protected:
    // The computer has hit every square of the player's fleet but one
    // submarine, and the player has hit the carrier only.
    void Valmistele() {
        LaskeLaivasto(Puoli::Pelaaja);
        LaskeLaivasto(Puoli::Kone);
        for (int r = 1; r <= RUUTUJA; ++r) {
            if (t.PelaajanRuudut[r] == Sana::laiva && r != 67) Osuu(r);
        }
        for (int r : {1, 2, 3, 4}) t.KoneenRuudut[r] = Sana::uponnut;
        n.loki.clear();
        n.viestit.clear();
    }
};

class Havio : public Loppu, public ::testing::WithParamInterface<Putki> {};

TEST_P(Havio, TheLastSinkingComesFirstThenTheBoxThenTheNameEntryIfTheStreakBeatsTheList) {
    const Putki putki = GetParam();
    Valmistele();
    t.PerakkaisetVoitot = putki.voitot;
    t.Parhaat.ParasTulos[9] = static_cast<std::int16_t>(putki.kymmenes);
    int putkiKysyttaessa = -1;
    // The player gives the streak up in the real dialog model.
    n.kysyNimi = [&](frmKysyNimiMalli& nimi) {
        putkiKysyttaessa = t.PerakkaisetVoitot;
        nimi.cmdPainike_Click(1);
    };

    Osuu(67);

    EXPECT_FALSE(t.PeliKaynnissa);
    EXPECT_FALSE(t.AmmuntaKaynnissa);
    EXPECT_TRUE(t.KoneUpottiLaivan);
    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].teksti, "Vastustajasi upotti kaikki laivasi!");
    EXPECT_EQ(n.viestit[0].kuvake, Kuvake::Huutomerkki);

    const std::vector<int> paljastetut = n.Piirretyt(Puoli::Pelaaja, Kuva::Ohi);
    // 66 and 57 came out with submarine 65 and gunboat 47-48.
    EXPECT_EQ(paljastetut, (std::vector<int>{68, 77}));
    const int havisit = n.Kohta("Hävisit");
    ASSERT_GE(havisit, 0);
    EXPECT_EQ(n.loki[static_cast<std::size_t>(havisit) - 1].ruutu, 77)
        << "the sinking display comes before the box";

    EXPECT_EQ(n.kysyNimiKertoja, putki.kysytaan ? 1 : 0);
    if (putki.kysytaan) {
        EXPECT_GT(n.Kohta("KysyNimi"), havisit);
        EXPECT_EQ(putkiKysyttaessa, putki.voitot);
        EXPECT_EQ(n.osoitin, Osoitin::Oletus);
    }
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
}

INSTANTIATE_TEST_SUITE_P(Putket, Havio,
                         ::testing::Values(Putki{3, 2, true}, Putki{3, 3, false},
                                           Putki{0, 0, false}, Putki{0, -1, false}),
                         [](const auto& testi) {
                             const int kymmenes = testi.param.kymmenes;
                             return "putki" + std::to_string(testi.param.voitot) + "_kymmenes" +
                                    (kymmenes < 0 ? "miinus" : "") +
                                    std::to_string(std::abs(kymmenes));
                         });

TEST_F(Loppu, TheComputersUnhitShipsComeToLight) {
    Valmistele();
    Osuu(67);
    const std::vector<int> esiin = n.Piirretyt(Puoli::Kone, Kuva::Laiva);
    EXPECT_EQ(esiin.size(), 16u);
    EXPECT_TRUE(std::ranges::none_of(esiin, [](int r) { return r <= 4; }))
        << "hit squares keep their hit pictures";
    for (int r = 1; r <= RUUTUJA; ++r) EXPECT_FALSE(n.kone[static_cast<std::size_t>(r)].sormi);
}

TEST_F(Loppu, TheLossEndsTheComputersTurnWithNobodyToShoot) {
    Valmistele();
    // Every other square already shot, so the computer's only target is 67.
    for (int r = 1; r <= RUUTUJA; ++r) {
        if (t.PelaajanRuudut[r] != Sana::uponnut && r != 67) t.PelaajanRuudut[r] = Sana::ohi;
    }
    KoneenVuoro();
    EXPECT_EQ(t.KoneenViimeisinLaukaus, 67);
    EXPECT_EQ(t.KoneenOsumat, 20);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_FALSE(t.PeliKaynnissa);
    const Ruudukko ennen = t.KoneenRuudut;
    Ammu(50);
    EXPECT_EQ(t.KoneenRuudut, ennen);
    EXPECT_EQ(taukoja, 1);
}

}  // namespace
