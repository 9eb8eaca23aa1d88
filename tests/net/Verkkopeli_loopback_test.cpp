// Two programs' rules over real sockets on the loopback: one waits, the other
// joins it, and they play a whole game to its score.

// Sockets come before anything that brings in the rest of Windows.
// clang-format off
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
        malli.Tapahtuu(RuutuKlikattu{Puoli::Kone, seuraava});
    }
    std::string Otsikko() { return malli.Saannot().NykyinenTilanne().otsikko; }

    Pollausvalvonta kasvo;
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa;
    Verkkoyhteys verkko{kasvo, [this](Tapahtuma e) { malli.Tapahtuu(e); }};
    frmMorvakMalli malli{t, n, arpa, &verkko};
    int seuraava = 1;
};

TEST(VerkkopeliLoopback, TwoProgramsPlayAWholeGameToItsScore) {
    Testipesa pesa;
    VapaaPortti();
    Pelaaja aino(7), ville(11);
    const auto odota = [&](const std::function<bool()>& ehto) {
        return OdotaVerkkoa({&aino.kasvo, &ville.kasvo}, ehto);
    };
    aino.n.verkkopeli = [](frmVerkkopeliMalli& m) {
        m.Muuta("txtNimi", "Aino");
        m.Napsauta("cmdAloita");
    };
    aino.malli.Tapahtuu(KomentoValittu{Komento::Verkkopeli});
    ville.n.verkkopeli = [](frmVerkkopeliMalli& m) {
        m.Muuta("txtNimi", "Ville");
        m.Valitse("optLiity", true);
        m.Muuta("txtOsoite", "127.0.0.1");
        m.Napsauta("cmdAloita");
    };
    ville.malli.Tapahtuu(KomentoValittu{Komento::Verkkopeli});
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

}  // namespace
