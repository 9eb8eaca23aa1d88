#include <gtest/gtest.h>

#include "rules/pictures/Kohdistuskehys.h"
#include "rules/pictures/Laivastokuva.h"
#include "rules/pictures/Ruutukuvat.h"
#include "rules/pictures/Sormikursori.h"
#include "rules/pictures/Tilastokuvat.h"
#include "rules/pictures/Uppoamiskuva.h"

namespace {

using namespace piirros;

TEST(Piirrokset, TilesAreRingsOfWholePixels) {
    const Pikselikuva vesi = Ruutukuva(Kuva::Vesi, 21);
    ASSERT_EQ(vesi.leveys, 21);
    ASSERT_EQ(vesi.korkeus, 21);
    EXPECT_EQ(vesi(0, 10), 0xFF4670A0u);
    EXPECT_EQ(vesi(20, 10), 0xFF4670A0u);
    EXPECT_EQ(vesi(3, 10), 0xFF88A8CCu);
    EXPECT_EQ(vesi(10, 10), 0xFFC0D1E4u);

    const Pikselikuva suurempi = Ruutukuva(Kuva::Vesi, 25);
    ASSERT_EQ(suurempi.leveys, 25);
    EXPECT_EQ(suurempi(12, 0), 0xFF4670A0u);
    EXPECT_EQ(suurempi(3, 12), 0xFF7399C3u);
    EXPECT_EQ(suurempi(12, 4), 0xFF88A8CCu);
    EXPECT_EQ(suurempi(24, 12), 0xFF4670A0u);
    EXPECT_EQ(suurempi(12, 12), 0xFFC0D1E4u);
    EXPECT_EQ(Ruutukuva(Kuva::Laiva, 25)(12, 12), 0xFF7B7B7Bu);
}

TEST(Piirrokset, TheCrossHasFlatEndsAndSmoothedSides) {
    const Pikselikuva osuma = Ruutukuva(Kuva::Osuma, 21);
    EXPECT_EQ(osuma(10, 10), 0xFFFFFFC0u);
    EXPECT_EQ(osuma(15, 15), 0xFFFFFFC0u);
    EXPECT_EQ(osuma(16, 16), 0xFF5A5A5Au);  // past the flat end: the tile's fifth ring
    EXPECT_EQ(osuma(13, 12), 0xFFE6E6B3u);  // 13 samples in 16 on the stroke
    EXPECT_EQ(Ruutukuva(Kuva::OsumaViimeksi, 25)(12, 12), 0xFFFF4040u);
    EXPECT_EQ(Ruutukuva(Kuva::OsumaViimeksi, 25)(0, 0), 0xFF151515u);
}

TEST(Piirrokset, TheRingHasADarkEdge) {
    const Pikselikuva ohi = Ruutukuva(Kuva::Ohi, 21);
    EXPECT_EQ(ohi(15, 10), 0xFFFFFFC0u);
    EXPECT_EQ(ohi(16, 10), 0xFFA0A080u);  // half on the ring, half on its edge
    EXPECT_EQ(ohi(17, 10), 0xFF647486u);  // half on the edge, half on the tile
    EXPECT_EQ(ohi(10, 10), 0xFFC0D1E4u);
    EXPECT_EQ(Ruutukuva(Kuva::OhiViimeksi, 25)(18, 12), 0xFFFF4040u);
}

TEST(Piirrokset, TheWaterRisesFromTheBottomOnWholeRows) {
    const Pikselikuva laiva = Ruutukuva(Kuva::Laiva, 25);
    const Pikselikuva vesi = Ruutukuva(Kuva::Vesi, 25);
    const Pikselikuva puolet = Uppoamiskuva(laiva, vesi, 0.5);
    EXPECT_EQ(puolet(12, 11), 0xFF7E7E7Eu);
    EXPECT_EQ(puolet(12, 12), 0xFFC0D1E4u);
    EXPECT_EQ(puolet(0, 24), 0xFF4670A0u);

    const Pikselikuva pieni =
        Uppoamiskuva(Ruutukuva(Kuva::Laiva, 21), Ruutukuva(Kuva::Vesi, 21), 0.25);
    EXPECT_EQ(pieni(0, 15), 0xFF151515u);
    EXPECT_EQ(pieni(0, 16), 0xFF4670A0u);
    EXPECT_EQ(Uppoamiskuva(laiva, vesi, 1.5).pikselit, vesi.pikselit);
}

TEST(Piirrokset, TheFocusFrameCoversTheOuterThreeRings) {
    const Pikselikuva kehys = Kohdistuskehys(25);
    ASSERT_EQ(kehys.leveys, 25);
    EXPECT_EQ(kehys(0, 12), 0xFF000000u);
    EXPECT_EQ(kehys(12, 1), 0xFFFFFFFFu);
    EXPECT_EQ(kehys(21, 12), 0xFFFFFFFFu);
    EXPECT_EQ(kehys(12, 20), 0u);
    EXPECT_EQ(kehys(12, 12), 0u);

    const Pikselikuva pieni = Kohdistuskehys(21);
    EXPECT_EQ(pieni(20, 10), 0xFF000000u);
    EXPECT_EQ(pieni(2, 10), 0xFFFFFFFFu);
    EXPECT_EQ(pieni(3, 10), 0u);
}

TEST(Piirrokset, TheHandPointsWithItsBlackFingertip) {
    const Kursorikuva kasi = Sormikursori();
    ASSERT_EQ(kasi.kuva.leveys, 32);
    ASSERT_EQ(kasi.kuva.korkeus, 32);
    EXPECT_EQ(kasi.karkiX, 5);
    EXPECT_EQ(kasi.karkiY, 0);
    EXPECT_EQ(kasi.kuva(5, 0), 0xFF000000u);
    EXPECT_EQ(kasi.kuva(5, 1), 0xFFFFFFFFu);
    EXPECT_EQ(kasi.kuva(0, 12), 0xFF000000u);
    EXPECT_EQ(kasi.kuva(0, 0), 0u);
    EXPECT_EQ(kasi.kuva(31, 31), 0u);
}

TEST(Piirrokset, TheFleetStripShowsEachShipBySizeItsSunkOnesWithTheCross) {
    std::array<bool, 10> upotetut{};
    upotetut[1] = true;
    // Squares of 9 pixels on water, half a square between ships.
    const Pikselikuva kuva = Laivastokuva(upotetut, 241, 16);
    ASSERT_EQ(kuva.leveys, 241);
    EXPECT_EQ(kuva(0, 0), 0xFFC0D1E4u);
    EXPECT_EQ(kuva(0, 3), 0xFF252525u) << "the carrier's first square, its edge";
    EXPECT_EQ(kuva(37, 7), 0xFFC0D1E4u) << "the gap after it";
    EXPECT_EQ(kuva(44, 7), 0xFFFFFFC0u) << "the first cruiser, sunk";
    EXPECT_EQ(kuva(75, 7), 0xFF7B7B7Bu) << "the second, afloat";
}

TEST(Piirrokset, TheStatisticsPicturesBarsAndCells) {
    const Pikselikuva jakauma = Jakaumakuva({0, 2, 1, 0, 0, 0, 0, 0, 0}, 91, 40);
    EXPECT_EQ(jakauma(0, 0), 0xFF404040u);
    EXPECT_EQ(jakauma(5, 30), 0xFFFFFFFFu) << "no game of 20-29 shots";
    EXPECT_EQ(jakauma(14, 2), 0xFF4670A0u) << "the most common, as high as the room";
    EXPECT_EQ(jakauma(18, 30), 0xFFFFFFFFu) << "between the bars";
    EXPECT_EQ(jakauma(23, 19), 0xFFFFFFFFu);
    EXPECT_EQ(jakauma(23, 20), 0xFF4670A0u) << "half as many, half as high";

    const Pikselikuva viimeiset = Viimeisetkuva("VHK", 102, 10);
    EXPECT_EQ(viimeiset(2, 5), 0xFF2E8B3Au);
    EXPECT_EQ(viimeiset(4, 5), 0xFFFF4040u);
    EXPECT_EQ(viimeiset(6, 5), 0xFFA0A0A0u);
    EXPECT_EQ(viimeiset(8, 5), 0xFFFFFFFFu) << "no fourth game yet";
}

}  // namespace
