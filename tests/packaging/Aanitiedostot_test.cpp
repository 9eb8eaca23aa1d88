// The sounds the build synthesised: whole 16-bit PCM WAV files, none longer
// than a second, none louder than -3 dBFS, none so quiet it goes unheard.

#include <gtest/gtest.h>

#include "tests/support/Wav.h"

namespace {

class Aanitiedosto : public ::testing::TestWithParam<const char*> {};

TEST_P(Aanitiedosto, IsShortCleanPcmBelowMinusThreeDecibels) {
    const auto wav = LueWav(std::string(MORVAK_AANIKANSIO) + "/" + GetParam());
    ASSERT_TRUE(wav.has_value()) << GetParam();
    EXPECT_EQ(wav->muoto, 1);
    EXPECT_EQ(wav->bitteja, 16);
    EXPECT_EQ(wav->kanavia, 1);
    EXPECT_GT(wav->kehyksia, 0u);
    EXPECT_LE(wav->kehyksia, static_cast<std::size_t>(wav->naytetaajuus)) << "at most a second";
    // 32767 at -3 dBFS and at -12 dBFS.
    EXPECT_LE(wav->huippu, 23197);
    EXPECT_GE(wav->huippu, 8231);
}

INSTANTIATE_TEST_SUITE_P(
    Aanet, Aanitiedosto,
    ::testing::Values("ohi.wav", "osuma.wav", "uppoaminen.wav", "voitto.wav", "tappio.wav"),
    [](const auto& testi) {
        return std::string(testi.param).substr(0, std::string(testi.param).find('.'));
    });

}  // namespace
