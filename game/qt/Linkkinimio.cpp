#include "qt/Linkkinimio.h"

#include <QMouseEvent>

#include "qt/Sormikursori.h"

Linkkinimio::Linkkinimio(QWidget* isanta) : QLabel(isanta) {
    setTextFormat(Qt::PlainText);
    QFont alleviivattu = font();
    alleviivattu.setUnderline(true);
    setFont(alleviivattu);
    QPalette vari = palette();
    vari.setColor(QPalette::WindowText, QColor(64, 64, 64));
    setPalette(vari);
    setCursor(Sormikursori());
}

void Linkkinimio::mousePressEvent(QMouseEvent* tapahtuma) {
    napsautus_.Alas(tapahtuma->button() == Qt::LeftButton, false);
}

void Linkkinimio::mouseDoubleClickEvent(QMouseEvent* tapahtuma) {
    napsautus_.Alas(tapahtuma->button() == Qt::LeftButton, true);
}

void Linkkinimio::mouseReleaseEvent(QMouseEvent* tapahtuma) {
    if (napsautus_.Ylos(tapahtuma->button() == Qt::LeftButton,
                        rect().contains(tapahtuma->position().toPoint())))
        emit Napsautettu();
}
