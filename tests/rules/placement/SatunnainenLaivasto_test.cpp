// The random fleet: the player's ships not yet laid, laid by random clicks.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "rules/Peli.h"
#include "rules/window/Komennot.h"
#include "tests/support/Laivastotarkistus.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Reunarengas.h"
#include "tests/support/Vastauskanava.h"

namespace {

constexpr int VASEN = 1, OIKEA = 2;

class SatunnainenLaivasto : public ::testing::Test {
  protected:
    void Aloita(std::uint64_t siemen, bool kulmat, bool epakelvot) {
        arpa = Satunnaisluvut(siemen, [] { return std::uint64_t{77}; });
        t.LaivojenKulmatSaavatKoskettaa = kulmat;
        t.NaytaMahdottomatLaivaruudut = epakelvot;
        p.UusiPeli();
    }

    std::vector<int> Tietue(int laiva) {
        auto ruudut = t.Laivat(Puoli::Pelaaja)[static_cast<std::size_t>(laiva)].ruudut;
        return {ruudut.begin(), ruudut.end()};
    }

    // Firing has opened as after the tenth click: the phase, the pictures of
    // the player's grid with no blocked marks left, and the pointers.
    void OdotaAmmunta(const std::string& missa) {
        ASSERT_TRUE(t.AmmuntaKaynnissa) << missa;
        ASSERT_FALSE(t.SijoitusKaynnissa) << missa;
        ASSERT_TRUE(t.PeliKaynnissa) << missa;
        ASSERT_TRUE(t.PelaajanVuoro) << missa;
        ASSERT_EQ(p.NykyinenTilanne().ohje,
                  "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.")
            << missa;
        for (int r = 1; r <= 100; ++r) {
            const Kuva kuva = t.PelaajanRuudut[r] == Sana::laiva ? Kuva::Laiva : Kuva::Vesi;
            ASSERT_EQ(n.pelaaja[r].kuva, kuva) << missa << " square " << r;
            ASSERT_FALSE(n.pelaaja[r].sormi) << missa << " square " << r;
            ASSERT_TRUE(n.kone[r].sormi) << missa << " square " << r;
        }
    }

    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{0, [] { return std::uint64_t{77}; }};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

TEST_F(SatunnainenLaivasto, JokainenSiemenAntaaLaillisenLaivastonJaAvaaAmmunnan) {
    for (bool kulmat : {true, false}) {
        for (std::uint64_t siemen = 0; siemen < 1500; ++siemen) {
            const std::string missa =
                "seed " + std::to_string(siemen) + " corners " + std::to_string(kulmat);
            Aloita(siemen, kulmat, siemen % 2 == 0);
            p.SijoitaLaivatSatunnaisesti();
            ASSERT_EQ(Laivastovirhe(t, Puoli::Pelaaja, kulmat), "") << missa;
            OdotaAmmunta(missa);
        }
    }
}

// With two attempts a ship, the rest of the fleet often finds no room around
// the player's carrier; the random fleet then gives the carrier up too and
// still comes out whole.
TEST_F(SatunnainenLaivasto, LaivastoValmistuuVaikkaOmatLaivatJouduttaisiinLuovuttamaan) {
    int jaaneita = 0, luovutettuja = 0;
    for (std::uint64_t siemen = 0; siemen < 300; ++siemen) {
        Aloita(siemen, false, false);
        p.KoneenSijoitusyrityksia = 2;
        p.imgPelaaja_MouseUp(45, VASEN);
        p.SijoitaLaivatSatunnaisesti();
        ASSERT_EQ(Laivastovirhe(t, Puoli::Pelaaja, false), "") << "seed " << siemen;
        OdotaAmmunta("seed " + std::to_string(siemen));
        if (Tietue(0) == std::vector<int>{45, 46, 47, 48}) {
            ++jaaneita;
        } else {
            ++luovutettuja;
        }
    }
    EXPECT_GT(jaaneita, 30);
    EXPECT_GT(luovutettuja, 30);
}

TEST_F(SatunnainenLaivasto, KaytossaVainPelaajanSijoittaessa) {
    Aloita(4, true, false);
    EXPECT_TRUE(Kaytossa(p.NykyinenTilanne(), Komento::SijoitaLaivatSatunnaisesti));
    p.imgPelaaja_MouseUp(1, VASEN);
    EXPECT_TRUE(Kaytossa(p.NykyinenTilanne(), Komento::SijoitaLaivatSatunnaisesti));
    p.SijoitaLaivatSatunnaisesti();
    EXPECT_FALSE(Kaytossa(p.NykyinenTilanne(), Komento::SijoitaLaivatSatunnaisesti));

    // Asked for anyway, by a key already on its way, it changes nothing.
    const Pelitila ammunnassa = t;
    const auto kuvat = n.pelaaja;
    p.SijoitaLaivatSatunnaisesti();
    EXPECT_EQ(t.PelaajanRuudut, ammunnassa.PelaajanRuudut);
    EXPECT_EQ(t.PelaajanLentotukialus, ammunnassa.PelaajanLentotukialus);
    EXPECT_EQ(t.PelaajanSukellusveneet, ammunnassa.PelaajanSukellusveneet);
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.pelaaja[r].piirretty, kuvat[r].piirretty) << r;

    // Nor while the computer lays its fleet.
    p.UusiPeli();
    t.PelaajanVuoro = false;
    EXPECT_FALSE(Kaytossa(p.NykyinenTilanne(), Komento::SijoitaLaivatSatunnaisesti));
    p.SijoitaLaivatSatunnaisesti();
    EXPECT_FALSE(t.PelaajanLentotukialusSijoitettu);
    EXPECT_FALSE(t.PeliKaynnissa);
}

// Ships laid by clicks stay where they were laid. With the edge and the
// corners barred, laid one by one, the ships often leave the next one no
// room; the random fleet takes that as a failed try: no box, no cleared grid,
// only a legal fleet inside the ring and firing open.
TEST_F(SatunnainenLaivasto, NapautuksinSijoitetutLaivatJaavat) {
    struct Alku {
        bool reunassa;
        std::vector<std::array<int, 2>> napautukset;
        std::vector<std::vector<int>> tietueet;
    };
    const Alku alut[] = {
        {true, {{8, VASEN}, {71, OIKEA}, {28, VASEN}}, {{8, 7, 6, 5}, {71, 81, 91}, {28, 29, 30}}},
        {false, {{23, VASEN}}, {{23, 24, 25, 26}}},
    };
    for (const Alku& alku : alut) {
        for (std::uint64_t siemen = 0; siemen < 500; ++siemen) {
            const std::string missa =
                "seed " + std::to_string(siemen) + (alku.reunassa ? "" : ", kept off the edge");
            t = Pelitila();
            n = NakymaTesti();
            t.LaivaSaaSijaitaReunassa = alku.reunassa;
            Aloita(siemen, false, true);
            for (const auto& [ruutu, painike] : alku.napautukset)
                p.imgPelaaja_MouseUp(ruutu, painike);
            p.SijoitaLaivatSatunnaisesti();
            ASSERT_TRUE(n.viestit.empty()) << missa << ": " << n.viestit[0].teksti;
            for (std::size_t i = 0; i < alku.tietueet.size(); ++i)
                ASSERT_EQ(Tietue(static_cast<int>(i)), alku.tietueet[i]) << missa;
            ASSERT_EQ(Laivastovirhe(t, Puoli::Pelaaja, false), "") << missa;
            if (!alku.reunassa) {
                ASSERT_EQ(LaivatReunassa(t.PelaajanRuudut), std::vector<int>{}) << missa;
            }
            OdotaAmmunta(missa);
        }
    }
}

}  // namespace
