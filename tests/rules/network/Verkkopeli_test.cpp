// A match against a friend as line transcripts, no socket: the rules see
// the friend's lines as events and the test reads the lines they send.

#include "rules/network/Verkkopeli.h"

#include <gtest/gtest.h>

#include "rules/window/frmMorvakMalli.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/VerkkoTesti.h"
#include "tests/support/Ystava.h"

namespace {

const std::string LAIVASTO = "1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/88";
const std::string KERTAKOODI(32, '0');
// SHA-256 over sixteen zero bytes and LAIVASTO.
const std::string SITOUMUS = "3ec23dd9559c391b80bbe2603c038e568be28374935d9c5a2f618f3cb7c465a2";
const std::string ARPA = "000102030405060708090a0b0c0d0e0f";
const std::string VIRHEELLINEN =
    "Verkkopeli päättyi: vastustajan ohjelma lähetti virheellisen viestin.";

class Verkkopeli_ : public ::testing::Test {
  protected:
    void SetUp() override {
        malli.Form_Load(96);
        n.verkkopeli = [this](frmVerkkopeliMalli& m) {
            m.Muuta("txtNimi", "Minä");
            m.Valitse(liity_.empty() ? "optOdota" : "optLiity", true);
            m.Muuta("txtOsoite", liity_);
            m.Napsauta("cmdAloita");
        };
    }
    void Rivi(const std::string& rivi) { malli.Tapahtuu(VerkkoRivi{rivi}); }
    void Ammu(int ruutu) { malli.Tapahtuu(RuutuKlikattu{Puoli::Kone, ruutu}); }
    void Suorita(Komento k) { malli.Tapahtuu(KomentoValittu{k}); }
    void Isannoi() {
        Suorita(Komento::Verkkopeli);
        malli.Tapahtuu(VerkkoYhdistetty{});
        Rivi("MORVAK 1 Ville");
    }
    void Liity(const std::string& osoite) {
        liity_ = osoite;
        Suorita(Komento::Verkkopeli);
        malli.Tapahtuu(VerkkoYhdistetty{});
    }
    // The player's fleet is laid as LAIVASTO, the friend's is committed.
    void Valmistaudu(const std::string& sitoumus = SITOUMUS) {
        Rivi("ARPA " + ARPA);
        for (int ruutu : {1, 21, 41, 61, 81, 8, 28, 48, 68, 88})
            malli.Tapahtuu(RuutuVapautettu{Puoli::Pelaaja, ruutu, 1});
        Rivi("VALMIS " + sitoumus);
    }
    // The host shoots the friend's every ship, the friend only water.
    void Voita(Ystava& ystava) {
        const std::vector<int> vesi{11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                    91, 92, 93, 94, 95, 96, 97, 98, 99, 100};
        const std::vector<int> ruudut = ystava.Ruudut();
        for (std::size_t i = 0; i < ruudut.size(); ++i) {
            Ammu(ruudut[i]);
            Rivi(ystava.Vastaa(ruudut[i]));
            if (i + 1 < ruudut.size()) Rivi("AMMU " + std::to_string(vesi[i]));
        }
    }
    Tilanne Nakyy() { return malli.Saannot().NykyinenTilanne(); }
    std::string Viimeisin() const { return v.lahetetyt.empty() ? "" : v.lahetetyt.back(); }
    std::string ViimeisinViesti() const { return n.viestit.empty() ? "" : n.viestit.back().teksti; }
    // The match is over and the computer is the opponent again.
    void KonettaVastaan() {
        EXPECT_GE(v.sulkemisia, 1);
        EXPECT_TRUE(t.KoneenSukellusveneSijoitettu[4]);
        EXPECT_EQ(Nakyy().otsikko, "Morvak");
    }

    Testipesa pesa;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{5, [] { return std::uint64_t{5}; }};
    VerkkoTesti v;
    frmMorvakMalli malli{t, n, arpa, &v};
    std::string liity_;
};

TEST_F(Verkkopeli_, TheHostGreetsSetsTheRulesAndOpensFiringOnceBothFleetsAreLaid) {
    Isannoi();
    ASSERT_EQ(v.lahetetyt.size(), 2u);
    EXPECT_EQ(v.lahetetyt[0], "MORVAK 1 Minä");
    EXPECT_TRUE(v.lahetetyt[1].starts_with("PELI 1 1 ISANTA ")) << v.lahetetyt[1];
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 0, Ville 0");
    // Nothing left to wake an idle program: the search and the deadline are over.
    EXPECT_FALSE(n.ajastin);
    Valmistaudu();
    ASSERT_EQ(v.lahetetyt.size(), 4u);
    EXPECT_EQ(v.lahetetyt[2].size(), std::string("VALMIS ").size() + 64);
    EXPECT_EQ(v.lahetetyt[3].size(), std::string("ALOITA ").size() + 32);
    EXPECT_EQ(Nakyy().ohje, "Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu.");
    Ammu(55);
    EXPECT_EQ(Viimeisin(), "AMMU 55");
    Rivi("OHI");
    EXPECT_EQ(Nakyy().ohje, "Odota hetki, Ville ampuu jotakin ruuduistasi...");
    Rivi("AMMU 2");
    EXPECT_EQ(Viimeisin(), "OSUI");
    Ammu(88);
    Rivi("UPPOSI 88");
    EXPECT_EQ(n.kone[78].kuva, Kuva::Ohi);
    Rivi("AMMU 88");
    EXPECT_EQ(Viimeisin(), "UPPOSI 88");
}

TEST_F(Verkkopeli_, AHonestWinCountsForThePlayerAndNeverForTheStreak) {
    t.PerakkaisetVoitot = 2;
    t.PelinAloitustapa = "Vuoroaloitus";
    Isannoi();
    Valmistaudu();
    Ystava ystava(LAIVASTO);
    Voita(ystava);
    const std::string paljastus = Viimeisin();
    EXPECT_TRUE(paljastus.starts_with("PALJASTA ")) << paljastus;
    Rivi("PALJASTA " + KERTAKOODI + " " + LAIVASTO);
    EXPECT_EQ(n.viestit.back().otsikko, "Voitit");
    EXPECT_EQ(ViimeisinViesti(), "Voitit! Vastustajasi Ville menetti kaikki laivansa.");
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 1, Ville 0");
    EXPECT_EQ(t.PerakkaisetVoitot, 2);

    n.vastaukset = {true};
    Rivi("UUSI");
    EXPECT_EQ(n.kysymykset.back().teksti, "Ville haluaa pelata uudestaan. Pelataanko?");
    EXPECT_EQ(v.lahetetyt[v.lahetetyt.size() - 2], "UUSI");
    EXPECT_TRUE(Viimeisin().starts_with("PELI 1 1 VIERAS ")) << Viimeisin();
    EXPECT_TRUE(t.SijoitusKaynnissa);
}

struct Paljastus {
    std::string sitoumus;
    std::string rivi;
};

// The friend answered every shot from LAIVASTO.
class Vilppi : public Verkkopeli_, public ::testing::WithParamInterface<Paljastus> {};

TEST_P(Vilppi, AFleetThatIsNotTheOneCommittedToOrAnsweredFromCountsForNobody) {
    Isannoi();
    Valmistaudu(GetParam().sitoumus);
    Ystava ystava(LAIVASTO);
    Voita(ystava);
    Rivi(GetParam().rivi);
    EXPECT_EQ(ViimeisinViesti(), "Vastustajan vastaukset eivät täsmää sen laivastoon.");
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 0, Ville 0");
}

INSTANTIATE_TEST_SUITE_P(
    Paljastukset, Vilppi,
    ::testing::Values(
        // Another nonce than the one committed to.
        Paljastus{SITOUMUS, "PALJASTA " + std::string(32, '1') + " " + LAIVASTO},
        // Committed to and revealed, but the last ship was answered elsewhere.
        Paljastus{
            "16d2f8786db24a2aa692d2e2e2eb77919177cee99228f00140a023c59412d0e4",
            "PALJASTA " + KERTAKOODI + " 1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/86"}));

TEST_F(Verkkopeli_, TheJoiningSidePlaysUnderTheHostsRulesUntilTheFriendQuits) {
    Liity("10.0.0.7");
    EXPECT_EQ(v.yhdistetty, "10.0.0.7");
    EXPECT_EQ(v.lahetetyt, std::vector<std::string>{"MORVAK 1 Minä"});
    Rivi("MORVAK 1 Ville");
    Rivi("PELI 1 0 VIERAS " + std::string(64, 'f'));
    EXPECT_TRUE(Viimeisin().starts_with("ARPA ")) << Viimeisin();
    EXPECT_EQ(ViimeisinViesti(),
              "Pelaat pelaajan Ville säännöillä:\nlaivojen kulmat saavat koskettaa toisiaan,\n"
              "laiva ei saa sijaita reunassa.");
    EXPECT_FALSE(t.LaivaSaaSijaitaReunassa);
    Rivi("LOPETA");
    EXPECT_EQ(ViimeisinViesti(), "Ville lopetti pelin.");
    EXPECT_TRUE(t.LaivaSaaSijaitaReunassa);
    KonettaVastaan();
}

TEST_F(Verkkopeli_, TheDrawIsRefusedWhenTheHostOpensAnotherValueThanItSealed) {
    Liity("10.0.0.7");
    Rivi("MORVAK 1 Ville");
    Rivi("PELI 0 1 ARVONTA " + SITOUMUS);
    for (int ruutu : {1, 21, 41, 61, 81, 8, 28, 48, 68, 88})
        malli.Tapahtuu(RuutuVapautettu{Puoli::Pelaaja, ruutu, 1});
    Rivi("VALMIS " + SITOUMUS);
    Rivi("ALOITA " + ARPA);
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
    KonettaVastaan();
}

// Each line comes when the host has just opened firing and shoots first.
class Protokollavirhe : public Verkkopeli_, public ::testing::WithParamInterface<const char*> {};

TEST_P(Protokollavirhe, EndsTheMatchWithAWordAndTheProgramGoesOn) {
    Isannoi();
    Valmistaudu();
    Rivi(GetParam());
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
    KonettaVastaan();
}

INSTANTIATE_TEST_SUITE_P(Rivit, Protokollavirhe,
                         ::testing::Values("HEI", "AMMU 5", "AMMU 0", "AMMU 101", "OHI",
                                           "MORVAK 1 Ville",
                                           "PALJASTA 00000000000000000000000000000000 1"));

TEST_F(Verkkopeli_, ASquareShotTwiceIsAFault) {
    Isannoi();
    Valmistaudu();
    Ammu(55);
    Rivi("OHI");
    Rivi("AMMU 12");
    Ammu(56);
    Rivi("OHI");
    Rivi("AMMU 12");
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
}

TEST_F(Verkkopeli_, LinesPilingUpWhileAShipSinksAreAFlood) {
    t.NaytetaanLaivojenUppoaminen = true;
    Isannoi();
    Valmistaudu();
    Ammu(88);
    Rivi("UPPOSI 88");
    ASSERT_TRUE(t.Uppoamassa);
    for (int i = 0; i < 8; ++i) Rivi("UUSI");
    EXPECT_TRUE(n.viestit.empty());
    Rivi("UUSI");
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
}

TEST_F(Verkkopeli_, LinesPilingUpBehindABoxAreAFlood) {
    Isannoi();
    n.laatikonAikana = [this] {
        n.laatikonAikana = {};
        for (int i = 0; i < 65; ++i) Rivi("UUSI");
    };
    Rivi("UUSI");
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
    KonettaVastaan();
}

TEST_F(Verkkopeli_, ANameWithAControlCharacterIsAFault) {
    Suorita(Komento::Verkkopeli);
    malli.Tapahtuu(VerkkoYhdistetty{});
    Rivi("MORVAK 1 Vil\x1ble");
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
}

TEST_F(Verkkopeli_, AnotherVersionIsToldSoAfterOurOwnGreeting) {
    Suorita(Komento::Verkkopeli);
    malli.Tapahtuu(VerkkoYhdistetty{});
    Rivi("MORVAK 2 Ville");
    EXPECT_EQ(v.lahetetyt, std::vector<std::string>{"MORVAK 1 Minä"});
    EXPECT_EQ(ViimeisinViesti(), "Vastustajallasi on eri versio Morvakista.");
}

TEST_F(Verkkopeli_, ASilentConnectionIsDroppedAfterTenSeconds) {
    Suorita(Komento::Verkkopeli);
    malli.Tapahtuu(VerkkoYhdistetty{});
    const auto laukea = [this] { malli.Tapahtuu(AjastinLaukesi{}); };
    const int sulkemisia = v.sulkemisia;
    n.Kuluta(std::chrono::milliseconds{9999}, laukea);
    EXPECT_EQ(v.sulkemisia, sulkemisia);
    n.Kuluta(std::chrono::milliseconds{1}, laukea);
    EXPECT_EQ(v.sulkemisia, sulkemisia + 1);
    EXPECT_TRUE(v.kuuntelee);
    EXPECT_TRUE(n.viestit.empty());

    liity_ = "10.0.0.7";
    Liity(liity_);
    n.Kuluta(std::chrono::milliseconds{10000}, laukea);
    EXPECT_EQ(ViimeisinViesti(), "Yhteys vastustajaan katkesi.");
}

TEST_F(Verkkopeli_, QuittingTellsTheFriend) {
    Isannoi();
    n.vastaukset = {true};
    Suorita(Komento::Lopeta);
    EXPECT_EQ(Viimeisin(), "LOPETA");
    EXPECT_EQ(n.lopetuksia, 1);
}

TEST_F(Verkkopeli_, TheDialogListsGamesFoundWhileItIsOpen) {
    n.verkkopeli = [this](frmVerkkopeliMalli& m) {
        int muutoksia = 0;
        m.KunMuuttuu([&] { ++muutoksia; });
        malli.Tapahtuu(PeliLoytyi{"Ville", "10.0.0.7"});
        EXPECT_EQ(muutoksia, 1);
        EXPECT_EQ(m.Nayta("optPeli1").teksti, "&1 Ville (10.0.0.7)");
        m.Valitse("optLiity", true);
        m.Valitse("optPeli1", true);
        m.Muuta("txtNimi", "");
        EXPECT_FALSE(m.Nayta("cmdAloita").kaytossa);
        m.Muuta("txtNimi", "Minä");
        m.Napsauta("cmdAloita");
    };
    Suorita(Komento::Verkkopeli);
    EXPECT_EQ(v.yhdistetty, "10.0.0.7");
    EXPECT_FALSE(n.ajastin);
}

}  // namespace
