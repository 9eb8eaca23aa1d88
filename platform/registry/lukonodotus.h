#pragma once

#include <chrono>

// How the removal tool waits for a save another copy of the game has under
// way: at most five seconds, in short naps between tries. It waits before it
// has a window, so nothing on screen is held up. The game itself never
// waits for another copy's lock: the store tells it the key is held, and its
// rules make the save again later.
namespace lukonodotus {

// Lets `kesto` pass.
using Torkku = void (*)(std::chrono::milliseconds kesto);

// In place of the plain sleep, for a test that ends the other copy's save
// once the wait has begun; nullptr puts the plain sleep back.
void AsetaTorkku(Torkku torkku);

// After the `kerta`-th failed try (0 for the first) to take the lock: naps
// once and tells whether to try again.
bool Odota(int kerta);

}  // namespace lukonodotus
