#pragma once

#include "rules/Valintaikkunamalli.h"

// "Tietoja ohjelmasta": the program's name and author, and two links, to the
// product's web page and to a mail message for feedback.
class frmTietojaMalli : public Valintaikkunamalli {
  public:
    explicit frmTietojaMalli(Palvelut& palvelut);

    void lblWWW_Click();
    void lblEmail_Click();
    void cmdOK_Click();
    void Sulje() override;
};
