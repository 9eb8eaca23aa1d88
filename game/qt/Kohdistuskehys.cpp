#include "qt/Kohdistuskehys.h"

#include <QPainter>
#include <QtMath>
#include <array>
#include <map>

#include "qt/Twipit.h"

namespace {

// The tiles are 21 rings' worth of units wide; the frame takes the outer
// three: a dark line against light tiles and a light band against dark ones.
constexpr int YKSIKOITA = 21;
constexpr std::array<QRgb, 3> RENKAAT{0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF};

QImage Piirra(int koko) {
    QImage kuva(koko, koko, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&kuva);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i <= static_cast<int>(RENKAAT.size()); ++i) {
        const int reuna = qRound(i * koko / double(YKSIKOITA));
        const QColor vari = i < static_cast<int>(RENKAAT.size())
                                ? QColor::fromRgba(RENKAAT[static_cast<std::size_t>(i)])
                                : QColor(Qt::transparent);
        p.fillRect(reuna, reuna, koko - 2 * reuna, koko - 2 * reuna, vari);
    }
    return kuva;
}

}  // namespace

const QImage& Kohdistuskehys(qreal laitepikselisuhde) {
    static std::map<qreal, QImage> valmiit;
    auto [paikka, uusi] = valmiit.try_emplace(laitepikselisuhde);
    if (uusi) {
        paikka->second = Piirra(qCeil(Twipeista(RUUDUN_SIVU) * laitepikselisuhde));
        paikka->second.setDevicePixelRatio(laitepikselisuhde);
    }
    return paikka->second;
}

Kehysruutu::Kehysruutu(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(Twipeista(RUUDUN_SIVU), Twipeista(RUUDUN_SIVU));
}

void Kehysruutu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPointF(0, 0), Kohdistuskehys(devicePixelRatio()));
}
