#pragma once

#include <QWidget>
#include <optional>

#include "rules/Nakyma.h"

// One square of a grid: an image control showing one of the template
// pictures and reporting the mouse the way the grid handlers expect it.
class Kuvaruutu : public QWidget {
    Q_OBJECT

  public:
    explicit Kuvaruutu(QWidget* parent);

    void NaytaKuva(Kuva kuva);
    Kuva kuva() const { return kuva_; }
    // While the square sinks: the share of its height under water, over its
    // picture. Nothing: not sinking.
    void AsetaVedenpinta(std::optional<double> pinta);
    std::optional<double> vedenpinta() const { return vedenpinta_; }

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
    Kuva kuva_ = Kuva::Vesi;
    std::optional<double> vedenpinta_;
    bool vasenPainettu_ = false;
};
