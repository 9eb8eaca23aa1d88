// The boxes a face has yet to show, shown in turn with each answer handed
// on; and what a notice and a question offer.

#include "rules/Laatikot.h"

#include <gtest/gtest.h>

namespace {

TEST(Laatikkojono, EachBoxInTurnItsAnswerHandedOnOnceItHasGone) {
    std::vector<std::string> tapahtui;
    Laatikkojono jono([&](bool kylla) { tapahtui.push_back(kylla ? "kyllä" : "ei"); });
    jono.Jonoon([&] {
        tapahtui.push_back("eka");
        jono.Jonoon([&] {
            tapahtui.push_back("kolmas");
            return true;
        });
        return false;
    });
    jono.Jonoon([&] {
        tapahtui.push_back("toka");
        return true;
    });
    jono.NaytaSeuraava();
    EXPECT_EQ(tapahtui, (std::vector<std::string>{"eka", "ei"}));
    jono.NaytaOdottavat();
    EXPECT_EQ(tapahtui,
              (std::vector<std::string>{"eka", "ei", "toka", "kyllä", "kolmas", "kyllä"}));
    jono.NaytaSeuraava();
    EXPECT_EQ(tapahtui.size(), 6U);
}

TEST(Laatikonmalli, ANoticeOffersOkAndClosesAQuestionDefaultsToNo) {
    const Laatikonmalli ilmoitus = Ilmoitus(Kuvake::Huutomerkki);
    EXPECT_EQ(ilmoitus.kuvake, Kuvake::Huutomerkki);
    ASSERT_EQ(ilmoitus.painikkeet.size(), 1U);
    EXPECT_EQ(ilmoitus.painikkeet[0].vastaus, Laatikonmalli::Vastaus::Ok);
    EXPECT_STREQ(ilmoitus.painikkeet[0].teksti, "OK");
    EXPECT_EQ(ilmoitus.oletus, std::nullopt);
    EXPECT_TRUE(ilmoitus.suljettava);

    const Laatikonmalli kysymys = Vahvistus();
    EXPECT_EQ(kysymys.kuvake, Kuvake::Kysymys);
    ASSERT_EQ(kysymys.painikkeet.size(), 2U);
    EXPECT_STREQ(kysymys.painikkeet[0].teksti, "&Kyllä");
    EXPECT_EQ(kysymys.painikkeet[1].vastaus, Laatikonmalli::Vastaus::Ei);
    EXPECT_EQ(kysymys.oletus, Laatikonmalli::Vastaus::Ei);
    EXPECT_FALSE(kysymys.suljettava);
}

}  // namespace
