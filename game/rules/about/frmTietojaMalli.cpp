#include "rules/about/frmTietojaMalli.h"

#include "rules/Tekstit.h"
#include "rules/about/Linkit.h"

frmTietojaMalli::frmTietojaMalli(Palvelut& palvelut)
    : Valintaikkunamalli(palvelut),
      OhjelmanNimi(teksti::OHJELMAN_NIMI),
      Tekija(teksti::TEKIJA),
      WWW(KOTISIVU),
      Email(PALAUTEOSOITE) {
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmTietojaMalli::lblWWW_Click() { AvaaKotisivu(p); }

void frmTietojaMalli::lblEmail_Click() { AvaaPalautelinkki(p); }

void frmTietojaMalli::cmdOK_Click() {
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    Unload();
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmTietojaMalli::Sulje() { Unload(); }
