#pragma once

#include <QImage>

#include "rules/Nakyma.h"

// The six template pictures a grid square copies, each drawn for the device
// pixels it will cover at this device pixel ratio.
const QImage& Mallikuva(Kuva kuva, qreal laitepikselisuhde);

// A frame of a square sinking: the picture `kuva` with the water over the
// share `vedenpinta` of its height.
QImage Uppoamiskuva(Kuva kuva, double vedenpinta, qreal laitepikselisuhde);
