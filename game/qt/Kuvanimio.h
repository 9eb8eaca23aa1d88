#pragma once

#include <QLabel>
#include <functional>

#include "rules/pictures/Pikselikuva.h"

// A picture of the rules in a label, drawn again at its size whenever it is
// placed or its name changes. Assistive technology hears it as a graphic by
// that name, and the keyboard stops at it so that it can be heard.
class Kuvanimio : public QLabel {
  public:
    using Piirros = std::function<piirros::Pikselikuva(int leveys, int korkeus)>;

    Kuvanimio(QWidget* isanta, Piirros piirros = {});
    void AsetaPiirros(Piirros piirros) { piirros_ = std::move(piirros); }
    void Nayta(const QString& nimi);

  protected:
    void resizeEvent(QResizeEvent* tapahtuma) override;
    void paintEvent(QPaintEvent* tapahtuma) override;

  private:
    void Piirra();

    Piirros piirros_;
};
