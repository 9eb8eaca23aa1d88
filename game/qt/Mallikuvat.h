#pragma once

#include <QImage>

#include "rules/Nakyma.h"

// The six template pictures a grid square copies. Each is drawn for the
// device pixels it will cover, so every ring stays a sharp band at any
// device pixel ratio instead of being blurred by scaling.
const QImage& Mallikuva(Kuva kuva, qreal laitepikselisuhde);

// A frame of a square sinking: the picture `kuva` with the water picture's own
// lower rows over the share `vedenpinta` of its height. The water line falls
// on a whole device pixel and no row is blended, so the frame is as sharp as
// the pictures themselves at any device pixel ratio.
QImage Uppoamiskuva(Kuva kuva, double vedenpinta, qreal laitepikselisuhde);
