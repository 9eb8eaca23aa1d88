#pragma once

#include "qt/Valintaikkuna.h"
#include "rules/settings/frmAsetuksetMalli.h"

// "Asetukset" on screen: its controls show the model, and the player's
// choices go back to it before a button is handled.
class frmAsetukset : public Valintaikkuna {
    Q_OBJECT

  public:
    frmAsetukset(frmAsetuksetMalli& malli, QWidget* parent);

  private:
    void Nayta();
    void cmdPainike_Click(int Index);

    frmAsetuksetMalli& m;
};
