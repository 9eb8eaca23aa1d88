#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

// What a WAV file says of itself: its format chunk and its samples' reach.
struct Wav {
    int muoto = 0;  // 1: PCM
    int kanavia = 0;
    int naytetaajuus = 0;
    int bitteja = 0;
    std::size_t kehyksia = 0;
    int huippu = 0;  // the largest absolute 16-bit sample
};

// The file read as RIFF chunks; nothing when it is no whole WAV file of
// 16-bit samples.
inline std::optional<Wav> LueWav(const std::string& polku) {
    std::ifstream tiedosto(polku, std::ios::binary);
    const std::vector<unsigned char> t{std::istreambuf_iterator<char>(tiedosto), {}};
    const auto luku = [&](std::size_t i, int tavuja) {
        std::uint32_t arvo = 0;
        for (int k = tavuja - 1; k >= 0; --k) arvo = arvo << 8 | t[i + static_cast<std::size_t>(k)];
        return arvo;
    };
    const auto tunnus = [&](std::size_t i) {
        return std::string(t.begin() + i, t.begin() + i + 4);
    };
    if (t.size() < 12 || tunnus(0) != "RIFF" || tunnus(8) != "WAVE" || luku(4, 4) != t.size() - 8)
        return std::nullopt;
    Wav wav;
    bool muotoLuettu = false;
    for (std::size_t i = 12; i + 8 <= t.size();) {
        const std::size_t koko = luku(i + 4, 4);
        if (i + 8 + koko > t.size()) return std::nullopt;
        if (tunnus(i) == "fmt " && koko >= 16) {
            wav.muoto = static_cast<int>(luku(i + 8, 2));
            wav.kanavia = static_cast<int>(luku(i + 10, 2));
            wav.naytetaajuus = static_cast<int>(luku(i + 12, 4));
            wav.bitteja = static_cast<int>(luku(i + 22, 2));
            muotoLuettu = true;
        } else if (tunnus(i) == "data" && muotoLuettu && wav.bitteja == 16 && wav.kanavia > 0) {
            wav.kehyksia = koko / 2 / static_cast<std::size_t>(wav.kanavia);
            for (std::size_t n = 0; n + 1 < koko; n += 2) {
                const auto nayte = static_cast<std::int16_t>(luku(i + 8 + n, 2));
                wav.huippu = std::max(wav.huippu, std::abs(int{nayte}));
            }
            return wav;
        }
        i += 8 + koko + koko % 2;
    }
    return std::nullopt;
}
