#pragma once

#include <array>

#include "Pelitila.h"
#include "Valintaikkuna.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Asetukset": how a game starts, the two placement rules and the sinking
// display. Edits the settings of the game state and stores them on OK.
class frmAsetukset : public Valintaikkuna {
    Q_OBJECT

  public:
    frmAsetukset(Pelitila& tila, QWidget* parent);

  private:
    void Form_Load();
    void cmdPainike_Click(int Index);

    Pelitila& t;
    QGroupBox* fraAloitustapa;
    std::array<QRadioButton*, 3> optAloitustapa{};
    QGroupBox* fraLaivojenSijainti;
    std::array<QCheckBox*, 2> chkSijainti{};
    QGroupBox* fraLaivojenUppoaminen;
    std::array<QRadioButton*, 2> optUppoaminen{};
    std::array<QPushButton*, 2> cmdPainike{};
};
