#include "Sormikursori.h"

#include <QBitmap>
#include <QPainter>
#include <array>
#include <string_view>

namespace {

constexpr int SIVU = 32;
constexpr int KARKI_X = 5;
constexpr int KARKI_Y = 0;

// '#' black, 'o' white, anything else see-through. Rows end where the
// picture does; the rest of the 32 x 32 square is see-through.
constexpr std::array<std::string_view, 25> KASI{
    ".....####",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#",
    "....#oooo#####",
    "....#oooo#oooo#####",
    "....#oooo#oooo#oooo####",
    "....#oooo#oooo#oooo#ooo#",
    ".##.#oooo#oooo#oooo#ooo#",
    "#oo##oooo#oooo#oooo#ooo#",
    "#ooo#oooooooooooooooooo#",
    ".#oo#oooooooooooooooooo#",
    ".#ooooooooooooooooooooo#",
    "..#oooooooooooooooooooo#",
    "..#oooooooooooooooooooo#",
    "...#ooooooooooooooooooo#",
    "...#oooooooooooooooooo#",
    "....#ooooooooooooooooo#",
    "....#oooooooooooooooo#",
    ".....#ooooooooooooooo#",
    ".....#ooooooooooooooo#",
    ".....#################",
};

// In a cursor bitmap color1 is black and color0 white; the mask's color1
// marks the pixels that are drawn at all.
QBitmap Bittikartta(std::string_view merkit) {
    QBitmap kartta(SIVU, SIVU);
    kartta.fill(Qt::color0);
    QPainter p(&kartta);
    p.setPen(Qt::color1);
    for (int y = 0; y < static_cast<int>(KASI.size()); ++y) {
        const std::string_view rivi = KASI[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(rivi.size()); ++x) {
            if (merkit.find(rivi[static_cast<std::size_t>(x)]) != std::string_view::npos)
                p.drawPoint(x, y);
        }
    }
    return kartta;
}

}  // namespace

QCursor Sormikursori() { return QCursor(Bittikartta("#"), Bittikartta("#o"), KARKI_X, KARKI_Y); }
