#include <gtest/gtest.h>

#include "rules/Peli.h"
#include "store/mdlMorvak2.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"

namespace {

void Tallenna(const char* nimi, const char* arvo) {
    KirjoitaRekisteriin(HKEY_CURRENT_USER, AVAIN_KIRJOITUS, nimi, REG_SZ, arvo);
}

class Aloitus : public ::testing::Test {
  protected:
    Aloitus() { Vastakohdat(); }

    // The opposite of every start value, so that only the read at start can
    // bring a setting where a test expects it.
    void Vastakohdat() {
        t.PelinAloitustapa = "Vuoroaloitus";
        t.LaivojenKulmatSaavatKoskettaa = false;
        t.LaivaSaaSijaitaReunassa = false;
        t.NaytetaanLaivojenUppoaminen = true;
    }

    void Aloita() { Peli(t, n, arpa).AloitaOhjelma(); }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{4, [] { return std::uint64_t{4}; }};
};

TEST_F(Aloitus, AFreshStoreStartsFromTheValuesOfOld) {
    Tallenna("ParasPelaaja0", "Liisa");
    Tallenna("ParasTulos9", "4");
    t.PerakkaisetVoitot = 5;
    t.PelaajanVuoro = true;
    t.PeliKaynnissa = true;
    n.osoitin = Osoitin::Tiimalasi;
    Aloita();

    EXPECT_EQ(t.PelinAloitustapa, "");
    EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
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

TEST_F(Aloitus, StoredSettingsLastIntoTheNextRun) {
    Tallenna("PelinAloitustapa", "Edellisen pelin voittanut");
    Tallenna("LaivojenKulmatSaavatKoskettaa", "False");
    Tallenna("LaivaSaaSijaitaReunassa", "False");
    Tallenna("NaytetaanLaivojenUppoaminen", "True");
    Aloita();

    EXPECT_EQ(t.PelinAloitustapa, "Edellisen pelin voittanut");
    EXPECT_FALSE(t.LaivojenKulmatSaavatKoskettaa);
    EXPECT_FALSE(t.LaivaSaaSijaitaReunassa);
    EXPECT_TRUE(t.NaytetaanLaivojenUppoaminen);
    // The first game is laid under the stored rules: the ring is blocked on
    // both grids before any ship.
    for (int ruutu : {1, 5, 10, 11, 20, 91, 95, 100}) {
        EXPECT_EQ(t.KoneenRuudut[ruutu], Sana::varattu) << ruutu;
        EXPECT_EQ(t.PelaajanRuudut[ruutu], Sana::varattu) << ruutu;
    }
}

TEST_F(Aloitus, StoredTrueAndTheOtherModesReadBack) {
    Tallenna("LaivojenKulmatSaavatKoskettaa", "True");
    Tallenna("LaivaSaaSijaitaReunassa", "True");
    Tallenna("NaytetaanLaivojenUppoaminen", "False");
    for (const char* tapa : {"Vuoroaloitus", "Aloittaja arvotaan"}) {
        Tallenna("PelinAloitustapa", tapa);
        t.LaivojenKulmatSaavatKoskettaa = false;
        t.LaivaSaaSijaitaReunassa = false;
        t.NaytetaanLaivojenUppoaminen = true;
        Aloita();
        EXPECT_EQ(t.PelinAloitustapa, tapa);
        EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa);
        EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
        EXPECT_FALSE(t.NaytetaanLaivojenUppoaminen);
    }
}

TEST_F(Aloitus, AnUnknownValueKeepsTheStartValue) {
    for (const char* roska : {"false", "TRUE", "", "-1", "Kyllä"}) {
        Tallenna("LaivojenKulmatSaavatKoskettaa", roska);
        Tallenna("LaivaSaaSijaitaReunassa", roska);
        Tallenna("NaytetaanLaivojenUppoaminen", roska);
        Tallenna("PelinAloitustapa", "Edellisen pelin voittanut aloittaa");
        Vastakohdat();
        Aloita();
        EXPECT_TRUE(t.LaivojenKulmatSaavatKoskettaa) << roska;
        EXPECT_TRUE(t.LaivaSaaSijaitaReunassa) << roska;
        EXPECT_FALSE(t.NaytetaanLaivojenUppoaminen) << roska;
        EXPECT_EQ(t.PelinAloitustapa, "") << roska;
    }
    Tallenna("PelinAloitustapa", "vuoroaloitus");
    Vastakohdat();
    Aloita();
    EXPECT_EQ(t.PelinAloitustapa, "");
}

}  // namespace
