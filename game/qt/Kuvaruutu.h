#pragma once

#include <QWidget>
#include <optional>

#include "rules/Ruutunakymat.h"

// One square of a grid: an image control showing the template picture the
// rules' record has for it, and reporting the mouse the way the grid
// handlers expect it.
class Kuvaruutu : public QWidget {
    Q_OBJECT

  public:
    Kuvaruutu(const Ruutunakyma& nakyma, QWidget* parent);

    Kuva kuva() const { return nakyma_.kuva; }
    std::optional<double> vedenpinta() const { return nakyma_.vedenpinta; }

  signals:
    // A button released over the square that took the press: 1 left,
    // 2 right, 4 middle.
    void MouseUp(int painike);
    // The left button pressed and released on the square.
    void Click();

  protected:
    void paintEvent(QPaintEvent* tapahtuma) override;
    void mousePressEvent(QMouseEvent* tapahtuma) override;
    void mouseReleaseEvent(QMouseEvent* tapahtuma) override;

  private:
    const Ruutunakyma& nakyma_;
    bool vasenPainettu_ = false;
};
