// What a shipped program takes from its test seams, and what it refuses.

#include "rules/Testisaumat.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

TEST(Testisaumat, ThePauseTakesDecimalMillisecondsUpToTenMinutes) {
    EXPECT_EQ(TauonPituusSaumasta("0"), milliseconds(0));
    EXPECT_EQ(TauonPituusSaumasta("20"), milliseconds(20));
    EXPECT_EQ(TauonPituusSaumasta("600000"), milliseconds(600000));
    for (const char* arvo :
         {"-1", "600001", "", " 5", "5 ", "+5", "5ms", "0x10", "99999999999999999999"})
        EXPECT_EQ(TauonPituusSaumasta(arvo), std::nullopt) << '"' << arvo << '"';
    EXPECT_EQ(TauonPituusSaumasta(nullptr), std::nullopt);
}

TEST(Testisaumat, TheSeedTakesAnyUnsignedDecimal) {
    EXPECT_EQ(SiemenSaumasta("1"), 1u);
    EXPECT_EQ(SiemenSaumasta("18446744073709551615"), 18446744073709551615u);
    for (const char* arvo : {"18446744073709551616", "-1", "", "3a"})
        EXPECT_EQ(SiemenSaumasta(arvo), std::nullopt) << '"' << arvo << '"';
    EXPECT_EQ(SiemenSaumasta(nullptr), std::nullopt);
}

}  // namespace
