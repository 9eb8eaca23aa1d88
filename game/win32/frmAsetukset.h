#pragma once

#include "Valintaikkuna.h"
#include "frmAsetuksetMalli.h"

// "Asetukset" over its model.
class frmAsetukset : public Valintaikkuna {
  public:
    explicit frmAsetukset(frmAsetuksetMalli& malli);

  private:
    void Alusta() override;
    void Napsautettu(const std::string& nimi) override;

    frmAsetuksetMalli& m;
};
