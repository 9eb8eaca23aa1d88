#include <gtest/gtest.h>

#include <optional>

#include "rules/Peli.h"
#include "tests/support/NakymaTesti.h"

namespace {

class Lopetus : public ::testing::Test {
  protected:
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{1, [] { return std::uint64_t{1}; }};
    Peli p{t, n, arpa};

    void SetUp() override {
        n.vastaa = [this](bool kylla) { p.Vastattu(kylla); };
    }
    // What the quit question came to once answered; nothing while it is open.
    std::optional<bool> Vahvista() {
        std::optional<bool> loppuu;
        p.VahvistaLopetus([&](bool vastaus) { loppuu = vastaus; });
        return loppuu;
    }
};

TEST_F(Lopetus, EiJatkaaOhjelmaa) {
    t.PerakkaisetVoitot = 5;
    n.vastaukset = {false};
    EXPECT_EQ(Vahvista(), false);
    ASSERT_EQ(n.kysymykset.size(), 1u);
    EXPECT_EQ(n.kysymykset[0].otsikko, "Lopeta");
    EXPECT_EQ(n.kysymykset[0].teksti, "Haluatko varmasti lopettaa Morvak-ohjelman käytön?");
    EXPECT_EQ(n.kysyNimiKertoja, 0);
    EXPECT_EQ(t.PerakkaisetVoitot, 5);
}

TEST_F(Lopetus, KyllaListallePaasevallaPutkellaKysyyNimen) {
    t.PerakkaisetVoitot = 3;
    t.Parhaat.ParasTulos[9] = 2;
    n.vastaukset = {true};
    Osoitin osoitinNimelle = Osoitin::Tiimalasi;
    n.osoitin = Osoitin::Tiimalasi;
    n.kysyNimi = [&](frmKysyNimiMalli&) { osoitinNimelle = n.osoitin; };
    EXPECT_EQ(Vahvista(), true);
    EXPECT_EQ(n.kysyNimiKertoja, 1);
    EXPECT_EQ(osoitinNimelle, Osoitin::Oletus);
    EXPECT_EQ(n.osoitin, Osoitin::Tiimalasi);
}

TEST_F(Lopetus, KyllaIlmanListapaikkaaLopettaaSuoraan) {
    t.PerakkaisetVoitot = 2;
    t.Parhaat.ParasTulos[9] = 2;
    n.vastaukset = {true};
    EXPECT_EQ(Vahvista(), true);
    EXPECT_EQ(n.kysyNimiKertoja, 0);
}

TEST_F(Lopetus, NollanPutkiEiKysyNimeaNegatiivisenkaanKymmenennenTuloksenKanssa) {
    t.PerakkaisetVoitot = 0;
    t.Parhaat.ParasTulos[9] = -1;
    n.vastaukset = {true};
    EXPECT_EQ(Vahvista(), true);
    EXPECT_EQ(n.kysyNimiKertoja, 0);
}

}  // namespace
