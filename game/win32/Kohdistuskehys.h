#pragma once

#include <windows.h>

// The frame around a grid's focus square, drawn over the tile. It covers only
// the tile's outer rings, so the colour at the tile's centre stays in sight:
// a dark line against light tiles and a light band against dark ones, with
// its edges on the tile's own ring edges.
void PiirraKohdistuskehys(HDC dc, const RECT& laatta);
