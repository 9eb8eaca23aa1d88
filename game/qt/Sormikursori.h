#pragma once

#include <QCursor>

// The pointing hand over whatever can be clicked. Each call builds a new
// cursor; keep one and hand out copies, which share it.
QCursor Sormikursori();
