#pragma once

#include <QImage>
#include <QWidget>

// The frame around a grid's focus square. It covers only the tile's outer
// rings, so the colour at the tile's centre stays in sight, and its edges
// fall on the tile's own ring edges, so it is as sharp as the tile at any
// device pixel ratio.
const QImage& Kohdistuskehys(qreal laitepikselisuhde);

// The frame laid over the focus square. The mouse passes through it to the
// square beneath.
class Kehysruutu : public QWidget {
  public:
    explicit Kehysruutu(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* tapahtuma) override;
};
