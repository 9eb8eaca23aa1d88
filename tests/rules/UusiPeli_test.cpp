#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "rules/Peli.h"
#include "rules/results/frmKysyNimiMalli.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

namespace {

// Remembers whether the window took input and which pointer it showed
// whenever a square was drawn.
class KirjaavaNakyma : public NakymaTesti {
  public:
    std::vector<std::pair<Osoitin, bool>> piirrettaessa;

    void NaytaKuva(Puoli p, int r, Kuva k) override {
        NakymaTesti::NaytaKuva(p, r, k);
        piirrettaessa.emplace_back(osoitin, ikkunaKaytossa);
    }
};

class UusiPeli : public ::testing::Test {
  protected:
    UusiPeli() { t.LaivojenKulmatSaavatKoskettaa = true; }

    // A game in progress: the player's first ship is laid.
    void PeliKayntiin() {
        p.UusiPeli();
        p.imgPelaaja_MouseUp(1, 1);
    }

    Pelitila t;
    KirjaavaNakyma n;
    Satunnaisluvut arpa{3, [] { return std::uint64_t{99}; }};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

TEST_F(UusiPeli, PoistaLaivatTyhjentaaKaiken) {
    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        for (Laiva& laiva : t.Laivat(puoli)) {
            laiva.sijoitettu = true;
            for (int& r : laiva.ruudut) r = 55;
        }
    }
    const Sana sanat[] = {Sana::laiva, Sana::varattu, Sana::uponnut, Sana::ohi};
    for (int r = 1; r <= 100; ++r) {
        t.PelaajanRuudut[r] = sanat[r % 4];
        t.KoneenRuudut[r] = sanat[(r + 1) % 4];
        p.Ruudut().NaytaKuva(Puoli::Pelaaja, r, Kuva::Osuma);
        p.Ruudut().NaytaKuva(Puoli::Kone, r, Kuva::OhiViimeksi);
        p.Ruudut().AsetaSormiosoitin(Puoli::Kone, r, true);
    }
    t.PelaajanOsumat = 7;
    t.AmmuntaKaynnissa = true;

    p.PoistaLaivat();

    for (Puoli puoli : {Puoli::Pelaaja, Puoli::Kone}) {
        for (const Laiva& laiva : t.Laivat(puoli)) {
            EXPECT_FALSE(laiva.sijoitettu);
            for (int r : laiva.ruudut) EXPECT_EQ(r, -1);
        }
    }
    for (int r = 1; r <= 100; ++r) {
        EXPECT_EQ(t.PelaajanRuudut[r], Sana::vesi) << r;
        EXPECT_EQ(t.KoneenRuudut[r], Sana::vesi) << r;
        EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Vesi) << r;
        EXPECT_EQ(n.kone[r].kuva, Kuva::Vesi) << r;
        EXPECT_TRUE(n.pelaaja[r].sormi) << r;
        EXPECT_FALSE(n.kone[r].sormi) << r;
    }
    EXPECT_EQ(t.PelaajanRuudut[0], Sana::tyhja);
    // Counters and phases are the new game's business, not the reset's.
    EXPECT_EQ(t.PelaajanOsumat, 7);
    EXPECT_TRUE(t.AmmuntaKaynnissa);
}

TEST_F(UusiPeli, JattaaPelaajanSijoittamaan) {
    t.PelaajanOsumat = 20;
    t.KoneenOsumat = 12;
    t.KohdeOsuma = 34;
    t.KohdeRuutu = 35;
    t.AmmuntaKaynnissa = true;
    t.PeliKaynnissa = true;
    t.PerakkaisetVoitot = 4;

    p.UusiPeli();

    EXPECT_EQ(t.PelaajanOsumat, 0);
    EXPECT_EQ(t.KoneenOsumat, 0);
    EXPECT_FALSE(t.KohdeOsuma.has_value());
    EXPECT_EQ(t.KohdeRuutu, 0);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_FALSE(t.AmmuntaKaynnissa);
    EXPECT_FALSE(t.PeliKaynnissa);
    EXPECT_TRUE(t.KoneenSukellusveneSijoitettu[4]);
    EXPECT_EQ(t.PerakkaisetVoitot, 4);
    for (const Laiva& laiva : t.Laivat(Puoli::Pelaaja)) EXPECT_FALSE(laiva.sijoitettu);
}

TEST_F(UusiPeli, IkkunaOnSuljettuKoneenSijoittaessa) {
    for (int r = 1; r <= 100; ++r) p.Ruudut().NaytaKuva(Puoli::Pelaaja, r, Kuva::Ohi);
    n.piirrettaessa.clear();
    p.UusiPeli();
    ASSERT_FALSE(n.piirrettaessa.empty());
    for (const auto& [osoitin, kaytossa] : n.piirrettaessa) {
        EXPECT_EQ(osoitin, Osoitin::Tiimalasi);
        EXPECT_FALSE(kaytossa);
    }
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
    EXPECT_TRUE(n.ikkunaKaytossa);
}

TEST_F(UusiPeli, TeePelinAlkuvalmistelutKaantaaOsoittimet) {
    p.UusiPeli();
    t.PelaajanViimeisinLaukaus = 5;
    t.PelaajanViimeisinOsui = Osui::ei;
    t.KoneenViimeisinLaukaus = 6;
    t.KoneenViimeisinOsui = Osui::kylla;
    p.Ruudut().AsetaRuutuKaytossa(Puoli::Kone, 17, false);
    p.TeePelinAlkuvalmistelut();
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 0);
    EXPECT_EQ(t.PelaajanViimeisinOsui, Osui::tyhja);
    EXPECT_EQ(t.KoneenViimeisinLaukaus, 0);
    EXPECT_EQ(t.KoneenViimeisinOsui, Osui::tyhja);
    for (int r = 1; r <= 100; ++r) {
        EXPECT_FALSE(n.pelaaja[r].sormi) << r;
        EXPECT_TRUE(n.kone[r].sormi) << r;
        EXPECT_TRUE(n.kone[r].kaytossa) << r;
    }
}

TEST_F(UusiPeli, IlmanVoittoputkeaEiKysyta) {
    PeliKayntiin();
    p.mUusiPeli_Click();
    EXPECT_TRUE(n.kysymykset.empty());
    EXPECT_FALSE(t.PeliKaynnissa);
    EXPECT_FALSE(t.PelaajanLentotukialusSijoitettu);
}

TEST_F(UusiPeli, VoittoputkiEnnenEnsimmaistaNapautustaEiKysy) {
    p.UusiPeli();
    t.PerakkaisetVoitot = 3;
    p.mUusiPeli_Click();
    EXPECT_TRUE(n.kysymykset.empty());
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
}

TEST_F(UusiPeli, VoittoputkiKeskenPelinKysyy) {
    PeliKayntiin();
    t.PerakkaisetVoitot = 3;
    n.vastaukset = {false};
    p.mUusiPeli_Click();
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Uusi peli");
    EXPECT_EQ(n.kysymykset[0].teksti,
              "Haluatko varmasti keskeyttää nykyisen pelin ja\naloittaa uuden?");
    // No: the game goes on untouched.
    EXPECT_TRUE(t.PeliKaynnissa);
    EXPECT_TRUE(t.PelaajanLentotukialusSijoitettu);
    EXPECT_EQ(t.PerakkaisetVoitot, 3);
    EXPECT_EQ(n.kysyNimiKertoja, 0);
}

TEST_F(UusiPeli, KeskeytysIlmanSijoitustaListallaNollaaPutken) {
    PeliKayntiin();
    t.PerakkaisetVoitot = 2;
    t.Parhaat.ParasTulos[9] = 2;
    n.vastaukset = {true};
    p.mUusiPeli_Click();
    EXPECT_EQ(n.kysyNimiKertoja, 0);
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
    EXPECT_FALSE(t.PeliKaynnissa);
    EXPECT_FALSE(t.PelaajanLentotukialusSijoitettu);
}

TEST_F(UusiPeli, KeskeytysListallePaasevallaPutkellaKysyyNimenEnsin) {
    Testipesa pesa;
    PeliKayntiin();
    t.PerakkaisetVoitot = 2;
    t.Parhaat.ParasTulos[9] = 1;
    n.vastaukset = {true};
    bool vanhaPeliVielaKaynnissa = false;
    Osoitin osoitinNimelle = Osoitin::Tiimalasi;
    // The player enters a name in the real dialog model; it ends the streak.
    n.kysyNimi = [&](frmKysyNimiMalli& nimi) {
        vanhaPeliVielaKaynnissa = t.PeliKaynnissa;
        osoitinNimelle = n.osoitin;
        nimi.txtNimi_Change("Keskeyttäjä");
        nimi.cmdPainike_Click(0);
    };
    n.osoitin = Osoitin::Tiimalasi;
    p.mUusiPeli_Click();
    EXPECT_EQ(n.kysyNimiKertoja, 1);
    EXPECT_TRUE(vanhaPeliVielaKaynnissa);
    EXPECT_EQ(osoitinNimelle, Osoitin::Oletus);
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], "Keskeyttäjä");
    EXPECT_EQ(t.Parhaat.ParasTulos[0], 2);
    EXPECT_FALSE(t.PeliKaynnissa);
}

TEST_F(UusiPeli, VoitonJalkeenUusiPeliAlkaaKysymattaJaPutkiJaa) {
    PeliKayntiin();
    t.PeliKaynnissa = false;  // won
    t.PerakkaisetVoitot = 5;
    p.mUusiPeli_Click();
    EXPECT_TRUE(n.kysymykset.empty());
    EXPECT_EQ(t.PerakkaisetVoitot, 5);
    EXPECT_TRUE(t.SijoitusKaynnissa);
}

}  // namespace
