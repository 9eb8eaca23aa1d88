#pragma once

#include <chrono>

// The store's nap while another copy of the game holds its lock: the windows
// keep painting and answering (screen readers included), while the player's
// input waits in the queue until the save is over.
void OdotaElossa(std::chrono::milliseconds kesto);
