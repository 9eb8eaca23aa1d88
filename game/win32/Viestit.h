#pragma once

#include <windows.h>

// The main window's own messages and identifiers.
namespace viesti {

// The state is shown on the next turn of the message loop: a posted message,
// not a timer.
inline constexpr UINT TILANNE = WM_APP + 1;
// The computer's pause and a sinking's frames: the only timers the game runs,
// each only while it lasts.
inline constexpr UINT_PTR TAUKO = 1;
inline constexpr UINT_PTR UPPOAMINEN = 2;
// About sixty frames a second.
inline constexpr int KUVAVALI_MS = 16;
// Menu commands carry the command's number above this.
inline constexpr WORD KOMENTO_ENSIMMAINEN = 100;
// cmdPainike(0) and cmdPainike(1).
inline constexpr WORD PAINIKE_ENSIMMAINEN = 2000;

}  // namespace viesti
