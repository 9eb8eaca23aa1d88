// The statistics: what a game adds to them, the form they are stored in, and
// how a stored text that does not read leaves everything else alone.

#include <gtest/gtest.h>

#include "rules/results/Tilastomuoto.h"
#include "store/Asetusarvot.h"
#include "tests/rules/firing/Pelisimulaatio.h"
#include "tests/store/Testipesa.h"

namespace {

TEST(Tilastot, AWonAndALostGameAreCountedAndStoredAtTheirEnd) {
    Testipesa pesa;
    Pelisimulaatio peli(3, true, Pelaajatyyppi::Voittava);
    peli.t.PidaTilastoa = true;
    ASSERT_TRUE(peli.Pelaa().pelaajaVoitti);
    EXPECT_EQ(LueAsetus("Tilastot"), "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 V");
    peli.Pelaajana(Pelaajatyyppi::Haviava);
    const Pelitulos tappio = peli.Pelaa();
    ASSERT_TRUE(tappio.paattyi && !tappio.pelaajaVoitti);

    const Tilastot& s = peli.t.Tilasto;
    EXPECT_EQ(s.pelatut, 2);
    EXPECT_EQ(s.voitot, 1);
    EXPECT_EQ(s.tappiot, 1);
    EXPECT_EQ(s.laukaukset, 20 + tappio.pelaajanLaukaukset);
    EXPECT_EQ(s.osumat, 20 + peli.t.PelaajanOsumat);
    EXPECT_EQ(s.vahimmat, 20);
    EXPECT_EQ(s.koneenLaukaukset, tappio.koneenLaukaukset);
    EXPECT_EQ(s.viimeiset, "VH");
    EXPECT_EQ(LueTilastoteksti(LueAsetus("Tilastot")), s);
}

TEST(Tilastot, NothingIsCountedOrStoredWhileTheyAreNotKept) {
    Testipesa pesa;
    Pelisimulaatio peli(3, true, Pelaajatyyppi::Voittava);
    ASSERT_TRUE(peli.Pelaa().pelaajaVoitti);
    EXPECT_EQ(peli.t.Tilasto, Tilastot{});
    EXPECT_EQ(LueAsetus("Tilastot"), "Not Found");
}

TEST(Tilastomuoto, EachKindIsOneLineThatReadsBackAsItWasWritten) {
    Tilastot s;
    Kirjaa(s, Lopputulos::Voitto, 45, 20, 0);
    Kirjaa(s, Lopputulos::Tappio, 70, 15, 61);
    Kirjaa(s, Lopputulos::Kesken, 3, 1, 2);
    Kirjaa(s, Lopputulos::Voitto, 100, 20, 0);
    const std::string teksti = Tilastoteksti(s);
    EXPECT_EQ(teksti, "1 4 2 1 218 56 45 61 0,0,1,0,0,0,0,0,1 VHKV");
    EXPECT_EQ(LueTilastoteksti(teksti), s);

    Verkkotilastot v;
    Kirjaa(v, "Äijä %", true);
    Kirjaa(v, "Ville", false);
    Kirjaa(v, "Äijä %", false);
    EXPECT_EQ(Verkkoteksti(v), "1 %C3%84ij%C3%A4%20%25 2 1 Ville 1 0");
    EXPECT_EQ(LueVerkkoteksti(Verkkoteksti(v)), v);
    EXPECT_EQ(LueVerkkoteksti("1"), Verkkotilastot{});
}

TEST(Tilastomuoto, ADamagedOddOrLaterTextIsNotRead) {
    for (const char* teksti :
         {"", "Not Found", "2 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 V",
          "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 V ", "1 1 1 0 20 20 020 0 1,0,0,0,0,0,0,0,0 V",
          "1 1 1 0 20 20 -20 0 1,0,0,0,0,0,0,0,0 V", "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0 V",
          "1 1 2 0 20 20 20 0 1,0,0,0,0,0,0,0,0 V", "1 1 1 0 20 21 20 0 1,0,0,0,0,0,0,0,0 V",
          "1 1 1 0 20 20 19 0 1,0,0,0,0,0,0,0,0 V", "1 1 1 0 20 20 20 0 2,0,0,0,0,0,0,0,0 V",
          "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 X", "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 VV",
          "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 ",
          "1 1000000000 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 V"}) {
        EXPECT_FALSE(LueTilastoteksti(teksti)) << teksti;
    }
    EXPECT_TRUE(LueTilastoteksti("1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 V"));
    for (const char* teksti :
         {"", "2", "1 Ville 1", "1 Ville 1 2", "1 Ville 0 0", "1 Ville 1 0 Ville 2 1",
          "1 %56ille 1 0", "1 Vi%0Ale 1 0", "1 Vi%FFle 1 0", "1 Vi%C2%85le 1 0", "1 Vi%e4 1 0",
          "1 Vi% 1 0", "1 Vi%4 1 0", "1 a 1 0 b 1 0 c 1 0 d 1 0 e 1 0 f 1 0 g 1 0 h 1 0 i 1 0"}) {
        EXPECT_FALSE(LueVerkkoteksti(teksti)) << teksti;
    }
}

TEST(Tilastomuoto, AStoredTextThatDoesNotReadStartsTheStatisticsOverAndNothingElse) {
    Testipesa pesa;
    Tallenna("Tilastot", "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 W");
    Tallenna("Verkkotilastot", "1 Ville 3 2");
    Tallenna("ParasPelaaja0", "Aino");
    Tallenna("ParasTulos0", "7");
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{1, [] { return std::uint64_t{1}; }};
    Peli(t, n, arpa).AloitaOhjelma();
    EXPECT_EQ(t.Tilasto, Tilastot{});
    EXPECT_EQ(t.Verkkotilasto, (Verkkotilastot{{"Ville", 3, 2}}));
    EXPECT_EQ(t.Parhaat.ParasPelaaja[0], "Aino");
    EXPECT_EQ(t.Parhaat.ParasTulos[0], 7);
    EXPECT_EQ(LueAsetus("Tilastot"), "1 1 1 0 20 20 20 0 1,0,0,0,0,0,0,0,0 W");
}

}  // namespace
