#pragma once

#include "rules/about/frmTietojaMalli.h"
#include "win32/Valintaikkuna.h"

// "Tietoja ohjelmasta" over its model.
class frmTietoja : public Valintaikkuna {
  public:
    explicit frmTietoja(frmTietojaMalli& malli);

  private:
    void Alusta() override;
    void Napsautettu(const std::string& nimi) override;

    frmTietojaMalli& m;
};
