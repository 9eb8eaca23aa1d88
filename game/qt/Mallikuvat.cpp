#include "Mallikuvat.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "Twipit.h"

namespace {

// The pictures were 21 pixels wide: ten one-pixel rings and a centre pixel,
// listed from the border inwards.
constexpr int YKSIKOITA = 21;
using Renkaat = std::array<QRgb, 11>;

constexpr Renkaat VESI{0x4670A0, 0x5985B7, 0x7399C3, 0x88A8CC, 0x9CB6D4, 0xABC2DB,
                       0xB5C9DF, 0xBDCFE3, 0xC1D2E5, 0xC3D3E5, 0xC0D1E4};
constexpr Renkaat LAIVA{0x151515, 0x252525, 0x363636, 0x494949, 0x5A5A5A, 0x686868,
                        0x717171, 0x797979, 0x7D7D7D, 0x7E7E7E, 0x7B7B7B};

constexpr QRgb VAALEANKELTAINEN = 0xFFFFC0;
constexpr QRgb PUNAINEN = 0xFF4040;
constexpr QRgb REUNUS = 0x404040;

// Ring edges fall on whole device pixels, so no ring is smeared into its
// neighbour.
void PiirraLaatta(QImage& kuva, const Renkaat& renkaat) {
    QPainter p(&kuva);
    const int koko = kuva.width();
    for (int i = 0; i < static_cast<int>(renkaat.size()); ++i) {
        const int reuna = qRound(i * koko / double(YKSIKOITA));
        p.fillRect(reuna, reuna, koko - 2 * reuna, koko - 2 * reuna, QColor::fromRgb(renkaat[i]));
    }
}

// Marks are drawn in the 21-unit space of the old bitmaps, smoothed at the
// device resolution.
void AsetaMerkkiasteikko(QPainter& p, const QImage& kuva) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kuva.width() / double(YKSIKOITA), kuva.height() / double(YKSIKOITA));
}

void PiirraRisti(QImage& kuva, QRgb vari) {
    QPainter p(&kuva);
    AsetaMerkkiasteikko(p, kuva);
    p.setPen(QPen(QColor::fromRgb(vari), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5, 5), QPointF(16, 16));
    p.drawLine(QPointF(16, 5), QPointF(5, 16));
}

// A coloured ring with a dark edge on both sides.
void PiirraRengas(QImage& kuva, QRgb vari) {
    QPainter p(&kuva);
    AsetaMerkkiasteikko(p, kuva);
    const QPointF keskus(YKSIKOITA / 2.0, YKSIKOITA / 2.0);
    p.setPen(QPen(QColor::fromRgb(REUNUS), 4.0));
    p.drawEllipse(keskus, 5.0, 5.0);
    p.setPen(QPen(QColor::fromRgb(vari), 2.0));
    p.drawEllipse(keskus, 5.0, 5.0);
}

QImage Piirra(Kuva kuva, int koko) {
    QImage tulos(koko, koko, QImage::Format_RGB32);
    const bool laiva = kuva == Kuva::Laiva || kuva == Kuva::Osuma || kuva == Kuva::OsumaViimeksi;
    PiirraLaatta(tulos, laiva ? LAIVA : VESI);
    switch (kuva) {
        case Kuva::Vesi:
        case Kuva::Laiva:
            break;
        case Kuva::Osuma:
            PiirraRisti(tulos, VAALEANKELTAINEN);
            break;
        case Kuva::OsumaViimeksi:
            PiirraRisti(tulos, PUNAINEN);
            break;
        case Kuva::Ohi:
            PiirraRengas(tulos, VAALEANKELTAINEN);
            break;
        case Kuva::OhiViimeksi:
            PiirraRengas(tulos, PUNAINEN);
            break;
    }
    return tulos;
}

}  // namespace

const QImage& Mallikuva(Kuva kuva, qreal laitepikselisuhde) {
    // A handful of sizes at most: one per screen the window has been on.
    static std::map<std::pair<Kuva, qreal>, QImage> valmiit;
    const int koko = qCeil(Twipeista(RUUDUN_SIVU) * laitepikselisuhde);
    auto [paikka, uusi] = valmiit.try_emplace({kuva, laitepikselisuhde});
    if (uusi) {
        paikka->second = Piirra(kuva, koko);
        // The screen's own ratio: the picture then lands pixel for pixel, the
        // fraction of a pixel it overhangs at odd ratios being cut off.
        paikka->second.setDevicePixelRatio(laitepikselisuhde);
    }
    return paikka->second;
}

QImage Uppoamiskuva(Kuva kuva, double vedenpinta, qreal laitepikselisuhde) {
    QImage kehys = Mallikuva(kuva, laitepikselisuhde).copy();
    const QImage& vesi = Mallikuva(Kuva::Vesi, laitepikselisuhde);
    const int korkeus = kehys.height();
    const int raja = korkeus - qRound(std::clamp(vedenpinta, 0.0, 1.0) * korkeus);
    for (int y = raja; y < korkeus; ++y)
        std::copy_n(vesi.constScanLine(y), vesi.bytesPerLine(), kehys.scanLine(y));
    return kehys;
}
