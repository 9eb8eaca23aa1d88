#include "win32/frmTietoja.h"

frmTietoja::frmTietoja(frmTietojaMalli& malli)
    : Valintaikkuna(frmTietojaAsettelu(), malli), m(malli) {}

void frmTietoja::Alusta() {
    AsetaTeksti("lblOhjelmanNimi", m.OhjelmanNimi);
    AsetaTeksti("lblTekija", m.Tekija);
    AsetaTeksti("lblWWW", m.WWW);
    AsetaTeksti("lblEmail", m.Email);
}

void frmTietoja::Napsautettu(const std::string& nimi) {
    if (nimi == "lblWWW") m.lblWWW_Click();
    if (nimi == "lblEmail") m.lblEmail_Click();
    if (nimi == "cmdOK") m.cmdOK_Click();
}
