#pragma once

#include "rules/settings/frmAsetuksetMalli.h"
#include "win32/Valintaikkuna.h"

// "Asetukset" over its model.
class frmAsetukset : public Valintaikkuna {
  public:
    explicit frmAsetukset(frmAsetuksetMalli& malli);

  private:
    void Alusta() override;
    void Napsautettu(const std::string& nimi) override;

    frmAsetuksetMalli& m;
};
