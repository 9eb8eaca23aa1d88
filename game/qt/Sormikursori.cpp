#include "qt/Sormikursori.h"

#include <QBitmap>
#include <QPainter>
#include <string_view>

#include "rules/Piirrokset.h"

namespace {

using namespace piirros;

// In a cursor bitmap color1 is black and color0 white; the mask's color1
// marks the pixels that are drawn at all.
QBitmap Bittikartta(std::string_view merkit) {
    QBitmap kartta(KURSORIN_SIVU, KURSORIN_SIVU);
    kartta.fill(Qt::color0);
    QPainter p(&kartta);
    p.setPen(Qt::color1);
    for (int y = 0; y < static_cast<int>(SORMIKURSORI.size()); ++y) {
        const std::string_view rivi = SORMIKURSORI[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(rivi.size()); ++x) {
            if (merkit.find(rivi[static_cast<std::size_t>(x)]) != std::string_view::npos)
                p.drawPoint(x, y);
        }
    }
    return kartta;
}

}  // namespace

QCursor Sormikursori() {
    return QCursor(Bittikartta("#"), Bittikartta("#o"), KURSORIN_KARKI_X, KURSORIN_KARKI_Y);
}
