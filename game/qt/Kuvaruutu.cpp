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

// The grid lies in the client area, the square in the grid.
QPoint Kuvaruutu::Ikkunassa(const QMouseEvent& tapahtuma) const {
    return parentWidget()->mapToParent(mapToParent(tapahtuma.position().toPoint()));
}

void Kuvaruutu::mousePressEvent(QMouseEvent* tapahtuma) {
    const Qt::MouseButtons muut = tapahtuma->buttons() & ~tapahtuma->button();
    emit Painettu(Painikenumero(tapahtuma->button()), Ikkunassa(*tapahtuma), muut != Qt::NoButton);
}

// Qt sends the release to the square that took the press, wherever the
// pointer has moved since.
void Kuvaruutu::mouseReleaseEvent(QMouseEvent* tapahtuma) {
    emit Vapautettu(Painikenumero(tapahtuma->button()), Ikkunassa(*tapahtuma),
                    tapahtuma->buttons() != Qt::NoButton);
}
