#pragma once

#include <QLabel>

#include "rules/Napsautus.h"

// A label that opens something: underlined dark-grey text under the pointing
// hand, acting when the mouse makes a click on it.
class Linkkinimio : public QLabel {
    Q_OBJECT

  public:
    explicit Linkkinimio(QWidget* isanta);

  signals:
    void Napsautettu();

  protected:
    void mousePressEvent(QMouseEvent* tapahtuma) override;
    void mouseDoubleClickEvent(QMouseEvent* tapahtuma) override;
    void mouseReleaseEvent(QMouseEvent* tapahtuma) override;

  private:
    Napsautus napsautus_;
};
