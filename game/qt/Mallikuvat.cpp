#include "qt/Mallikuvat.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "qt/Twipit.h"
#include "rules/Piirrokset.h"

namespace {

using namespace piirros;

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

void PiirraRisti(QImage& kuva, Vari vari) {
    QPainter p(&kuva);
    AsetaMerkkiasteikko(p, kuva);
    p.setPen(QPen(QColor::fromRgb(vari), RISTI_PAKSUUS, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(RISTI_ALKU, RISTI_ALKU), QPointF(RISTI_LOPPU, RISTI_LOPPU));
    p.drawLine(QPointF(RISTI_LOPPU, RISTI_ALKU), QPointF(RISTI_ALKU, RISTI_LOPPU));
}

void PiirraRengas(QImage& kuva, Vari vari) {
    QPainter p(&kuva);
    AsetaMerkkiasteikko(p, kuva);
    const QPointF keskus(YKSIKOITA / 2.0, YKSIKOITA / 2.0);
    p.setPen(QPen(QColor::fromRgb(REUNUS), RENGAS_REUNUS_PAKSUUS));
    p.drawEllipse(keskus, RENGAS_SADE, RENGAS_SADE);
    p.setPen(QPen(QColor::fromRgb(vari), RENGAS_PAKSUUS));
    p.drawEllipse(keskus, RENGAS_SADE, RENGAS_SADE);
}

QImage Piirra(Kuva kuva, int koko) {
    QImage tulos(koko, koko, QImage::Format_RGB32);
    const Kuvamalli malli = Malli(kuva);
    PiirraLaatta(tulos, malli.laatta);
    if (malli.merkki == Merkki::Risti) PiirraRisti(tulos, malli.vari);
    if (malli.merkki == Merkki::Rengas) PiirraRengas(tulos, malli.vari);
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
