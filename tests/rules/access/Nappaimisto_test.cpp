// The keyboard on the grids through the main window's model: the focus
// squares and their moves, the keys that stand for buttons, and the grid the
// keyboard is handed to as a game goes on.

#include "rules/access/Nappaimisto.h"

#include <gtest/gtest.h>

#include <vector>

#include "rules/window/frmMorvakMalli.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"

namespace {

using enum Ruutunappain;

class Nappaimisto : public ::testing::Test {
  protected:
    Nappaimisto() { malli.Form_Load(96); }

    int Kohdistus(Puoli ruudukko) {
        return malli.Nappaimisto().ruutu[static_cast<std::size_t>(ruudukko)];
    }
    // Each key in turn on the grid, and where the focus square went after each.
    std::vector<int> Paina(Puoli ruudukko, std::initializer_list<Ruutunappain> nappaimet) {
        std::vector<int> reitti;
        for (Ruutunappain nappain : nappaimet) {
            malli.Tapahtuu(RuudukonNappain{ruudukko, nappain});
            reitti.push_back(Kohdistus(ruudukko));
        }
        return reitti;
    }
    void Suorita(Komento komento) { malli.Tapahtuu(KomentoValittu{komento}); }
    // Whether the shot just made handed the computer its turn, which is then
    // played out.
    bool KoneenVuoro() {
        const bool alkoi = t.TauonLoppu.has_value();
        n.AjaLoppuun([this] { malli.Tapahtuu(AjastinLaukesi{}); });
        return alkoi;
    }
    std::vector<int> Tietue(Puoli puoli, int laiva) {
        auto ruudut = t.Laivat(puoli)[static_cast<std::size_t>(laiva)].ruudut;
        return {ruudut.begin(), ruudut.end()};
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{5, [] { return std::uint64_t{5}; }};
    frmMorvakMalli malli{t, n, arpa};
    Vastauskanava vastauskanava_{n, malli};
};

TEST_F(Nappaimisto, TheFocusMovesSquareBySquareAndStopsAtTheEdges) {
    EXPECT_EQ(Kohdistus(Puoli::Pelaaja), 1);
    EXPECT_EQ(Paina(Puoli::Pelaaja, {Vasemmalle, Ylos, Oikealle, Alas, RivinLoppuun, Oikealle}),
              (std::vector<int>{1, 1, 2, 12, 20, 20}));
    EXPECT_EQ(Paina(Puoli::Pelaaja, {Alas, Alas, Alas, Alas, Alas, Alas, Alas, Alas, Alas}),
              (std::vector<int>{30, 40, 50, 60, 70, 80, 90, 100, 100}));
    EXPECT_EQ(Paina(Puoli::Pelaaja, {RivinAlkuun, Vasemmalle, Ylos, Oikealle, RivinAlkuun}),
              (std::vector<int>{91, 91, 81, 82, 81}));
    // The other grid keeps its own focus square.
    EXPECT_EQ(Kohdistus(Puoli::Kone), 1);
    EXPECT_EQ(Paina(Puoli::Kone, {Alas, RivinLoppuun}), (std::vector<int>{11, 20}));
    EXPECT_EQ(Kohdistus(Puoli::Pelaaja), 81);
}

TEST_F(Nappaimisto, SpaceLaysAcrossShiftSpaceDownAndTheFullFleetHandsTheKeyboardOver) {
    const int luovutuksia = malli.Nappaimisto().luovutuksia;
    EXPECT_EQ(malli.Nappaimisto().ruudukko, Puoli::Pelaaja);
    Paina(Puoli::Pelaaja, {RivinLoppuun, Vasemmalle, Vasemmalle, Valilyonti});
    EXPECT_EQ(Tietue(Puoli::Pelaaja, 0), (std::vector<int>{8, 7, 6, 5}));
    Paina(Puoli::Pelaaja,
          {RivinAlkuun, Alas, Alas, Alas, Alas, Alas, Alas, Alas, VaihtoValilyonti});
    EXPECT_EQ(Tietue(Puoli::Pelaaja, 1), (std::vector<int>{71, 81, 91}));
    // A refused ship is a click that does nothing: the focus stays put.
    Paina(Puoli::Pelaaja, {Valilyonti});
    EXPECT_FALSE(t.PelaajanRisteilijaSijoitettu[2]);
    EXPECT_EQ(Kohdistus(Puoli::Pelaaja), 71);
    EXPECT_EQ(malli.Nappaimisto().luovutuksia, luovutuksia);

    Suorita(Komento::SijoitaLaivatSatunnaisesti);
    EXPECT_TRUE(t.AmmuntaKaynnissa);
    EXPECT_EQ(malli.Nappaimisto().ruudukko, Puoli::Kone);
    EXPECT_EQ(malli.Nappaimisto().luovutuksia, luovutuksia + 1);
    EXPECT_EQ(Kohdistus(Puoli::Pelaaja), 71);
    EXPECT_EQ(Kohdistus(Puoli::Kone), 1);

    Paina(Puoli::Kone, {Oikealle});
    Suorita(Komento::UusiPeli);
    EXPECT_EQ(malli.Nappaimisto().ruudukko, Puoli::Pelaaja);
    EXPECT_EQ(malli.Nappaimisto().luovutuksia, luovutuksia + 2);
    EXPECT_EQ(Kohdistus(Puoli::Pelaaja), 1);
    EXPECT_EQ(Kohdistus(Puoli::Kone), 1);
}

TEST_F(Nappaimisto, SpaceFiresOnceAtTheFocusSquareAndOnlyWhereAClickWould) {
    Suorita(Komento::SijoitaLaivatSatunnaisesti);
    const Ruudukko omat = t.PelaajanRuudut;
    // The player's grid takes no shot and no ship once firing has begun.
    Paina(Puoli::Pelaaja, {Valilyonti, VaihtoValilyonti});
    EXPECT_EQ(t.PelaajanRuudut, omat);
    EXPECT_FALSE(KoneenVuoro());
    // Only the left button shoots.
    Paina(Puoli::Kone, {Oikealle, Alas, VaihtoValilyonti});
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 0);
    EXPECT_FALSE(KoneenVuoro());

    Paina(Puoli::Kone, {Valilyonti});
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 12);
    EXPECT_FALSE(n.kone[12].kaytossa);
    EXPECT_TRUE(KoneenVuoro());
    // The square shot is out of reach, to the keyboard as to the mouse.
    Paina(Puoli::Kone, {Valilyonti});
    EXPECT_FALSE(KoneenVuoro());
    Paina(Puoli::Kone, {Oikealle, Valilyonti});
    EXPECT_EQ(t.PelaajanViimeisinLaukaus, 13);
    EXPECT_TRUE(KoneenVuoro());
}

}  // namespace
