#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "rules/Peli.h"
#include "tests/support/Laivastotarkistus.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Reunarengas.h"
#include "tests/support/Vastauskanava.h"

namespace {

constexpr int VASEN = 1, OIKEA = 2, KESKI = 4;

class PelaajanSijoitus : public ::testing::Test {
  protected:
    PelaajanSijoitus() {
        t.LaivojenKulmatSaavatKoskettaa = true;
        p.UusiPeli();
    }

    // Marks the first `maara` ships placed, so the next click lays ship
    // number maara + 1 of the fleet.
    void Ohita(int maara) {
        auto laivat = t.Laivat(Puoli::Pelaaja);
        for (int i = 0; i < maara; ++i) laivat[static_cast<std::size_t>(i)].sijoitettu = true;
    }

    std::vector<int> Tietue(int laiva) {
        auto ruudut = t.Laivat(Puoli::Pelaaja)[static_cast<std::size_t>(laiva)].ruudut;
        return {ruudut.begin(), ruudut.end()};
    }

    bool Sijoitettu(int laiva) {
        return t.Laivat(Puoli::Pelaaja)[static_cast<std::size_t>(laiva)].sijoitettu;
    }

    std::string Ohje() { return p.NykyinenTilanne().ohje; }

    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{7, [] { return std::uint64_t{0}; }};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

struct Tapaus {
    int edella;  // ships already placed
    int ankkuri;
    int painike;
    std::vector<int> ruudut;
};

void PrintTo(const Tapaus& tapaus, std::ostream* os) {
    *os << "ship " << tapaus.edella + 1 << " on " << tapaus.ankkuri << " with button "
        << tapaus.painike;
}

class Geometria : public PelaajanSijoitus, public ::testing::WithParamInterface<Tapaus> {};

TEST_P(Geometria, LaivaKulkeeRuudukonSisalla) {
    const Tapaus& tapaus = GetParam();
    Ohita(tapaus.edella);
    p.imgPelaaja_MouseUp(tapaus.ankkuri, tapaus.painike);
    EXPECT_EQ(Tietue(tapaus.edella), tapaus.ruudut);
    EXPECT_TRUE(Sijoitettu(tapaus.edella));
    for (int r : tapaus.ruudut) {
        EXPECT_EQ(t.PelaajanRuudut[r], Sana::laiva) << r;
        EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Laiva) << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Laivat, Geometria,
    ::testing::Values(
        Tapaus{0, 8, VASEN, {8, 7, 6, 5}}, Tapaus{0, 7, VASEN, {7, 8, 9, 10}},
        Tapaus{0, 10, VASEN, {10, 9, 8, 7}}, Tapaus{0, 1, VASEN, {1, 2, 3, 4}},
        Tapaus{0, 71, OIKEA, {71, 61, 51, 41}}, Tapaus{0, 61, OIKEA, {61, 71, 81, 91}},
        Tapaus{0, 100, OIKEA, {100, 90, 80, 70}}, Tapaus{0, 71, KESKI, {71, 61, 51, 41}},
        Tapaus{0, 61, KESKI, {61, 71, 81, 91}}, Tapaus{1, 29, VASEN, {29, 28, 27}},
        Tapaus{1, 28, VASEN, {28, 29, 30}}, Tapaus{2, 85, OIKEA, {85, 75, 65}},
        Tapaus{2, 75, OIKEA, {75, 85, 95}}, Tapaus{3, 40, VASEN, {40, 39}},
        Tapaus{4, 39, VASEN, {39, 40}}, Tapaus{5, 95, OIKEA, {95, 85}},
        Tapaus{5, 85, KESKI, {85, 95}}, Tapaus{6, 10, VASEN, {10}}, Tapaus{9, 91, OIKEA, {91}}));

TEST_F(PelaajanSijoitus, VarattuunRuutuunEiSijoitetaJaSamaLaivaKysytaanUudelleen) {
    p.imgPelaaja_MouseUp(1, VASEN);
    p.imgPelaaja_MouseUp(11, VASEN);
    EXPECT_FALSE(Sijoitettu(1));
    EXPECT_EQ(Tietue(1), (std::vector<int>{-1, -1, -1}));
    EXPECT_EQ(Ohje(), "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon.");
    p.imgPelaaja_MouseUp(21, VASEN);
    EXPECT_EQ(Tietue(1), (std::vector<int>{21, 22, 23}));
}

TEST_F(PelaajanSijoitus, HylattyLaivaEiJataJalkia) {
    p.imgPelaaja_MouseUp(4, VASEN);  // 4..7; 3 becomes blocked
    const Ruudukko ruudut = t.PelaajanRuudut;
    const auto kuvat = n.pelaaja;
    p.imgPelaaja_MouseUp(1, VASEN);  // 1 and 2 laid, then 3 refuses
    EXPECT_EQ(t.PelaajanRuudut, ruudut);
    EXPECT_EQ(Tietue(1), (std::vector<int>{-1, -1, -1}));
    EXPECT_FALSE(Sijoitettu(1));
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].kuva, kuvat[r].kuva) << r;
    // The two squares really were laid before the refusal.
    EXPECT_EQ(n.pelaaja[1].piirretty, kuvat[1].piirretty + 2);
    EXPECT_EQ(n.pelaaja[2].piirretty, kuvat[2].piirretty + 2);
}

TEST_F(PelaajanSijoitus, SukellusveneEiMeneLaivaanEikaVarattuun) {
    p.imgPelaaja_MouseUp(1, VASEN);  // 1..4; 5 blocked
    Ohita(6);
    const Ruudukko ruudut = t.PelaajanRuudut;
    const auto kuvat = n.pelaaja;
    p.imgPelaaja_MouseUp(3, VASEN);
    p.imgPelaaja_MouseUp(5, OIKEA);
    EXPECT_EQ(t.PelaajanRuudut, ruudut);
    EXPECT_FALSE(Sijoitettu(6));
    EXPECT_EQ(Tietue(6), (std::vector<int>{-1}));
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].piirretty, kuvat[r].piirretty) << r;
}

TEST_F(PelaajanSijoitus, EnsimmainenNapautusAloittaaPelinHylattynakin) {
    p.imgPelaaja_MouseUp(1, VASEN);
    t.PeliKaynnissa = false;
    p.imgPelaaja_MouseUp(2, VASEN);
    EXPECT_FALSE(Sijoitettu(1));
    EXPECT_TRUE(t.PeliKaynnissa);
}

TEST_F(PelaajanSijoitus, PorttiSuljettuEiMuutaMitaan) {
    const auto kokeile = [this](auto asetus) {
        p.UusiPeli();
        asetus();
        const Ruudukko ruudut = t.PelaajanRuudut;
        p.imgPelaaja_MouseUp(45, VASEN);
        EXPECT_EQ(t.PelaajanRuudut, ruudut);
        EXPECT_FALSE(Sijoitettu(0));
        EXPECT_FALSE(t.PeliKaynnissa);
    };
    kokeile([this] { t.PelaajanVuoro = false; });
    kokeile([this] { t.SijoitusKaynnissa = false; });
    kokeile([this] {
        t.AmmuntaKaynnissa = true;
        t.SijoitusKaynnissa = false;
    });
}

TEST_F(PelaajanSijoitus, RuudukonUlkopuolinenRuutuOhitetaan) {
    p.imgPelaaja_MouseUp(0, VASEN);
    p.imgPelaaja_MouseUp(101, OIKEA);
    EXPECT_FALSE(Sijoitettu(0));
    EXPECT_FALSE(t.PeliKaynnissa);
}

// Lays the whole fleet with corners allowed to touch; every click is legal.
void SijoitaLaivasto(Peli& p) {
    const int napautukset[10][2] = {{1, VASEN},  {21, VASEN}, {41, VASEN}, {61, VASEN},
                                    {81, VASEN}, {10, OIKEA}, {7, VASEN},  {50, VASEN},
                                    {70, VASEN}, {100, VASEN}};
    for (const auto& [ruutu, painike] : napautukset) p.imgPelaaja_MouseUp(ruutu, painike);
}

TEST_F(PelaajanSijoitus, KymmenesLaivaAvaaAmmunnan) {
    t.NaytaMahdottomatLaivaruudut = true;
    t.PelaajanViimeisinLaukaus = 33;
    t.PelaajanViimeisinOsui = Osui::kylla;
    t.KoneenViimeisinLaukaus = 44;
    t.KoneenViimeisinOsui = Osui::ei;
    for (int r = 1; r <= 100; ++r) p.Ruudut().AsetaRuutuKaytossa(Puoli::Kone, r, false);
    SijoitaLaivasto(p);

    EXPECT_TRUE(t.PelaajanSukellusveneSijoitettu[4]);
    EXPECT_TRUE(t.AmmuntaKaynnissa);
    EXPECT_FALSE(t.SijoitusKaynnissa);
    EXPECT_TRUE(t.PeliKaynnissa);
    EXPECT_TRUE(t.PelaajanVuoro);
    EXPECT_EQ(Ohje(), "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.");
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 0);
    EXPECT_EQ(t.PelaajanViimeisinOsui, Osui::tyhja);
    EXPECT_EQ(t.KoneenViimeisinLaukaus, 0);
    EXPECT_EQ(t.KoneenViimeisinOsui, Osui::tyhja);
    int varattuja = 0;
    for (int r = 1; r <= 100; ++r) {
        EXPECT_NE(n.pelaaja[r].kuva, Kuva::Ohi) << r;
        EXPECT_EQ(n.pelaaja[r].kuva, t.PelaajanRuudut[r] == Sana::laiva ? Kuva::Laiva : Kuva::Vesi)
            << r;
        varattuja += t.PelaajanRuudut[r] == Sana::varattu;
        EXPECT_FALSE(n.pelaaja[r].sormi) << r;
        EXPECT_TRUE(n.kone[r].sormi) << r;
        EXPECT_TRUE(n.kone[r].kaytossa) << r;
    }
    EXPECT_GT(varattuja, 0);
}

TEST_F(PelaajanSijoitus, KymmenenLaivanJalkeenNapautusEiMuutaMitaan) {
    SijoitaLaivasto(p);
    const Ruudukko ruudut = t.PelaajanRuudut;
    t.PeliKaynnissa = false;
    p.imgPelaaja_MouseUp(45, VASEN);
    EXPECT_EQ(t.PelaajanRuudut, ruudut);
    EXPECT_FALSE(t.PeliKaynnissa);
}

// 15 meets the carrier's end square 4 at a corner only.
TEST_F(PelaajanSijoitus, ACornerMeetingIsRefusedOnlyWhenCornersAreBarred) {
    for (const bool kulmat : {true, false}) {
        t.LaivojenKulmatSaavatKoskettaa = kulmat;
        p.UusiPeli();
        p.imgPelaaja_MouseUp(1, VASEN);
        ASSERT_EQ(Tietue(0), (std::vector<int>{1, 2, 3, 4}));
        p.imgPelaaja_MouseUp(15, VASEN);
        EXPECT_EQ(Sijoitettu(1), kulmat) << (kulmat ? "corners may touch" : "corners barred");
        EXPECT_EQ(Tietue(1),
                  kulmat ? (std::vector<int>{15, 16, 17}) : (std::vector<int>{-1, -1, -1}));
    }
}

TEST_F(PelaajanSijoitus, AFleetLaidByClicksWithCornersBarredKeepsEveryShipApart) {
    t.LaivojenKulmatSaavatKoskettaa = false;
    p.UusiPeli();
    const int napautukset[10][2] = {{1, VASEN},  {6, VASEN},  {21, VASEN}, {25, VASEN},
                                    {28, VASEN}, {41, VASEN}, {44, VASEN}, {46, VASEN},
                                    {48, VASEN}, {50, VASEN}};
    for (const auto& [ruutu, painike] : napautukset) p.imgPelaaja_MouseUp(ruutu, painike);
    EXPECT_EQ(Tietue(2), (std::vector<int>{21, 22, 23}));
    EXPECT_EQ(Tietue(9), (std::vector<int>{50}));
    EXPECT_TRUE(t.AmmuntaKaynnissa);
    EXPECT_EQ(Laivastovirhe(t, Puoli::Pelaaja, false), "");
}

class ReunaKielletty : public PelaajanSijoitus {
  protected:
    ReunaKielletty() {
        t.LaivaSaaSijaitaReunassa = false;
        t.NaytaMahdottomatLaivaruudut = true;
        p.UusiPeli();
    }
};

TEST_F(ReunaKielletty, TheRingShowsBlockedBeforeTheFirstShip) {
    for (int r : REUNARENGAS) {
        EXPECT_EQ(t.PelaajanRuudut[r], Sana::varattu) << r;
        EXPECT_EQ(n.pelaaja[r].kuva, Kuva::Ohi) << r;
    }
    EXPECT_EQ(t.PelaajanRuudut[12], Sana::vesi);
    EXPECT_EQ(n.pelaaja[12].kuva, Kuva::Vesi);
}

TEST_F(ReunaKielletty, EvenTheCarrierIsRefusedWhereItWouldTouchTheRing) {
    const Ruudukko ruudut = t.PelaajanRuudut;
    const auto kuvat = n.pelaaja;
    p.imgPelaaja_MouseUp(1, VASEN);   // on the corner itself
    p.imgPelaaja_MouseUp(17, VASEN);  // 17, 18, 19 laid, then 20 refuses
    p.imgPelaaja_MouseUp(62, OIKEA);  // 62, 72, 82 laid, then 92 refuses
    EXPECT_FALSE(Sijoitettu(0));
    EXPECT_EQ(Tietue(0), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(t.PelaajanRuudut, ruudut);
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].kuva, kuvat[r].kuva) << r;

    p.imgPelaaja_MouseUp(16, VASEN);
    EXPECT_EQ(Tietue(0), (std::vector<int>{16, 17, 18, 19}));
    p.imgPelaaja_MouseUp(88, OIKEA);  // row 9 runs up: 88, 78, 68
    EXPECT_EQ(Tietue(1), (std::vector<int>{88, 78, 68}));
}

// Ships kept off the edge and apart at their corners: five ships laid so
// that no run of two water squares is left for the third gunboat.
class Umpikuja : public PelaajanSijoitus {
  protected:
    Umpikuja() {
        t.LaivaSaaSijaitaReunassa = false;
        t.LaivojenKulmatSaavatKoskettaa = false;
        t.NaytaMahdottomatLaivaruudut = true;
        p.UusiPeli();
    }

    static constexpr int NAPAUTUKSET[5][2] = {
        {78, VASEN}, {46, VASEN}, {16, VASEN}, {23, OIKEA}, {62, OIKEA}};
};

TEST_F(Umpikuja, AFleetThatBoxesItselfInIsToldSoAndLaidAgain) {
    const Ruudukko koneen = t.KoneenRuudut;
    for (int i = 0; i < 4; ++i) p.imgPelaaja_MouseUp(NAPAUTUKSET[i][0], NAPAUTUKSET[i][1]);
    ASSERT_TRUE(Sijoitettu(4 - 1));
    EXPECT_TRUE(n.viestit.empty()) << "a gunboat still fits after four ships";
    p.imgPelaaja_MouseUp(NAPAUTUKSET[4][0], NAPAUTUKSET[4][1]);

    ASSERT_EQ(n.viestit.size(), 1u);
    EXPECT_EQ(n.viestit[0].otsikko, "Laivat eivät mahdu");
    EXPECT_EQ(n.viestit[0].teksti,
              "Jäljellä olevat laivasi eivät enää mahdu ruudukkoon.\n"
              "Laivojen sijoittaminen alkaa alusta.");
    EXPECT_EQ(n.viestit[0].kuvake, Kuvake::Tieto);
    // The box went up over the layout that boxed itself in.
    EXPECT_EQ(n.viestit[0].tilanne.ohje,
              "Sijoita 3. tykkiveneesi (pituus 2 ruutua) vasemmanpuoleiseen ruudukkoon.");

    for (int laiva = 0; laiva < 10; ++laiva) EXPECT_FALSE(Sijoitettu(laiva)) << laiva;
    EXPECT_EQ(Tietue(0), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(Tietue(4), (std::vector<int>{-1, -1}));
    for (int r = 1; r <= 100; ++r) {
        const bool reuna = std::ranges::find(REUNARENGAS, r) != REUNARENGAS.end();
        EXPECT_EQ(t.PelaajanRuudut[r], reuna ? Sana::varattu : Sana::vesi) << r;
        EXPECT_EQ(n.pelaaja[r].kuva, reuna ? Kuva::Ohi : Kuva::Vesi) << r;
        EXPECT_TRUE(n.pelaaja[r].sormi) << r;
    }
    EXPECT_EQ(t.KoneenRuudut, koneen) << "the computer's fleet stays";
    EXPECT_TRUE(t.PeliKaynnissa);
    EXPECT_TRUE(t.SijoitusKaynnissa);
    EXPECT_EQ(Ohje(), "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon.");

    p.imgPelaaja_MouseUp(78, VASEN);
    EXPECT_EQ(Tietue(0), (std::vector<int>{78, 77, 76, 75}));
}

}  // namespace
