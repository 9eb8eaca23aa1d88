#pragma once

#include <windows.h>

// The main window's own messages and identifiers.
namespace viesti {

// A socket of the network game is ready: its wParam the socket.
inline constexpr UINT SOKETTI = WM_APP + 2;
// A box or a dialog the rules asked for is shown, from the message loop
// rather than from inside the rules' call.
inline constexpr UINT LAATIKKO = WM_APP + 3;
// The one timer the rules ask for, only while they wait for something.
inline constexpr UINT_PTR AJASTIN = 1;
// Menu commands carry the command's number above this.
inline constexpr WORD KOMENTO_ENSIMMAINEN = 100;
// cmdPainike(0) and cmdPainike(1).
inline constexpr WORD PAINIKE_ENSIMMAINEN = 2000;

}  // namespace viesti
