#pragma once

#include <QImage>
#include <cstring>

#include "rules/pictures/Pikselikuva.h"

// A picture of the rules as Qt paints it: the same words in the same order,
// copied once.
inline QImage Kuvana(const piirros::Pikselikuva& kuva, qreal laitepikselisuhde = 1.0) {
    QImage tulos(kuva.leveys, kuva.korkeus, QImage::Format_ARGB32_Premultiplied);
    if (tulos.isNull()) return tulos;
    std::memcpy(tulos.bits(), kuva.pikselit.data(),
                kuva.pikselit.size() * sizeof(piirros::Pikseli));
    tulos.setDevicePixelRatio(laitepikselisuhde);
    return tulos;
}
