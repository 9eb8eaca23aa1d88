#include <gtest/gtest.h>

#include "NakymaTesti.h"
#include "Peli.h"
#include "Testipesa.h"
#include "mdlMorvak2.h"

namespace {

TEST(Aloitus, OhjelmaAlkaaKiinteistaAsetuksistaJaTallennetustaListasta) {
    Testipesa pesa;
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasPelaaja0", REG_SZ, "Liisa");
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "ParasTulos9", REG_SZ, "4");
    // Stored settings never reach the game at start.
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, "LaivojenKulmatSaavatKoskettaa", REG_SZ,
                        "False");

    Pelitila t;
    t.LaivaSaaSijaitaReunassa = false;
    t.PelinAloitustapa = "Vuoroaloitus";
    t.NaytetaanLaivojenUppoaminen = true;
    t.PerakkaisetVoitot = 5;
    t.PelaajanVuoro = true;
    t.PeliKaynnissa = true;
    NakymaTesti n;
    n.osoitin = Osoitin::Tiimalasi;
    Satunnaisluvut arpa(4, [] { return std::uint64_t{4}; });
    Peli(t, n, arpa).AloitaOhjelma();

    EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
    EXPECT_EQ(t.PelinAloitustapa, "");
    EXPECT_FALSE(t.NaytetaanLaivojenUppoaminen);
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], "Liisa");
    EXPECT_EQ(t.Parhaat.ParasTulos[9], 4);
    EXPECT_EQ(t.PerakkaisetVoitot, 0);
    // The first game starts without a question and without a name entry.
    EXPECT_TRUE(n.kysymykset.empty());
    EXPECT_EQ(n.kysyNimiKertoja, 0);
    EXPECT_TRUE(t.KoneenSukellusveneSijoitettu[4]);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_FALSE(t.PeliKaynnissa);
    EXPECT_EQ(n.osoitin, Osoitin::Oletus);
}

}  // namespace
