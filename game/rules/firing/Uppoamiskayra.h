#pragma once

#include <chrono>

// How the squares of a sunk ship play their sinking, the same in every face:
// the water rises over each square from its bottom edge until it covers it,
// then falls back and leaves the wreck's picture.
inline constexpr std::chrono::milliseconds UPPOAMISEN_KESTO{480};

// The share of a square's height the water covers this far into the sinking:
// 0 at the start, 1 halfway, 0 again at the end and after it.
double Vedenpinta(std::chrono::milliseconds kulunut);
