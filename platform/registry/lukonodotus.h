#pragma once

#include <chrono>

// How the registry operations wait for a lock another process holds: the
// SQLite hive's while that process writes, the game's named mutex on Windows
// while another copy saves. One wait lasts at most five seconds, in short naps
// between tries. After a wait has run out, the waits of the next five seconds
// give up at once, until the lock is taken again: a lock held for long would
// otherwise cost each of a start's many reads the whole wait in turn.
namespace lukonodotus {

// Lets `kesto` pass. A program with a window installs one that keeps the
// window painting and answering meanwhile; the plain one sleeps.
using Torkku = void (*)(std::chrono::milliseconds kesto);

// nullptr puts the plain sleep back.
void AsetaTorkku(Torkku torkku);

// After the `kerta`-th failed try (0 for the first) to take the lock: naps
// once and tells whether to try again. A wait begun inside a nap gives up at
// once.
bool Odota(int kerta);

// Whether this thread is inside a nap. The window handles events meanwhile,
// and a store call one of them makes finds the store held, as if by another
// process: made through the registry operation that is waiting, it would
// wait on itself.
bool Torkkuu();

// The lock was taken: a wait after this one waits in full again.
void Saatu();

}  // namespace lukonodotus
