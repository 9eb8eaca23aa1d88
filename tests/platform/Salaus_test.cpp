// The platform's SHA-256 and random bytes, the same on both systems.

#include "platform/crypto/Salaus.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::string Heksana(const std::array<std::uint8_t, 32>& tiiviste) {
    static constexpr char NUMEROT[] = "0123456789abcdef";
    std::string teksti;
    for (const std::uint8_t tavu : tiiviste) {
        teksti += NUMEROT[tavu >> 4];
        teksti += NUMEROT[tavu & 0xF];
    }
    return teksti;
}

std::array<std::uint8_t, 32> Tiiviste(std::string_view teksti) {
    return Sha256({reinterpret_cast<const std::uint8_t*>(teksti.data()), teksti.size()});
}

TEST(Salaus, Sha256OfKnownTexts) {
    EXPECT_EQ(Heksana(Tiiviste("")),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Heksana(Tiiviste("abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(Salaus, RandomBytesDifferFromCallToCall) {
    std::vector<std::uint8_t> a(16), b(16);
    ASSERT_TRUE(SatunnaisetTavut(a));
    ASSERT_TRUE(SatunnaisetTavut(b));
    EXPECT_NE(a, b);
}

}  // namespace
