#include <gtest/gtest.h>

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

}  // namespace
