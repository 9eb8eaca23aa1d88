#include "rules/Naytettytilanne.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using enum Komento;

TEST(Naytettytilanne, TheFirstShowingHandsEverythingAndTheNextOnlyWhatChanged) {
    Naytettytilanne naytetty;
    Tilanne tilanne;
    tilanne.ohje = "Sinun vuorosi.";
    const Tilannemuutos ensin = naytetty.Muutos(tilanne, {});
    EXPECT_EQ(ensin.otsikko, "Morvak");
    EXPECT_EQ(ensin.ohje, "Sinun vuorosi.");
    EXPECT_EQ(ensin.komennot.size(), 18u);
    EXPECT_EQ(ensin.komennot[1], (Komentotila{SijoitaLaivatSatunnaisesti, false, std::nullopt}));
    EXPECT_EQ(ensin.komennot[6], (Komentotila{Aanet, true, false}));

    const Tilannemuutos sama = naytetty.Muutos(tilanne, {});
    EXPECT_FALSE(sama.otsikko);
    EXPECT_FALSE(sama.ohje);
    EXPECT_TRUE(sama.komennot.empty());

    tilanne.UusiPeliKaytossa = false;
    tilanne.Aanet = true;
    const Tilannemuutos tauko = naytetty.Muutos(tilanne, {});
    EXPECT_FALSE(tauko.ohje);
    EXPECT_EQ(tauko.komennot, (std::vector<Komentotila>{{UusiPeli, false, std::nullopt},
                                                        {Verkkopeli, false, std::nullopt},
                                                        {Aanet, true, true},
                                                        {UusiPeliPainike, false, std::nullopt},
                                                        {LopetaPainike, false, std::nullopt}}));
}

TEST(Naytettytilanne, AFocusSquareIsHandedWhereItMovedAndTheKeyboardOnceForEachHandover) {
    Naytettytilanne naytetty;
    const Tilanne tilanne;
    Kohdistus nappaimisto;
    const Tilannemuutos ensin = naytetty.Muutos(tilanne, nappaimisto);
    EXPECT_EQ(ensin.kohdistus, (std::array<std::optional<int>, 2>{1, 1}));
    EXPECT_FALSE(ensin.nappaimisto);

    nappaimisto.ruutu = {1, 11};
    nappaimisto.ruudukko = Puoli::Kone;
    nappaimisto.luovutuksia = 1;
    const Tilannemuutos siirto = naytetty.Muutos(tilanne, nappaimisto);
    EXPECT_EQ(siirto.kohdistus, (std::array<std::optional<int>, 2>{std::nullopt, 11}));
    EXPECT_EQ(siirto.nappaimisto, Puoli::Kone);

    const Tilannemuutos sama = naytetty.Muutos(tilanne, nappaimisto);
    EXPECT_EQ(sama.kohdistus, (std::array<std::optional<int>, 2>{}));
    EXPECT_FALSE(sama.nappaimisto);
}

}  // namespace
