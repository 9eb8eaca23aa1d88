#pragma once

#include <QImage>

#include "Nakyma.h"

// The six template pictures a grid square copies. Each is drawn for the
// device pixels it will cover, so every ring stays a sharp band at any
// device pixel ratio instead of being blurred by scaling.
const QImage& Mallikuva(Kuva kuva, qreal laitepikselisuhde);
