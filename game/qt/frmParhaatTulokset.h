#pragma once

#include "qt/Valintaikkuna.h"
#include "rules/results/frmParhaatTuloksetMalli.h"

// "Parhaat tulokset" on screen over its model.
class frmParhaatTulokset : public Valintaikkuna {
    Q_OBJECT

  public:
    frmParhaatTulokset(frmParhaatTuloksetMalli& malli, QWidget* parent);

  private:
    void Nayta();
    void cmdPainike_Click(int Index);

    frmParhaatTuloksetMalli& m;
};
