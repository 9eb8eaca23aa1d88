#include <gtest/gtest.h>

#include "NakymaTesti.h"
#include "Peli.h"

namespace {

class Ajastin : public ::testing::Test {
  protected:
    Ajastin() {
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
};

TEST_F(Ajastin, SijoitusKysyyEnsimmaistaSijoittamatontaLaivaa) {
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
        const Ajastintila tila = p.tmrAjastin_Timer();
        EXPECT_EQ(tila.ohje, ohjeet[i]) << i;
        EXPECT_TRUE(tila.UusiPeliKaytossa);
        laivat[i].sijoitettu = true;
    }
    // With the whole fleet flagged but firing not yet open, the last prompt stays.
    EXPECT_EQ(p.tmrAjastin_Timer().ohje, ohjeet[9]);
}

TEST_F(Ajastin, KysytaanEnsimmaistaAukkoaEiSeuraavaa) {
    t.PelaajanRisteilijaSijoitettu[1] = true;
    EXPECT_EQ(p.tmrAjastin_Timer().ohje,
              "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.");
}

TEST_F(Ajastin, PelaajanVuoroAmmuttaessa) {
    Ammunta(true);
    const Ajastintila tila = p.tmrAjastin_Timer();
    EXPECT_EQ(tila.ohje, "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
}

TEST_F(Ajastin, KoneenAmpuessaUusiPeliEiKaytossa) {
    Ammunta(false);
    const Ajastintila tila = p.tmrAjastin_Timer();
    EXPECT_EQ(tila.ohje, "Odota hetki, vastustajasi ampuu jotakin ruuduistasi...");
    EXPECT_FALSE(tila.UusiPeliKaytossa);
}

TEST_F(Ajastin, KoneenSijoittaessaKeskenPelin) {
    t.PeliKaynnissa = true;
    t.PelaajanVuoro = false;
    t.KoneenSukellusveneSijoitettu[4] = false;
    const Ajastintila tila = p.tmrAjastin_Timer();
    EXPECT_EQ(tila.ohje, "Odota hetki, sijoitetaan vastustajasi laivat ruudukkoon...");
    EXPECT_FALSE(tila.UusiPeliKaytossa);
}

TEST_F(Ajastin, YksiVoitto) {
    Paattynyt(true);
    t.PerakkaisetVoitot = 1;
    const Ajastintila tila = p.tmrAjastin_Timer();
    EXPECT_EQ(tila.ohje, "Olet voittanut yhden pelin. Jatka pelaamista Uusi peli -painikkeella.");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
}

TEST_F(Ajastin, UseitaVoittojaPerakkain) {
    Paattynyt(true);
    t.PerakkaisetVoitot = 12;
    EXPECT_EQ(p.tmrAjastin_Timer().ohje,
              "Olet voittanut 12 peliä peräkkäin. Jatka pelaamista Uusi peli -painikkeella.");
}

TEST_F(Ajastin, Tappio) {
    Paattynyt(false);
    const Ajastintila tila = p.tmrAjastin_Timer();
    EXPECT_EQ(tila.ohje, "Aloita uusi peli painamalla Uusi peli -painiketta.");
    EXPECT_TRUE(tila.UusiPeliKaytossa);
}

TEST_F(Ajastin, UponneenLaivanMetsastysUnohdetaan) {
    t.KohdeOsuma = 44;
    t.KohdeRuutu = 45;
    t.KohdeVaihe = 3;
    t.KoneUpottiLaivan = true;
    p.tmrAjastin_Timer();
    EXPECT_FALSE(t.KohdeOsuma.has_value());
    EXPECT_EQ(t.KohdeRuutu, 0);
    EXPECT_EQ(t.KohdeVaihe, 100);
}

TEST_F(Ajastin, KeskenerainenMetsastysJatkuu) {
    t.KohdeOsuma = 44;
    t.KohdeRuutu = 45;
    t.KohdeVaihe = 3;
    t.KoneUpottiLaivan = false;
    p.tmrAjastin_Timer();
    EXPECT_EQ(t.KohdeOsuma, 44);
    EXPECT_EQ(t.KohdeRuutu, 45);
    EXPECT_EQ(t.KohdeVaihe, 3);
    // A sinking flag left from an earlier hunt touches no hunt of its own.
    t.KohdeOsuma.reset();
    t.KoneUpottiLaivan = true;
    p.tmrAjastin_Timer();
    EXPECT_EQ(t.KohdeRuutu, 45);
    EXPECT_EQ(t.KohdeVaihe, 3);
}

}  // namespace
