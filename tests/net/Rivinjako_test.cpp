// Cutting a connection's bytes into lines, and what no line may hold.

#include "net/Rivinjako.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rivit = std::vector<std::string>;

TEST(Rivinjako, LinesSplitAcrossReadsComeWhole) {
    Rivinjako jako;
    Rivit rivit;
    EXPECT_TRUE(jako.Lisaa("HE", rivit));
    EXPECT_EQ(rivit, Rivit{});
    EXPECT_TRUE(jako.Lisaa("I 1\nAMMU B", rivit));
    EXPECT_EQ(rivit, Rivit{"HEI 1"});
    EXPECT_TRUE(jako.Lisaa("7\n\nHävisit\n", rivit));
    EXPECT_EQ(rivit, (Rivit{"HEI 1", "AMMU B7", "", "Hävisit"}));
}

TEST(Rivinjako, TwoHundredFiftySixBytesWithTheNewlineAreTheMost) {
    Rivinjako jako;
    Rivit rivit;
    EXPECT_TRUE(jako.Lisaa(std::string(200, 'a'), rivit));
    EXPECT_TRUE(jako.Lisaa(std::string(55, 'a') + "\n", rivit));
    EXPECT_EQ(rivit, Rivit{std::string(255, 'a')});

    Rivinjako pitka;
    EXPECT_FALSE(pitka.Lisaa(std::string(256, 'a') + "\n", rivit));
    // Refused as soon as it cannot end in time, not when the newline comes.
    Rivinjako loputon;
    EXPECT_TRUE(loputon.Lisaa(std::string(255, 'a'), rivit));
    EXPECT_FALSE(loputon.Lisaa("a", rivit));
    EXPECT_EQ(rivit.size(), 1u);
}

TEST(Rivinjako, ANulOrBrokenUtf8IsRefusedAfterTheGoodLinesBeforeIt) {
    const Rivit huonot = {std::string("A\0B", 3), "\xC3", "\xC0\xAF", "\xED\xA0\x80",
                          "\xF4\x90\x80\x80",     "\x80", "\xE2\x82"};
    for (const std::string& huono : huonot) {
        Rivinjako jako;
        Rivit rivit;
        EXPECT_FALSE(jako.Lisaa("OK\n" + huono + "\nOK\n", rivit)) << huono.size();
        EXPECT_EQ(rivit, Rivit{"OK"});
    }
    Rivinjako jako;
    Rivit rivit;
    EXPECT_TRUE(jako.Lisaa("Ä\xE2\x82\xAC\xF0\x9F\x9A\xA2\xF4\x8F\xBF\xBF\n", rivit));
    EXPECT_EQ(rivit, Rivit{"Ä€🚢\xF4\x8F\xBF\xBF"});
}

}  // namespace
