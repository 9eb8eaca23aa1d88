#include <gtest/gtest.h>

#include <string>

#include "rules/Peli.h"
#include "tests/support/NakymaTesti.h"

namespace {

using std::chrono::milliseconds;

struct Verkonmaaraaika : Maaraajallinen {
    std::optional<milliseconds> kohta;
    std::optional<milliseconds> Maaraaika() const override { return kohta; }
};

// Every deadline shares the face's one timer: it runs for the earliest, and
// not at all once none is left.
TEST(Ajoitus, TheTimerRunsForTheEarliestDeadlineOrNone) {
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{1, [] { return std::uint64_t{1}; }};
    Peli p{t, n, arpa};
    Verkonmaaraaika verkko;
    p.LisaaMaaraajat(&verkko);
    n.nyt = milliseconds{100};

    t.TauonLoppu = milliseconds{1100};
    verkko.kohta = milliseconds{500};
    p.Ajoita();
    EXPECT_EQ(n.ajastin, milliseconds{500});

    verkko.kohta = milliseconds{60100};
    p.Ajoita();
    EXPECT_EQ(n.ajastin, milliseconds{1100});

    n.nyt = milliseconds{1200};
    p.Ajoita();
    EXPECT_EQ(n.ajastin, milliseconds{1100}) << "the running timer runs on";
    verkko.kohta = milliseconds{900};
    p.Ajoita();
    EXPECT_EQ(n.ajastin, milliseconds{1200}) << "a deadline passed runs out at once";

    t.TauonLoppu.reset();
    verkko.kohta.reset();
    p.Ajoita();
    EXPECT_FALSE(n.ajastin);
}

// A save that finds the store held takes the one timer for its next try, the
// saves behind it follow it in order once the store is free, and one the
// store stays held for is given up five seconds after its first try.
TEST(Ajoitus, ASaveThatFindsTheStoreHeldIsMadeAgainAtItsDeadline) {
    Pelitila t;
    NakymaTesti n;
    Satunnaisluvut arpa{1, [] { return std::uint64_t{1}; }};
    Peli p{t, n, arpa};
    bool varattu = true;
    std::string tehdyt;
    const auto tallennus = [&](char nimi) {
        return [&, nimi] {
            if (!varattu) tehdyt += nimi;
            return Tallennustulos{varattu ? Tallennustulos::Varattu : Tallennustulos::Tallessa};
        };
    };
    n.nyt = milliseconds{100};
    t.TauonLoppu = milliseconds{1100};
    t.Tallennukset.Tallenna(n.nyt, tallennus('a'));
    t.Tallennukset.Tallenna(n.nyt, tallennus('b'));
    p.Ajoita();
    EXPECT_EQ(n.ajastin, milliseconds{105});
    n.Kuluta(milliseconds{5}, [&] { p.Ajastin(); });
    EXPECT_EQ(n.ajastin, milliseconds{110}) << "still held";

    varattu = false;
    n.Kuluta(milliseconds{5}, [&] { p.Ajastin(); });
    EXPECT_EQ(tehdyt, "ab");
    EXPECT_EQ(n.ajastin, milliseconds{1100});

    varattu = true;
    t.TauonLoppu.reset();
    t.Tallennukset.Tallenna(n.nyt, tallennus('c'));
    p.Ajoita();
    EXPECT_EQ(n.AjaLoppuun([&] { p.Ajastin(), p.Ajoita(); }), 1000);
    EXPECT_EQ(n.nyt, milliseconds{5110});
    EXPECT_FALSE(n.ajastin);
}

}  // namespace
