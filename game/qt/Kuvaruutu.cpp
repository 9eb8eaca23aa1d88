#include "qt/Kuvaruutu.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/Mallikuvat.h"
#include "qt/Twipit.h"

namespace {

// The game's button numbers; Qt happens to number these three alike, but the
// handlers must not depend on that.
int Painikenumero(Qt::MouseButton painike) {
    switch (painike) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

Kuvaruutu::Kuvaruutu(const Ruutunakyma& nakyma, QWidget* parent)
    : QWidget(parent), nakyma_(nakyma) {
    // The tile covers every pixel, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(Twipeista(RUUDUN_SIVU), Twipeista(RUUDUN_SIVU));
}

void Kuvaruutu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (nakyma_.vedenpinta) {
        p.drawImage(QPointF(0, 0),
                    Uppoamiskuva(nakyma_.kuva, *nakyma_.vedenpinta, devicePixelRatio()));
    } else {
        p.drawImage(QPointF(0, 0), Mallikuva(nakyma_.kuva, devicePixelRatio()));
    }
}

void Kuvaruutu::mousePressEvent(QMouseEvent* tapahtuma) {
    if (tapahtuma->button() == Qt::LeftButton) vasenPainettu_ = true;
}

void Kuvaruutu::mouseReleaseEvent(QMouseEvent* tapahtuma) {
    // Qt sends the release to the square that took the press, wherever the
    // pointer has moved since; a click needs the pointer still on it.
    const bool klikkaus = tapahtuma->button() == Qt::LeftButton && vasenPainettu_ &&
                          rect().contains(tapahtuma->position().toPoint());
    if (tapahtuma->button() == Qt::LeftButton) vasenPainettu_ = false;
    emit MouseUp(Painikenumero(tapahtuma->button()));
    if (klikkaus) emit Click();
}
