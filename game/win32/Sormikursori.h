#pragma once

#include <windows.h>

// The pointing hand over a square or a link that can be clicked; made once.
HCURSOR Sormikursori();
