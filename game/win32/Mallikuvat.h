#pragma once

#include <windows.h>

#include "rules/Nakyma.h"

// The six template pictures a grid square copies, each drawn for the pixels
// it will cover at the window's density, so every ring stays a sharp band.
// The bitmap lives as long as the program.
HBITMAP Mallikuva(Kuva kuva, int koko);
