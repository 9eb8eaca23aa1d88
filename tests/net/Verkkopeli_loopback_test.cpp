// Two programs' rules over real sockets on the loopback: one waits, the other
// joins it, and they play a whole game to its score.

// Sockets come before anything that brings in the rest of Windows.
// clang-format off
#include "tests/support/Hiirella.h"
#include "tests/support/Pollausvalvonta.h"
// clang-format on

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "net/Verkkoyhteys.h"
#include "rules/window/frmMorvakMalli.h"
#include "tests/store/Testipesa.h"
#include "tests/support/NakymaTesti.h"
#include "tests/support/Vapaaportti.h"
#include "tests/support/Vastauskanava.h"
#include "tests/support/Verkkotapahtumat.h"

namespace {

struct Pelaaja {
    explicit Pelaaja(std::uint64_t siemen) : arpa(siemen, [siemen] { return siemen; }) {
        kasvo.Kohde([this](std::intptr_t kahva) { malli.Tapahtuu(SokettiValmis{kahva}); });
        malli.Form_Load(96);
        t.NaytetaanLaivojenUppoaminen = false;
    }
    bool Sai(const char* otsikko) const {
        return std::ranges::any_of(n.viestit, [&](const auto& v) { return v.otsikko == otsikko; });
    }
    bool Ampuu() const { return t.AmmuntaKaynnissa && t.PelaajanVuoro; }
    // The next square of the friend's grid nobody has shot at.
    void AmmuSeuraava() {
        while (t.KoneenRuudut[seuraava] != Sana::vesi || !n.kone[seuraava].kaytossa) ++seuraava;
        Napsauta(malli, Puoli::Kone, seuraava);
    }
    std::string Otsikko() { return malli.Saannot().NykyinenTilanne().otsikko; }
    void Odota(const std::string& nimi) {
        n.verkkopeli = [nimi](frmVerkkopeliMalli& m) {
            m.Muuta("txtNimi", nimi);
            m.Napsauta("cmdAloita");
        };
        malli.Tapahtuu(KomentoValittu{Komento::Verkkopeli});
    }
    void Liity(const std::string& nimi) {
        n.verkkopeli = [nimi](frmVerkkopeliMalli& m) {
            m.Muuta("txtNimi", nimi);
            m.Valitse("optLiity", true);
            m.Muuta("txtOsoite", "127.0.0.1");
            m.Napsauta("cmdAloita");
        };
        malli.Tapahtuu(KomentoValittu{Komento::Verkkopeli});
    }

    Pollausvalvonta kasvo;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa;
    Verkkoyhteys verkko{kasvo, [this](Tapahtuma e) { malli.Tapahtuu(e); }};
    frmMorvakMalli malli{t, n, arpa, &verkko};
    Vastauskanava vastauskanava_{n, malli};
    int seuraava = 1;
};

TEST(VerkkopeliLoopback, TwoProgramsPlayAWholeGameToItsScore) {
    Testipesa pesa;
    VapaaPortti();
    Pelaaja aino(7), ville(11);
    const auto odota = [&](const std::function<bool()>& ehto) {
        return OdotaVerkkoa({&aino.kasvo, &ville.kasvo}, ehto);
    };
    aino.Odota("Aino");
    ville.Liity("Ville");
    ASSERT_TRUE(odota([&] { return aino.t.SijoitusKaynnissa && ville.t.SijoitusKaynnissa; }));

    for (Pelaaja* p : {&aino, &ville})
        p->malli.Tapahtuu(KomentoValittu{Komento::SijoitaLaivatSatunnaisesti});
    ASSERT_TRUE(odota([&] { return aino.t.AmmuntaKaynnissa && ville.t.AmmuntaKaynnissa; }));
    for (int laukauksia = 0; laukauksia < 200 && aino.t.PeliKaynnissa; ++laukauksia) {
        Pelaaja& ampuja = aino.Ampuu() ? aino : ville;
        ASSERT_TRUE(ampuja.Ampuu());
        ampuja.AmmuSeuraava();
        ASSERT_TRUE(odota([&] { return aino.Ampuu() || ville.Ampuu() || !aino.t.PeliKaynnissa; }));
    }
    const auto tulos = [](const Pelaaja& p) { return p.Sai("Voitit") || p.Sai("Hävisit"); };
    ASSERT_TRUE(odota([&] { return tulos(aino) && tulos(ville); }));
    const bool ainoVoitti = aino.Sai("Voitit");
    EXPECT_EQ(ville.Sai("Hävisit"), ainoVoitti);
    EXPECT_EQ(aino.Otsikko(), ainoVoitti ? "Morvak - Sinä 1, Ville 0" : "Morvak - Sinä 0, Ville 1");
    EXPECT_EQ(ville.Otsikko(), ainoVoitti ? "Morvak - Sinä 0, Aino 1" : "Morvak - Sinä 1, Aino 0");
}

// A browser that reaches the port is let go without a word; the host that
// then chooses to wait again leaves nothing for the friend who joins.
TEST(VerkkopeliLoopback, AStrayConnectionAndAWaitChosenAgainLeaveTheNextFriendAWholeGame) {
    Testipesa pesa;
    VapaaPortti();
    Pelaaja aino(7), ville(11);
    aino.Odota("Aino");
    Pollausvalvonta selaimen;
    Verkkokuulija kuulija;
    Verkkoyhteys selain{selaimen, kuulija.Kohde()};
    selaimen.Kohde(selain);
    selain.Yhdista("127.0.0.1");
    ASSERT_TRUE(
        OdotaVerkkoa({&aino.kasvo, &selaimen}, [&] { return !kuulija.tapahtumat.empty(); }));
    selain.Laheta("GET / HTTP/1.1");
    ASSERT_TRUE(
        OdotaVerkkoa({&aino.kasvo, &selaimen}, [&] { return kuulija.tapahtumat.size() == 2; }));
    EXPECT_EQ(kuulija.tapahtumat, (std::vector<std::string>{"Yhdistetty", "Katkesi Suljettu"}));

    aino.Odota("Aino");
    ville.Liity("Ville");
    ASSERT_TRUE(OdotaVerkkoa({&aino.kasvo, &ville.kasvo}, [&] {
        return aino.t.SijoitusKaynnissa && ville.t.SijoitusKaynnissa;
    }));
    EXPECT_TRUE(aino.n.viestit.empty());
    EXPECT_EQ(ville.n.viestit.size(), 1u);
    EXPECT_EQ(ville.Otsikko(), "Morvak - Sinä 0, Aino 0");
}

}  // namespace
