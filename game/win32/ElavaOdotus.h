#pragma once

#include <chrono>

// The store's nap while another copy of the game holds its lock: the windows
// keep painting and answering messages other threads and programs send them
// (a screen reader's WM_GETOBJECT), while the player's input and the posted
// messages wait in the queue until the save is over.
void OdotaElossa(std::chrono::milliseconds kesto);
