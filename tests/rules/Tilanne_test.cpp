#include <gtest/gtest.h>

#include "rules/Peli.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

namespace {

class NakyvaTilanne : public ::testing::Test {
  protected:
    NakyvaTilanne() {
        t.LaivojenKulmatSaavatKoskettaa = true;
        p.UusiPeli();
    }

    void Ammunta(bool pelaajanVuoro) {
        for (Laiva& laiva : t.Laivat(Puoli::Pelaaja)) laiva.sijoitettu = true;
        t.SijoitusKaynnissa = false;
        t.AmmuntaKaynnissa = true;
        t.PeliKaynnissa = true;
        t.PelaajanVuoro = pelaajanVuoro;
    }

    void Paattynyt(bool voitti) {
        Ammunta(!voitti);
        t.PeliKaynnissa = false;
        t.AmmuntaKaynnissa = false;
        (voitti ? t.PelaajanOsumat : t.KoneenOsumat) = 20;
    }

    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{8, [] { return std::uint64_t{1}; }};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

TEST_F(NakyvaTilanne, SijoitusKysyyEnsimmaistaSijoittamatontaLaivaa) {
    const char* ohjeet[] = {
        "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 2. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 1. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 2. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 1. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 2. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 3. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
        "Sijoita 4. sukellusveneesi (pituus 1 ruutu) vasemmanpuoleiseen ruudukkoon.",
    };
    auto laivat = t.Laivat(Puoli::Pelaaja);
    for (std::size_t i = 0; i < laivat.size(); ++i) {
        const Tilanne tila = p.NykyinenTilanne();
        EXPECT_EQ(tila.ohje, ohjeet[i]) << i;
        EXPECT_TRUE(tila.UusiPeliKaytossa);
        laivat[i].sijoitettu = true;
    }
    // With the whole fleet flagged but firing not yet open, the last prompt stays.
    EXPECT_EQ(p.NykyinenTilanne().ohje, ohjeet[9]);
}

TEST_F(NakyvaTilanne, KysytaanEnsimmaistaAukkoaEiSeuraavaa) {
    t.PelaajanRisteilijaSijoitettu[1] = true;
    EXPECT_EQ(p.NykyinenTilanne().ohje,
              "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.");
}

TEST_F(NakyvaTilanne, PelaajanVuoroAmmuttaessa) {
    Ammunta(true);
    const Tilanne tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
}

TEST_F(NakyvaTilanne, KoneenAmpuessaUusiPeliEiKaytossa) {
    Ammunta(false);
    const Tilanne tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");
    EXPECT_FALSE(tila.UusiPeliKaytossa);
}

TEST_F(NakyvaTilanne, KoneenSijoittaessaKeskenPelin) {
    t.PeliKaynnissa = true;
    t.PelaajanVuoro = false;
    t.KoneenSukellusveneSijoitettu[4] = false;
    const Tilanne tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...");
    EXPECT_FALSE(tila.UusiPeliKaytossa);
}

TEST_F(NakyvaTilanne, YksiVoitto) {
    Paattynyt(true);
    t.PerakkaisetVoitot = 1;
    const Tilanne tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
}

TEST_F(NakyvaTilanne, UseitaVoittojaPerakkain) {
    Paattynyt(true);
    t.PerakkaisetVoitot = 12;
    EXPECT_EQ(p.NykyinenTilanne().ohje,
              "Olet voittanut 12 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.");
}

TEST_F(NakyvaTilanne, Tappio) {
    Paattynyt(false);
    const Tilanne tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Aloita uusi peli painamalla Uusi peli -painiketta.");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
}

// The opponent tells only what it knows; the game makes the window's state.
TEST_F(NakyvaTilanne, VastustajanOsuusTuleeTilanteeseen) {
    struct Tietava : Vastustaja {
        bool SijoitaLaivasto() override { return true; }
        void LaivastoValmis() override {}
        void Ammu(int) override {}
        void UppoaminenEsitetty() override {}
        void SijoitussaannotMuuttuivat() override {}
        Tilanneosuus Tilanteesta() const override { return osuus; }
        Tilanneosuus osuus;
    } tietava;
    p.AsetaVastustaja(&tietava);
    Ammunta(false);
    tietava.osuus = {"Ville ampuu.", "Morvak - Sinä 1, Ville 0", true};
    Tilanne tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Ville ampuu.");
    EXPECT_EQ(tila.otsikko, "Morvak - Sinä 1, Ville 0");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
    tietava.osuus = {};
    tila = p.NykyinenTilanne();
    EXPECT_EQ(tila.ohje, "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");
    EXPECT_EQ(tila.otsikko, "Morvak");
    EXPECT_FALSE(tila.UusiPeliKaytossa);
    p.AsetaVastustaja(nullptr);
}

}  // namespace
