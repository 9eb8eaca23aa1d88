#pragma once

#include <windows.h>

#include "rules/Nakyma.h"

// The screen-wide mouse pointer: while the hourglass is up every window of
// the game shows it, whatever its own pointer would be.
void AsetaNaytonOsoitin(Osoitin osoitin);

// For a window's WM_SETCURSOR: the hourglass when it is up. True when it was.
bool NaytaTiimalasi();
