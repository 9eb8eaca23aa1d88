#pragma once

#include <array>
#include <cstdint>
#include <span>

// Hashing and random bytes from the operating system's own libraries, never
// from the game's predictable generator.

// SHA-256 of the bytes.
std::array<std::uint8_t, 32> Sha256(std::span<const std::uint8_t> tavut);

// Fills `tavut` from the operating system's generator; false when it cannot.
bool SatunnaisetTavut(std::span<std::uint8_t> tavut);
