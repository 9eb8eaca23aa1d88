#pragma once

#include "rules/results/frmKysyNimiMalli.h"
#include "win32/Valintaikkuna.h"

// "Onneksi olkoon!" over its model.
class frmKysyNimi : public Valintaikkuna {
  public:
    explicit frmKysyNimi(frmKysyNimiMalli& malli);

  private:
    void Alusta() override;
    void Napsautettu(const std::string& nimi) override;
    void Muuttui(const std::string& nimi) override;

    frmKysyNimiMalli& m;
};
