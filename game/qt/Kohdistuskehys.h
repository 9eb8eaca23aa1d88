#pragma once

#include <QImage>
#include <QWidget>

// The frame around a grid's focus square, drawn for the device pixels of the
// tile it lies over.
const QImage& Kohdistuskehys(qreal laitepikselisuhde);

// The frame laid over the focus square. The mouse passes through it to the
// square beneath.
class Kehysruutu : public QWidget {
  public:
    explicit Kehysruutu(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* tapahtuma) override;
};
