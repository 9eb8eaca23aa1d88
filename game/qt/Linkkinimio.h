#pragma once

#include <QLabel>

// A label that opens something: underlined dark-grey text under the pointing
// hand, acting on a left click released over it.
class Linkkinimio : public QLabel {
    Q_OBJECT

  public:
    explicit Linkkinimio(QWidget* isanta);

  signals:
    void Napsautettu();

  protected:
    void mouseReleaseEvent(QMouseEvent* tapahtuma) override;
};
