#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "rules/Peli.h"
#include "tests/support/Naapurustot.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Reunarengas.h"
#include "tests/support/Vastauskanava.h"

namespace {

std::vector<int> Varatut(const Ruudukko& ruudut) {
    std::vector<int> varatut;
    for (int ruutu = 1; ruutu <= 100; ++ruutu)
        if (ruudut[ruutu] == Sana::varattu) varatut.push_back(ruutu);
    return varatut;
}

class LaittomatRuudut : public ::testing::Test {
  protected:
    LaittomatRuudut() {
        p.PoistaLaivat();
        n = NakymaTesti{};
        t.PelaajanVuoro = true;
        t.NaytaMahdottomatLaivaruudut = true;
    }

    void Laivat(const std::vector<int>& ruudut, bool kulmat) {
        t.LaivojenKulmatSaavatKoskettaa = kulmat;
        for (int r : ruudut) t.PelaajanRuudut[r] = Sana::laiva;
        p.VaraaLaittomatRuudut();
    }

    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{1, [] { return std::uint64_t{0}; }};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

struct Tapaus {
    std::vector<int> laiva;
    bool kulmat;
    std::vector<int> varatut;
};

void PrintTo(const Tapaus& tapaus, std::ostream* os) {
    *os << "ship on";
    for (int r : tapaus.laiva) *os << ' ' << r;
    *os << (tapaus.kulmat ? ", corners may touch" : ", corners may not touch");
}

class Reunat : public LaittomatRuudut, public ::testing::WithParamInterface<Tapaus> {};

TEST_P(Reunat, VarataanJuuriLaivanNaapurit) {
    Laivat(GetParam().laiva, GetParam().kulmat);
    EXPECT_EQ(Varatut(t.PelaajanRuudut), GetParam().varatut);
    for (int r : GetParam().laiva) EXPECT_EQ(t.PelaajanRuudut[r], Sana::laiva);
}

// A lone square blocks exactly its neighbours; longer ships add theirs.
std::vector<Tapaus> Tapaukset() {
    std::vector<Tapaus> tapaukset;
    for (const Naapurusto& n : NAAPURUSTOT)
        tapaukset.push_back({{n.ruutu}, n.kulmat, Jarjestettyna(n.naapurit)});
    tapaukset.insert(tapaukset.end(),
                     {Tapaus{{1, 2, 3, 4}, true, {5, 11, 12, 13, 14}},
                      Tapaus{{1, 2, 3, 4}, false, {5, 11, 12, 13, 14, 15}},
                      Tapaus{{55, 56, 57}, true, {45, 46, 47, 54, 58, 65, 66, 67}},
                      Tapaus{{55, 56, 57}, false, {44, 45, 46, 47, 48, 54, 58, 64, 65, 66, 67, 68}},
                      // Diagonal neighbours may both hold ships while corners touch.
                      Tapaus{{12, 23}, true, {2, 11, 13, 22, 24, 33}}});
    return tapaukset;
}

INSTANTIATE_TEST_SUITE_P(Laivat, Reunat, ::testing::ValuesIn(Tapaukset()));

TEST_F(LaittomatRuudut, KoneenRuudukkoVarataanPiirtamatta) {
    t.PelaajanVuoro = false;
    t.LaivojenKulmatSaavatKoskettaa = true;
    t.KoneenRuudut[45] = Sana::laiva;
    p.VaraaLaittomatRuudut();
    EXPECT_EQ(Varatut(t.KoneenRuudut), (std::vector<int>{35, 44, 46, 55}));
    EXPECT_TRUE(Varatut(t.PelaajanRuudut).empty());
    for (int r = 1; r <= 100; ++r) {
        EXPECT_EQ(n.pelaaja[r].piirretty, 0);
        EXPECT_EQ(n.kone[r].piirretty, 0);
    }
}

TEST_F(LaittomatRuudut, NakyvatVarauksetPiirretaanOhiKuvalla) {
    t.NaytaMahdottomatLaivaruudut = true;
    Laivat({45}, true);
    for (int r : {35, 44, 46, 55}) EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Ohi) << r;
    EXPECT_EQ(n.pelaaja[45].piirretty, 0);
}

TEST_F(LaittomatRuudut, PiilotetutVarauksetJaavatVedeksi) {
    t.NaytaMahdottomatLaivaruudut = false;
    Laivat({45}, true);
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].piirretty, 0) << r;
}

TEST_F(LaittomatRuudut, UusiKutsuIlmanUuttaLaivaaEiMuutaMitaan) {
    Laivat({45}, false);
    const Ruudukko ennen = t.PelaajanRuudut;
    const auto piirrot = n.pelaaja;
    p.VaraaLaittomatRuudut();
    EXPECT_EQ(t.PelaajanRuudut, ennen);
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].piirretty, piirrot[r].piirretty) << r;
}

TEST_F(LaittomatRuudut, AiemminVarattuaEiPiirretaUudelleen) {
    Laivat({45}, true);
    t.PelaajanRuudut[47] = Sana::laiva;
    p.VaraaLaittomatRuudut();
    EXPECT_EQ(n.pelaaja[46].piirretty, 1);
    EXPECT_EQ(n.pelaaja[48].piirretty, 1);
}

TEST_F(LaittomatRuudut, NakymanVaihtoSijoittaessaPiirtaaVaratut) {
    t.SijoitusKaynnissa = true;
    t.NaytaMahdottomatLaivaruudut = false;
    Laivat({45}, true);
    p.NaytaEpakelvotRuudut(true);
    for (int r : {35, 44, 46, 55}) EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Ohi) << r;
    p.NaytaEpakelvotRuudut(false);
    for (int r : {35, 44, 46, 55}) EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Vesi) << r;
    // Only the blocked squares are touched, never a ship or open water.
    EXPECT_EQ(n.pelaaja[45].piirretty, 0);
    EXPECT_EQ(n.pelaaja[1].piirretty, 0);
}

TEST_F(LaittomatRuudut, NakymanVaihtoAmmuttaessaEiPiirraMitaan) {
    Laivat({45}, true);
    t.AmmuntaKaynnissa = true;
    const auto piirrot = n.pelaaja;
    p.NaytaEpakelvotRuudut(true);
    p.NaytaEpakelvotRuudut(false);
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].piirretty, piirrot[r].piirretty) << r;
}

TEST_F(LaittomatRuudut, ShipsKeptOffTheEdgeBlockTheRingBeforeAnyShip) {
    t.LaivaSaaSijaitaReunassa = false;
    p.VaraaLaittomatRuudut();
    EXPECT_EQ(Varatut(t.PelaajanRuudut), REUNARENGAS);
    for (int r : REUNARENGAS) EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Ohi) << r;
    EXPECT_EQ(n.pelaaja[12].piirretty, 0);
    EXPECT_EQ(n.pelaaja[89].piirretty, 0);
}

TEST_F(LaittomatRuudut, TheRingAddsToTheSquaresAroundAShip) {
    t.LaivaSaaSijaitaReunassa = false;
    Laivat({12}, false);
    EXPECT_EQ(Varatut(t.PelaajanRuudut),
              (std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 20,
                                21, 22, 23, 30, 31, 40, 41, 50, 51, 60, 61, 70, 71,
                                80, 81, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100}));
    // Each blocked square is drawn once, however many reasons it has.
    EXPECT_EQ(n.pelaaja[2].piirretty, 1);
    EXPECT_EQ(n.pelaaja[13].piirretty, 1);
}

TEST_F(LaittomatRuudut, TheComputersRingIsBlockedUnseenAndHiddenMarksStayWater) {
    t.LaivaSaaSijaitaReunassa = false;
    t.NaytaMahdottomatLaivaruudut = false;
    p.VaraaLaittomatRuudut();
    t.PelaajanVuoro = false;
    p.VaraaLaittomatRuudut();
    EXPECT_EQ(Varatut(t.KoneenRuudut), REUNARENGAS);
    EXPECT_EQ(Varatut(t.PelaajanRuudut), REUNARENGAS);
    for (int r = 1; r <= 100; ++r) {
        EXPECT_EQ(n.pelaaja[r].piirretty, 0) << r;
        EXPECT_EQ(n.kone[r].piirretty, 0) << r;
    }
}

}  // namespace
