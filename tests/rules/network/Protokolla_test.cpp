// The lines of the network game: every message reads back as written, and
// anything that is not exactly one is no message.

#include "rules/network/Protokolla.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::string HEX32(64, 'a');
const std::string HEX16 = "000102030405060708090a0b0c0d0e0f";

TEST(Protokolla, EveryMessageReadsBackAsWritten) {
    for (const std::string& rivi : std::vector<std::string>{
             "MORVAK 1 Ville", "MORVAK 1 Äijä Åke", "PELI 0 1 ISANTA " + HEX32,
             "PELI 1 0 ARVONTA " + HEX32, "PELI 0 0 VIERAS " + HEX32, "ARPA " + HEX16,
             "VALMIS " + HEX32, "ALOITA " + HEX16, "AMMU 1", "AMMU 100", "OHI", "OSUI", "UPPOSI 45",
             "UPPOSI 12 13 14 15", "PALJASTA " + HEX16 + " 1,2/3", "UUSI", "EI", "LOPETA",
             "VARATTU"}) {
        const auto viesti = Tulkitse(rivi);
        ASSERT_TRUE(viesti) << rivi;
        EXPECT_EQ(Muotoile(*viesti), rivi);
    }
}

TEST(Protokolla, AGreetingOfAnotherVersionIsStillAGreeting) {
    const auto viesti = Tulkitse("MORVAK 2 whatever comes after");
    ASSERT_TRUE(viesti);
    EXPECT_EQ(std::get<viestit::Tervehdys>(*viesti).versio, 2);
}

TEST(Protokolla, ALineThatIsNotExactlyAMessageIsNone) {
    for (const std::string& rivi : std::vector<std::string>{"",
                                                            "HEI",
                                                            "ohi",
                                                            "OHI ",
                                                            " OHI",
                                                            "OSUI 5",
                                                            "AMMU",
                                                            "AMMU 0",
                                                            "AMMU 101",
                                                            "AMMU 07",
                                                            "AMMU  7",
                                                            "AMMU 7 8",
                                                            "AMMU -1",
                                                            "AMMU x",
                                                            "UPPOSI",
                                                            "UPPOSI 1 2 3 4 5",
                                                            "ARPA " + HEX16.substr(2),
                                                            "ARPA " + std::string(32, 'A'),
                                                            "VALMIS " + HEX16,
                                                            "PELI 2 1 ISANTA " + HEX32,
                                                            "PELI 0 1 KUKA " + HEX32,
                                                            "PELI 0 1 ISANTA",
                                                            "MORVAK 1",
                                                            "MORVAK 1 ",
                                                            "MORVAK 1  Ville",
                                                            "MORVAK 1 Ville ",
                                                            "MORVAK x Ville",
                                                            "MORVAK 1 Vil\tle",
                                                            "MORVAK 1 Vil\x7fle",
                                                            "MORVAK 1 Vil\xc2\x85le",
                                                            "MORVAK 1 Kaksitoista-merkkiä",
                                                            "MORVAK 1 \xff\xfe",
                                                            "PALJASTA " + HEX16,
                                                            "VARATTU NYT"}) {
        EXPECT_FALSE(Tulkitse(rivi)) << rivi;
    }
}

TEST(Protokolla, ANameIsOneToSixteenPrintableCharacters) {
    EXPECT_TRUE(KelvollinenNimi("Ääkkösiäkin ööö"));
    EXPECT_TRUE(KelvollinenNimi("ÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ"));
    EXPECT_FALSE(KelvollinenNimi("ÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ"));
    EXPECT_FALSE(KelvollinenNimi(""));
    EXPECT_FALSE(KelvollinenNimi(" Ville"));
    for (const char* kaanto : {"\u202a", "\u202e", "\u2066", "\u2069"})
        EXPECT_FALSE(KelvollinenNimi(std::string("Vil") + kaanto + "le")) << kaanto;
    EXPECT_TRUE(KelvollinenNimi("Vil\u2065le\u202f"));
}

// Whatever bytes come, the parser answers, and what it takes is canonical.
TEST(Protokolla, RandomBytesNeverBreakTheParser) {
    std::mt19937 arpa(20261208);
    const std::string aakkoset = "MORVAKPELIUSTOH0123456789abcdef ,/\x01\xc3\xa4";
    for (int kierros = 0; kierros < 200000; ++kierros) {
        std::string rivi(arpa() % 80, ' ');
        for (char& merkki : rivi)
            merkki =
                arpa() % 4 == 0 ? static_cast<char>(arpa()) : aakkoset[arpa() % aakkoset.size()];
        const auto viesti = Tulkitse(rivi);
        if (viesti && !std::holds_alternative<viestit::Tervehdys>(*viesti)) {
            EXPECT_EQ(Muotoile(*viesti), rivi);
        }
    }
}

}  // namespace
