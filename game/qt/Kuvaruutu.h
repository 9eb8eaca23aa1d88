#pragma once

#include <QWidget>
#include <optional>

#include "rules/Ruutunakymat.h"

// One square of a grid: an image control showing the template picture the
// rules' record has for it, and handing on its mouse.
class Kuvaruutu : public QWidget {
    Q_OBJECT

  public:
    Kuvaruutu(const Ruutunakyma& nakyma, QWidget* parent);

    Kuva kuva() const { return nakyma_.kuva; }
    std::optional<double> vedenpinta() const { return nakyma_.vedenpinta; }

  signals:
    // A button pressed or let go: 1 left, 2 right, 4 middle, where the
    // pointer is in the main window's client area, and whether other
    // buttons are held besides it. The rules make the clicks of them.
    void Painettu(int painike, QPoint kohta, bool muitaAlhaalla);
    void Vapautettu(int painike, QPoint kohta, bool muitaAlhaalla);

  protected:
    void paintEvent(QPaintEvent* tapahtuma) override;
    void mousePressEvent(QMouseEvent* tapahtuma) override;
    void mouseReleaseEvent(QMouseEvent* tapahtuma) override;

  private:
    QPoint Ikkunassa(const QMouseEvent& tapahtuma) const;

    const Ruutunakyma& nakyma_;
};
