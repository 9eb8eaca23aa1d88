#include "qt/Kuvanimio.h"

#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <cmath>

#include "qt/Pikselikuvat.h"

Kuvanimio::Kuvanimio(QWidget* isanta, Piirros piirros)
    : QLabel(isanta), piirros_(std::move(piirros)) {
    setFocusPolicy(Qt::TabFocus);
}

void Kuvanimio::Nayta(const QString& nimi) {
    setAccessibleName(nimi);
    Piirra();
}

void Kuvanimio::Piirra() {
    if (!piirros_ || width() <= 0 || height() <= 0) return;
    const qreal suhde = devicePixelRatioF();
    const auto pikseleina = [suhde](int koko) {
        return static_cast<int>(std::lround(koko * suhde));
    };
    setPixmap(
        QPixmap::fromImage(Kuvana(piirros_(pikseleina(width()), pikseleina(height())), suhde)));
}

void Kuvanimio::resizeEvent(QResizeEvent* tapahtuma) {
    QLabel::resizeEvent(tapahtuma);
    Piirra();
}

void Kuvanimio::paintEvent(QPaintEvent* tapahtuma) {
    QLabel::paintEvent(tapahtuma);
    if (!hasFocus()) return;
    QStylePainter maalari(this);
    QStyleOptionFocusRect kehys;
    kehys.initFrom(this);
    maalari.drawPrimitive(QStyle::PE_FrameFocusRect, kehys);
}
