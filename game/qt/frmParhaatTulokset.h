#pragma once

#include <array>

#include "Pelitila.h"
#include "Valintaikkuna.h"

class QGroupBox;
class QLabel;
class QPushButton;

// "Parhaat tulokset": the ten longest winning streaks, with the command that
// clears them.
class frmParhaatTulokset : public Valintaikkuna {
    Q_OBJECT

  public:
    frmParhaatTulokset(Pelitila& tila, QWidget* parent);

  private:
    void Form_Load();
    void cmdPainike_Click(int Index);
    void Tyhjenna();

    Pelitila& t;
    QGroupBox* frParhaat;
    std::array<QLabel*, 10> lblSija{};
    std::array<QLabel*, 10> lblNimi{};
    std::array<QLabel*, 10> lblTulos{};
    std::array<QPushButton*, 2> cmdPainike{};
};
