#pragma once

#include <windows.h>

#include "rules/pictures/Pikselikuva.h"

// A picture of the rules as a 32-bit top-down DIB section, which reads the
// same words in the same order; the caller owns the bitmap.
HBITMAP Bittikartaksi(const piirros::Pikselikuva& kuva);

// The picture's pixels put on the device as they are, with its top left at
// x, y; its alpha is not looked at.
void PiirraPikselit(HDC dc, int x, int y, const piirros::Pikselikuva& kuva);
