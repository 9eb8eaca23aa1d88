#pragma once

#include "rules/results/frmParhaatTuloksetMalli.h"
#include "win32/Valintaikkuna.h"

// "Parhaat tulokset" over its model.
class frmParhaatTulokset : public Valintaikkuna {
  public:
    explicit frmParhaatTulokset(frmParhaatTuloksetMalli& malli);

  private:
    void Alusta() override;
    void Napsautettu(const std::string& nimi) override;

    frmParhaatTuloksetMalli& m;
};
