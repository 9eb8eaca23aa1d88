#include "qt/Kohdistuskehys.h"

#include <QPainter>
#include <QtMath>
#include <map>

#include "qt/Pikselikuvat.h"
#include "qt/Twipit.h"
#include "rules/pictures/Kohdistuskehys.h"

const QImage& Kohdistuskehys(qreal laitepikselisuhde) {
    static std::map<qreal, QImage> valmiit;
    auto [paikka, uusi] = valmiit.try_emplace(laitepikselisuhde);
    if (uusi) {
        const int sivu = qCeil(Twipeista(RUUDUN_SIVU) * laitepikselisuhde);
        paikka->second = Kuvana(piirros::Kohdistuskehys(sivu), laitepikselisuhde);
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
