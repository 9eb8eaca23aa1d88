#include "rules/Ruutunakymat.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/NakymaTesti.h"

namespace {

struct Kasittelyt : NakymaTesti {
    std::vector<std::vector<Ruutumuutos>> annetut;
    void NaytaRuudut(const std::vector<Ruutumuutos>& muutokset) override {
        annetut.push_back(muutokset);
    }
};

// While an event is handled the face is handed each changed square once,
// with its final look, in the order the squares first changed; a square
// written back to what the face shows is no change.
TEST(Ruutunakymat, TheFaceIsHandedExactlyWhatDiffersOnceTheEventIsOver) {
    Kasittelyt n;
    Ruutunakymat r{n};
    r.Kerataan();
    r.NaytaKuva(Puoli::Kone, 7, Kuva::OhiViimeksi);
    r.AsetaSormiosoitin(Puoli::Pelaaja, 3, true);
    r.NaytaVedenpinta(Puoli::Pelaaja, 41, 0.25);
    r.AsetaSormiosoitin(Puoli::Pelaaja, 3, false);
    r.NaytaKuva(Puoli::Kone, 7, Kuva::Ohi);
    r.AsetaRuutuKaytossa(Puoli::Kone, 7, false);
    EXPECT_TRUE(n.annetut.empty());

    r.Nayta();
    const std::vector<Ruutumuutos> odotettu{
        {Puoli::Kone, 7, {Kuva::Ohi, false, false, std::nullopt}},
        {Puoli::Pelaaja, 41, {Kuva::Vesi, false, true, 0.25}},
    };
    ASSERT_EQ(n.annetut.size(), 1u);
    EXPECT_EQ(n.annetut[0], odotettu);

    // Outside an event each change goes at once, and a write that changes
    // nothing goes nowhere.
    r.NaytaKuva(Puoli::Kone, 7, Kuva::Ohi);
    EXPECT_EQ(n.annetut.size(), 1u);
    r.NaytaVedenpinta(Puoli::Pelaaja, 41, std::nullopt);
    ASSERT_EQ(n.annetut.size(), 2u);
    EXPECT_EQ(n.annetut[1],
              (std::vector<Ruutumuutos>{{Puoli::Pelaaja, 41, {Kuva::Vesi, false, true, {}}}}));
    EXPECT_EQ(r(Puoli::Kone, 7).kuva, Kuva::Ohi);
}

}  // namespace
