#pragma once

#include "qt/Valintaikkuna.h"
#include "rules/about/frmTietojaMalli.h"

// "Tietoja ohjelmasta" on screen over its model.
class frmTietoja : public Valintaikkuna {
    Q_OBJECT

  public:
    frmTietoja(frmTietojaMalli& malli, QWidget* parent);
};
