#pragma once

#include "qt/Valintaikkuna.h"
#include "rules/results/frmKysyNimiMalli.h"

// "Onneksi olkoon!" on screen over its model.
class frmKysyNimi : public Valintaikkuna {
    Q_OBJECT

  public:
    frmKysyNimi(frmKysyNimiMalli& malli, QWidget* parent);

  private:
    void cmdPainike_Click(int Index);

    frmKysyNimiMalli& m;
};
