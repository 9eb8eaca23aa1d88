#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "rules/Peli.h"
#include "rules/Ruudut.h"
#include "tests/support/Laivastotarkistus.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Reunarengas.h"
#include "tests/support/Vastauskanava.h"

namespace {

// A clock that never moves: re-seeding alone must still vary the draws.
struct PysahtynytKello {
    int* lukuja;
    std::uint64_t operator()() const {
        ++*lukuja;
        return 1234;
    }
};

class KoneenSijoitus : public ::testing::Test {
  protected:
    void Aloita(std::uint64_t siemen, bool kulmat) {
        arpa = Satunnaisluvut(siemen, PysahtynytKello{&kellonLukuja});
        t.LaivojenKulmatSaavatKoskettaa = kulmat;
    }

    // The step of the carrier just drawn, by its first square's column when
    // it lies across and by its row when it stands.
    void Kirjaa(std::set<int> (&askeleet)[2][10]) {
        const auto& r = t.KoneenLentotukialus;
        const int askel = r[2] - r[1];
        if (std::abs(askel) == 1)
            askeleet[0][Sarake(r[1]) - 1].insert(askel);
        else
            askeleet[1][Rivi(r[1]) - 1].insert(askel);
    }

    int Laivaruutuja() { return static_cast<int>(std::ranges::count(t.KoneenRuudut, Sana::laiva)); }

    int kellonLukuja = 0;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{0, PysahtynytKello{&kellonLukuja}};
    Peli p{t, n, arpa};
    Vastauskanava vastauskanava_{n, p};
};

TEST_F(KoneenSijoitus, JokainenSiemenAntaaLaillisenLaivaston) {
    for (bool kulmat : {true, false}) {
        for (std::uint64_t siemen = 0; siemen < 3000; ++siemen) {
            Aloita(siemen, kulmat);
            p.UusiPeli();
            ASSERT_EQ(Laivastovirhe(t, Puoli::Kone, kulmat), "")
                << "seed " << siemen << " corners " << kulmat;
            ASSERT_EQ(Laivaruutuja(), 20);
        }
    }
}

TEST_F(KoneenSijoitus, KeptOffTheEdgeEverySeedGivesALegalFleetInsideTheRing) {
    for (bool kulmat : {true, false}) {
        for (std::uint64_t siemen = 0; siemen < 3000; ++siemen) {
            Aloita(siemen, kulmat);
            t.LaivaSaaSijaitaReunassa = false;
            p.UusiPeli();
            ASSERT_EQ(Laivastovirhe(t, Puoli::Kone, kulmat), "")
                << "seed " << siemen << " corners " << kulmat;
            ASSERT_EQ(LaivatReunassa(t.KoneenRuudut), std::vector<int>{}) << "seed " << siemen;
        }
    }
}

TEST_F(KoneenSijoitus, SatatuhattaUuttaPeliaPaattyy) {
    Aloita(42, false);
    for (int peli = 0; peli < 100000; ++peli) {
        p.UusiPeli();
        ASSERT_TRUE(t.KoneenSukellusveneSijoitettu[4]) << peli;
        ASSERT_EQ(Laivaruutuja(), 20) << peli;
    }
}

// With five attempts per ship many fleets fail somewhere; each must be laid
// again from scratch until one comes out whole.
TEST_F(KoneenSijoitus, KeskenJaanytLaivastoLaitetaanAlusta) {
    int nollauksia = 0;
    for (std::uint64_t siemen = 0; siemen < 300; ++siemen) {
        p.KoneenSijoitusyrityksia = 1000;
        Aloita(siemen, false);
        p.UusiPeli();
        const Lentotukialus alusta = t.KoneenLentotukialus;
        p.KoneenSijoitusyrityksia = 5;
        Aloita(siemen, false);
        p.UusiPeli();
        // A fleet laid again from scratch draws its carrier anew; with room
        // enough the same seed never has to.
        nollauksia += t.KoneenLentotukialus != alusta;
        ASSERT_EQ(Laivastovirhe(t, Puoli::Kone, false), "") << "seed " << siemen;
        ASSERT_TRUE(t.SijoitusKaynnissa);
    }
    EXPECT_GT(nollauksia, 100);
}

TEST_F(KoneenSijoitus, LentotukialusMahtuuTyhjaanEnsimmaisellaYrityksella) {
    for (std::uint64_t siemen = 0; siemen < 2000; ++siemen) {
        Aloita(siemen, true);
        p.PoistaLaivat();
        kellonLukuja = 0;
        p.SijoitaKoneenLaiva(4);
        ASSERT_TRUE(t.KoneenLentotukialusSijoitettu);
        ASSERT_EQ(kellonLukuja, 2) << "one attempt re-seeds twice; seed " << siemen;
    }
}

// The direction rules are not mirror images: a start in column 7 or row 3
// is sent one way although the carrier would fit both.
TEST_F(KoneenSijoitus, LentotukialuksenSuuntaSaannot) {
    std::set<int> askeleet[2][10];  // [vertical?][row or column - offset]
    for (std::uint64_t siemen = 0; siemen < 20000; ++siemen) {
        Aloita(siemen, true);
        p.PoistaLaivat();
        p.SijoitaKoneenLaiva(4);
        Kirjaa(askeleet);
    }
    for (int sarake = 1; sarake <= 10; ++sarake) {
        const std::set<int> odotettu = sarake <= 3   ? std::set<int>{1}
                                       : sarake >= 7 ? std::set<int>{-1}
                                                     : std::set<int>{-1, 1};
        EXPECT_EQ(askeleet[0][sarake - 1], odotettu) << "column " << sarake;
    }
    for (int rivi = 0; rivi <= 9; ++rivi) {
        const std::set<int> odotettu = rivi <= 3   ? std::set<int>{10}
                                       : rivi >= 7 ? std::set<int>{-10}
                                                   : std::set<int>{-10, 10};
        EXPECT_EQ(askeleet[1][rivi], odotettu) << "row " << rivi;
    }
}

// Kept off the edge, the carrier is drawn inside the ring: the same
// direction rules over columns 2 to 9 and rows 1 to 8, and never an attempt
// wasted on the ring.
TEST_F(KoneenSijoitus, KeptOffTheEdgeTheCarrierIsDrawnInsideTheRing) {
    std::set<int> askeleet[2][10];  // [vertical?][row or column - offset]
    for (std::uint64_t siemen = 0; siemen < 20000; ++siemen) {
        Aloita(siemen, true);
        t.LaivaSaaSijaitaReunassa = false;
        p.PoistaLaivat();
        p.VaraaLaittomatRuudut();
        kellonLukuja = 0;
        p.SijoitaKoneenLaiva(4);
        ASSERT_EQ(kellonLukuja, 2) << "one attempt re-seeds twice; seed " << siemen;
        Kirjaa(askeleet);
    }
    const std::set<int> ei{}, oikealle{1}, vasemmalle{-1}, alas{10}, ylos{-10};
    const std::set<int> sivuttain{-1, 1}, pystyyn{-10, 10};
    const std::set<int> sarakkeittain[10] = {ei,         oikealle,   oikealle,   oikealle,
                                             sivuttain,  vasemmalle, vasemmalle, vasemmalle,
                                             vasemmalle, ei};
    const std::set<int> riveittain[10] = {ei,      alas, alas, alas, alas,
                                          pystyyn, ylos, ylos, ylos, ei};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(askeleet[0][i], sarakkeittain[i]) << "column " << i + 1;
        EXPECT_EQ(askeleet[1][i], riveittain[i]) << "row " << i;
    }
}

TEST_F(KoneenSijoitus, LaivaIlmanTilaaPerutaanJaKutsuPalaa) {
    Aloita(5, true);
    p.PoistaLaivat();
    std::ranges::fill(t.KoneenRuudut.begin() + 1, t.KoneenRuudut.end(), Sana::varattu);
    t.KoneenRuudut[45] = Sana::vesi;
    t.KoneenRuudut[46] = Sana::vesi;
    const Ruudukko ennen = t.KoneenRuudut;
    p.SijoitaKoneenLaiva(3);
    EXPECT_EQ(t.KoneenRuudut, ennen);
    EXPECT_EQ(t.KoneenRisteilija1, (Risteilija{0, -1, -1, -1}));
    EXPECT_FALSE(t.KoneenRisteilijaSijoitettu[1]);
    EXPECT_EQ(kellonLukuja, 2 * p.KoneenSijoitusyrityksia) << "two re-seeds per attempt";
}

TEST_F(KoneenSijoitus, SukellusveneOsuuAinoaanVesiruutuun) {
    Aloita(9, true);
    p.PoistaLaivat();
    std::ranges::fill(t.KoneenRuudut.begin() + 1, t.KoneenRuudut.end(), Sana::varattu);
    t.KoneenRuudut[77] = Sana::vesi;
    p.SijoitaKoneenLaiva(1);
    EXPECT_TRUE(t.KoneenSukellusveneSijoitettu[1]);
    EXPECT_EQ(t.KoneenSukellusveneet[1], 77);
    EXPECT_EQ(t.KoneenRuudut[77], Sana::laiva);
}

TEST_F(KoneenSijoitus, EiVapaataLaivaaEiMuutaMitaan) {
    Aloita(3, true);
    p.UusiPeli();
    const Pelitila ennen = t;
    kellonLukuja = 0;
    p.SijoitaKoneenLaiva(4);
    p.SijoitaKoneenLaiva(1);
    p.SijoitaKoneenLaiva(5);
    EXPECT_EQ(t.KoneenRuudut, ennen.KoneenRuudut);
    EXPECT_EQ(t.KoneenLentotukialus, ennen.KoneenLentotukialus);
    EXPECT_EQ(t.KoneenSukellusveneet, ennen.KoneenSukellusveneet);
    EXPECT_EQ(kellonLukuja, 0);
}

TEST_F(KoneenSijoitus, KoneenLaivatEivatNay) {
    Aloita(11, true);
    p.UusiPeli();
    for (int r = 1; r <= 100; ++r) EXPECT_EQ(n.kone[r].kuva, Kuva::Vesi) << r;
}

}  // namespace
