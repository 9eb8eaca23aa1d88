// A match against a friend as line transcripts, no socket: the rules see
// the friend's lines as events and the test reads the lines they send.

#include "rules/network/Verkkopeli.h"

#include <gtest/gtest.h>

#include "rules/window/frmMorvakMalli.h"
#include "store/Asetusarvot.h"
#include "tests/store/Testipesa.h"
#include "tests/support/Hiirella.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vastauskanava.h"
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
const std::string EI_TASMAA = "Vastustajan vastaukset eivät täsmää sen laivastoon.";

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
    void Ammu(int ruutu) { Napsauta(malli, Puoli::Kone, ruutu); }
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
            Napsauta(malli, Puoli::Pelaaja, ruutu, 1);
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
    Vastauskanava vastauskanava_{n, malli};
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
    EXPECT_EQ(Nakyy().ohje, "Odota hetki, Ville vastaa laukaukseesi...");
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
    t.PidaTilastoa = true;
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
    EXPECT_EQ(LueAsetus("Verkkotilastot"), "1 Ville 1 1");
    EXPECT_EQ(t.Tilasto, Tilastot{}) << "never mixed with the computer's";

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
    EXPECT_EQ(ViimeisinViesti(), EI_TASMAA);
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
        Napsauta(malli, Puoli::Pelaaja, ruutu, 1);
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

TEST_F(Verkkopeli_, AHostNamedWithAControlCharacterIsAFault) {
    Liity("10.0.0.7");
    Rivi("MORVAK 1 Vil\x1ble");
    EXPECT_EQ(ViimeisinViesti(), VIRHEELLINEN);
}

// Set apart, a name written right to left leaves the score after it in place.
TEST_F(Verkkopeli_, ANameWrittenRightToLeftCannotReorderTheCaption) {
    Liity("10.0.0.7");
    Rivi("MORVAK 1 \u05d0\u05d1\u05d9");
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 0, \u2068\u05d0\u05d1\u05d9\u2069 0");
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
    EXPECT_EQ(Nakyy().ohje, "Yhdistetään peliin...");
    n.Kuluta(std::chrono::milliseconds{1}, laukea);
    EXPECT_EQ(Nakyy().ohje, "Odotetaan vastustajaa osoitteessa 192.168.1.5...");
    // Let go without closing the port another may be coming to.
    EXPECT_EQ(v.sulkemisia, sulkemisia);
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
    n.dialogiJaaAuki = true;
    Suorita(Komento::Verkkopeli);
    auto& m = dynamic_cast<frmVerkkopeliMalli&>(*n.avoinDialogi);
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
    n.SuljeDialogi();
    EXPECT_EQ(v.yhdistetty, "10.0.0.7");
    EXPECT_FALSE(n.ajastin);
}

TEST_F(Verkkopeli_, ABrowserReachingThePortIsLetGoAndTheHostWaitsOn) {
    Suorita(Komento::Verkkopeli);
    const int sulkemisia = v.sulkemisia;
    malli.Tapahtuu(VerkkoYhdistetty{});
    v.seuraavaYhteys = 1;
    Rivi("GET / HTTP/1.1");
    Rivi("Host: 192.168.1.5:47620");
    EXPECT_EQ(Nakyy().ohje, "Odotetaan vastustajaa osoitteessa 192.168.1.5...");
    EXPECT_EQ(v.sulkemisia, sulkemisia);
    malli.Tapahtuu(VerkkoYhdistetty{1});
    malli.Tapahtuu(VerkkoRivi{"MORVAK 1 Ville", 1});
    EXPECT_TRUE(n.viestit.empty());
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 0, Ville 0");
}

// The friend's submarine at 5 lies along its carrier's side. Once the
// carrier sinks the submarine shows as a miss; with nothing left to shoot
// the game ends on the lie, and this side reveals its fleet.
TEST_F(Verkkopeli_, AFleetWhoseShipsTouchEndsOnceNothingIsLeftToShoot) {
    Isannoi();
    Valmistaudu();
    Ystava ystava("1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/5");
    std::vector<int> omaVesi;
    const std::vector<int> omat = Ystava(LAIVASTO).Ruudut();
    for (int r = 1; r <= RUUTUJA; ++r)
        if (std::ranges::find(omat, r) == omat.end()) omaVesi.push_back(r);
    std::size_t ampui = 0;
    for (int ruutu = 1; ruutu <= RUUTUJA && n.viestit.empty(); ++ruutu) {
        Ammu(ruutu);
        if (Viimeisin() != "AMMU " + std::to_string(ruutu)) continue;
        Rivi(ystava.Vastaa(ruutu));
        Rivi("AMMU " + std::to_string(omaVesi.at(ampui++)));
    }
    EXPECT_EQ(ViimeisinViesti(), EI_TASMAA);
    EXPECT_TRUE(Viimeisin().ends_with(" " + LAIVASTO)) << Viimeisin();
    EXPECT_EQ(t.PelaajanOsumat, 19);
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 0, Ville 0");
}

// A friend that reveals in its turn says this side lied; its own fleet,
// whose ships touch, is the lie.
TEST_F(Verkkopeli_, AFleetRevealedInThePlaceOfAShotIsCheckedThere) {
    Isannoi();
    Valmistaudu();
    Ammu(55);
    Rivi("OHI");
    Rivi("PALJASTA " + KERTAKOODI + " 1,2,3,4/21,22,23/41,42,43/61,62/81,82/8,9/28/48/68/5");
    EXPECT_EQ(ViimeisinViesti(), EI_TASMAA);
    EXPECT_TRUE(Viimeisin().ends_with(" " + LAIVASTO)) << Viimeisin();
}

// Squares 1 and 2 were hit; the answer to 3 claims a sinking no fleet gives.
class Upposi : public Verkkopeli_, public ::testing::WithParamInterface<const char*> {};

TEST_P(Upposi, ALieCaughtAtTheShotEndsTheGameForNobody) {
    Isannoi();
    Valmistaudu();
    Ammu(1);
    Rivi("OSUI");
    Rivi("AMMU 11");
    Ammu(2);
    Rivi("OSUI");
    Rivi("AMMU 12");
    Ammu(3);
    Rivi(GetParam());
    EXPECT_EQ(ViimeisinViesti(), EI_TASMAA);
    EXPECT_TRUE(Viimeisin().starts_with("PALJASTA ")) << Viimeisin();
    EXPECT_EQ(Nakyy().otsikko, "Morvak - Sinä 0, Ville 0");
}

INSTANTIATE_TEST_SUITE_P(Valheet, Upposi,
                         ::testing::Values("UPPOSI 1 3 2",  // not as laid
                                           "UPPOSI 3 4",    // 4 never hit
                                           "UPPOSI 2 3"));  // touches the hit at 1

enum class Odotettava { Vastaus, Laivasto, Paljastus, Uusinta };
struct Odotus {
    Odotettava mita;
    std::string ohje;
    std::chrono::milliseconds aika;
    std::string loppu;
};

class Jumittunut : public Verkkopeli_, public ::testing::WithParamInterface<Odotus> {};

TEST_P(Jumittunut, EveryWaitOnTheFriendSaysWhatItWaitsForAndEnds) {
    Isannoi();
    switch (GetParam().mita) {
        case Odotettava::Vastaus:
            Valmistaudu();
            Ammu(55);
            break;
        case Odotettava::Laivasto:
            Rivi("ARPA " + ARPA);
            Suorita(Komento::SijoitaLaivatSatunnaisesti);
            break;
        case Odotettava::Paljastus: {
            Valmistaudu();
            Ystava ystava(LAIVASTO);
            Voita(ystava);
            break;
        }
        case Odotettava::Uusinta:
            Suorita(Komento::UusiPeli);
            break;
    }
    EXPECT_EQ(Nakyy().ohje, GetParam().ohje);
    const auto laukea = [this] { malli.Tapahtuu(AjastinLaukesi{}); };
    n.Kuluta(GetParam().aika - std::chrono::milliseconds{1}, laukea);
    EXPECT_TRUE(n.viestit.empty());
    n.Kuluta(std::chrono::milliseconds{1}, laukea);
    EXPECT_EQ(ViimeisinViesti(), GetParam().loppu);
    EXPECT_EQ(Viimeisin(), "LOPETA");
    KonettaVastaan();
}

const std::string EI_VASTANNUT = "Ville ei vastannut ajoissa, joten verkkopeli päättyi.";
INSTANTIATE_TEST_SUITE_P(
    Odotukset, Jumittunut,
    ::testing::Values(
        Odotus{Odotettava::Vastaus, "Odota hetki, Ville vastaa laukaukseesi...",
               std::chrono::milliseconds{60000}, EI_VASTANNUT},
        Odotus{Odotettava::Laivasto, "Odota hetki, Ville sijoittaa vielä laivojaan...",
               std::chrono::milliseconds{300000}, EI_VASTANNUT},
        Odotus{Odotettava::Paljastus, "Odota hetki, Ville paljastaa laivastonsa...",
               std::chrono::milliseconds{60000},
               EI_VASTANNUT +
                   " Peliä ei lasketa kummallekaan, koska Ville ei paljastanut laivastoaan."},
        Odotus{Odotettava::Uusinta, "Odotetaan, haluaako Ville pelata uudestaan...",
               std::chrono::milliseconds{300000}, EI_VASTANNUT}));

TEST_F(Verkkopeli_, ARequestForAnotherGameIsTakenBackWithTheMatch) {
    Isannoi();
    Suorita(Komento::UusiPeli);
    EXPECT_EQ(Viimeisin(), "UUSI");
    n.vastaukset = {true};
    Suorita(Komento::UusiPeli);
    EXPECT_EQ(n.kysymykset.back().teksti,
              "Ville ei ole vielä vastannut. Lopetetaanko verkkopeli ja pelataan "
              "tietokonetta vastaan?");
    EXPECT_EQ(Viimeisin(), "LOPETA");
    KonettaVastaan();
    // The next match waits for its friend, not for an answer to that request.
    Suorita(Komento::Verkkopeli);
    EXPECT_EQ(Nakyy().ohje.find("haluaako"), std::string::npos) << Nakyy().ohje;
    EXPECT_FALSE(n.ajastin);
}

// 18 was never shot but shows as a miss beside the sunk submarine at 28.
TEST_F(Verkkopeli_, AShotBesideASunkShipIsAnsweredAsWater) {
    Isannoi();
    Valmistaudu();
    Ammu(55);
    Rivi("OHI");
    Rivi("AMMU 28");
    EXPECT_EQ(Viimeisin(), "UPPOSI 28");
    Ammu(56);
    Rivi("OHI");
    Rivi("AMMU 18");
    EXPECT_EQ(Viimeisin(), "OHI");
    EXPECT_TRUE(n.viestit.empty());
}

// Five forged answers, sent once, leave the list to the game that answers
// every search.
TEST_F(Verkkopeli_, TheListHoldsTheGamesThatAnswerTheLatestSearches) {
    n.dialogiJaaAuki = true;
    Suorita(Komento::Verkkopeli);
    auto& m = dynamic_cast<frmVerkkopeliMalli&>(*n.avoinDialogi);
    for (int i = 1; i <= 5; ++i) malli.Tapahtuu(PeliLoytyi{"Vale", "10.0.0." + std::to_string(i)});
    for (int haku = 0; haku < 3; ++haku) {
        malli.Tapahtuu(PeliLoytyi{"Ville", "10.0.0.7"});
        n.Kuluta(std::chrono::milliseconds{2000}, [this] { malli.Tapahtuu(AjastinLaukesi{}); });
    }
    EXPECT_EQ(m.Nayta("optPeli1").teksti, "&1 Ville (10.0.0.7)");
    EXPECT_EQ(m.Nayta("optPeli2").teksti, "");
    m.Napsauta("cmdPeruuta");
    n.SuljeDialogi();
}

}  // namespace
