// Fitting a dialog's texts into a font of other measures than its table's:
// which controls grow, to which side and how far, when letters narrow, and
// what a label of several lines pushes down.

#include "rules/Tekstinsovitus.h"

#include <gtest/gtest.h>

#include "rules/Valintaikkunamalli.h"
#include "tests/support/NakymaTesti.h"

namespace {

using namespace tyyli;

// Each letter 60 twips wide at the font's own width; a check box's box takes
// 300 more. A label of several lines holds as many letters a line as fit,
// 200 twips a line.
class Kirjaimittain : public Mittari {
  public:
    int Leveys(const Saadin& saadin, const std::string& teksti, int venytys) const override {
        const int laatikko = saadin.laji == Laji::Valintaruutu ? 300 : 0;
        return static_cast<int>(teksti.size()) * 60 * venytys / 100 + laatikko;
    }
    int Korkeus(const Saadin&, const std::string& teksti, int leveys) const override {
        const int kirjaimia = leveys / 60;
        return (static_cast<int>(teksti.size()) + kirjaimia - 1) / kirjaimia * 200;
    }
};

const Asettelu KOE{
    "frmKoe",
    "Koe",
    3000,
    2400,
    {
        {"lblRivi", Laji::Nimio, "x", {120, 120, 1000, 255}},
        {"lblOikea", Laji::Nimio, "", {2000, 120, 600, 255}, "", OIKEALLE},
        {"fraKehys", Laji::Kehys, "Kehys", {120, 600, 1500, 900}},
        {"chkRuutu", Laji::Valintaruutu, "", {120, 240, 600, 255}, "fraKehys"},
        {"cmdPainike", Laji::Painike, "", {2000, 600, 900, 375}},
        {"lblMonta", Laji::Nimio, "", {120, 1600, 1500, 200}, "", MONIRIVINEN},
        {"cmdAlla", Laji::Painike, "OK", {120, 1900, 900, 375}},
    },
    {"cmdAlla"},
};

// Every text of the dialog as a field of its own.
class Koemalli : public Valintaikkunamalli {
  public:
    explicit Koemalli(Palvelut& palvelut) : Valintaikkunamalli(palvelut, KOE) {
        Sido({sido::Nimio("lblRivi", rivi), sido::Nimio("lblOikea", oikea),
              sido::Nimio("chkRuutu", ruutu), sido::Nimio("cmdPainike", painike),
              sido::Nimio("lblMonta", monta)});
    }
    void Sulje() override { Unload(); }

    std::string rivi = std::string(30, 'a');
    std::string oikea = std::string(15, 'b');
    std::string ruutu = std::string(20, 'c');
    std::string painike = std::string(20, 'd');
    std::string monta = std::string(50, 'e');
};

class Sovitus_ : public ::testing::Test {
  protected:
    NakymaTesti n;
    Koemalli m{n};
    Kirjaimittain mittari;
};

TEST(Sellaisenaan, TheTablesPlacesAndAControlInAFrameWithinTheWindow) {
    const Sovitus sovitus = Sellaisenaan(KOE);
    EXPECT_EQ(sovitus.leveys, 3000);
    EXPECT_EQ(sovitus.korkeus, 2400);
    EXPECT_EQ(sovitus["chkRuutu"], (Sovitettu{{120, 240, 600, 255}, 100}));
    EXPECT_EQ(sovitus.Ikkunassa(KOE, "chkRuutu"), (Alue{240, 840, 600, 255}));
    EXPECT_EQ(sovitus.Ikkunassa(KOE, "cmdPainike"), (Alue{2000, 600, 900, 375}));
}

TEST(Kavennus, TheOwnWidthWhenItFitsElseStepsOfTwoDownToHalf) {
    const auto sata = [](int venytys) { return 10 * venytys; };
    EXPECT_EQ(Kavennus(sata, 1000), 100);
    EXPECT_EQ(Kavennus(sata, 999), 98);
    EXPECT_EQ(Kavennus(sata, 790), 78);
    EXPECT_EQ(Kavennus(sata, 10), 50);
}

TEST_F(Sovitus_, ALineGrowsForTheTextTheModelShowsInItsOwnLetters) {
    const Sovitus s = Sovita(m, mittari);
    EXPECT_EQ(s["lblRivi"], (Sovitettu{{120, 120, 1800, 255}, 100}));
    EXPECT_EQ(s["cmdAlla"], (Sovitettu{{120, 2100, 900, 375}, 100})) << "pushed down, not narrowed";
}

TEST_F(Sovitus_, ALineGrowsToItsContainersEdgeAndThenNarrowsToHalfAtMost) {
    m.rivi = std::string(60, 'a');
    EXPECT_EQ(Sovita(m, mittari)["lblRivi"], (Sovitettu{{120, 120, 2850, 255}, 78}));
    m.rivi = std::string(100, 'a');
    EXPECT_EQ(Sovita(m, mittari)["lblRivi"], (Sovitettu{{120, 120, 2850, 255}, 50}));
}

TEST_F(Sovitus_, ARightAlignedLineKeepsItsRightEdge) {
    EXPECT_EQ(Sovita(m, mittari)["lblOikea"], (Sovitettu{{1700, 120, 900, 255}, 100}));
    m.oikea = std::string(50, 'b');
    EXPECT_EQ(Sovita(m, mittari)["lblOikea"], (Sovitettu{{0, 120, 2600, 255}, 86}));
}

TEST_F(Sovitus_, ACheckBoxGrowsWithinItsFrameAndAButtonOnlyNarrows) {
    const Sovitus s = Sovita(m, mittari);
    EXPECT_EQ(s["chkRuutu"], (Sovitettu{{120, 240, 1350, 255}, 86}));
    EXPECT_EQ(s["fraKehys"], (Sovitettu{{120, 600, 1500, 900}, 100}));
    EXPECT_EQ(s["cmdPainike"], (Sovitettu{{2000, 600, 900, 375}, 74}));
}

TEST_F(Sovitus_, ALabelOfSeveralLinesPushesWhatLiesBelowItAndTheDialogDown) {
    const Sovitus s = Sovita(m, mittari);
    EXPECT_EQ(s["lblMonta"].alue, (Alue{120, 1600, 1500, 400}));
    EXPECT_EQ(s["cmdAlla"].alue.yla, 2100);
    EXPECT_EQ(s["cmdPainike"].alue.yla, 600) << "beside it, not below";
    EXPECT_EQ(s.korkeus, 2600);
    EXPECT_EQ(s.leveys, 3000);
    m.monta = "eee";
    EXPECT_EQ(Sovita(m, mittari).korkeus, 2400) << "a label never shrinks";
}

}  // namespace
