#pragma once

#include <windows.h>

// The frame around a grid's focus square, laid over the tile.
void PiirraKohdistuskehys(HDC dc, const RECT& laatta);
