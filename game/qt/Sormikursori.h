#pragma once

#include <QCursor>

// The pointing hand over whatever can be clicked: a 32 x 32 monochrome
// cursor whose hot spot is the fingertip at 5, 0. Each call builds a new
// cursor; keep one and hand out copies, which share it.
QCursor Sormikursori();
