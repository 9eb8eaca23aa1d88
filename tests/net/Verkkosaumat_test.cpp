// Where tests may point the network game, and what is refused.

#include "net/Verkkosaumat.h"

#include <gtest/gtest.h>

namespace {

TEST(Verkkosaumat, ThePortIsAnUnprivilegedDecimal) {
    EXPECT_EQ(PorttiSaumasta("1024"), 1024);
    EXPECT_EQ(PorttiSaumasta("47620"), 47620);
    EXPECT_EQ(PorttiSaumasta("65535"), 65535);
    for (const char* arvo : {"1023", "65536", "0", "", "01024", "+2000", " 2000", "2000 ", "0x800"})
        EXPECT_EQ(PorttiSaumasta(arvo), std::nullopt) << '"' << arvo << '"';
    EXPECT_EQ(PorttiSaumasta(nullptr), std::nullopt);
}

TEST(Verkkosaumat, TheBroadcastIsAnIpv4AddressInFourParts) {
    EXPECT_EQ(LahetysosoiteSaumasta("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(LahetysosoiteSaumasta("255.255.255.255"), "255.255.255.255");
    EXPECT_EQ(LahetysosoiteSaumasta("10.0.0.255"), "10.0.0.255");
    for (const char* arvo : {"256.0.0.1", "1.2.3", "1.2.3.4.5", "1..2.3", "01.2.3.4", "::1",
                             "localhost", "127.1", "", " 127.0.0.1", "127.0.0.1.", "-1.0.0.0"})
        EXPECT_EQ(LahetysosoiteSaumasta(arvo), std::nullopt) << '"' << arvo << '"';
    EXPECT_EQ(LahetysosoiteSaumasta(nullptr), std::nullopt);
}

}  // namespace
