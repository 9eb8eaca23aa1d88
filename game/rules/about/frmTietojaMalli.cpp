#include "rules/about/frmTietojaMalli.h"

#include "rules/about/Linkit.h"

// The labels show their captions in the table: the name, the author and the
// links' addresses.
frmTietojaMalli::frmTietojaMalli(Palvelut& palvelut)
    : Valintaikkunamalli(palvelut, frmTietojaAsettelu()) {
    p.AsetaOsoitin(Osoitin::Oletus);
    Sido({
        sido::Painike("lblWWW", [this] { lblWWW_Click(); }),
        sido::Painike("lblEmail", [this] { lblEmail_Click(); }),
        sido::Painike("cmdOK", [this] { cmdOK_Click(); }),
    });
}

void frmTietojaMalli::lblWWW_Click() { AvaaKotisivu(p); }

void frmTietojaMalli::lblEmail_Click() { AvaaPalautelinkki(p); }

void frmTietojaMalli::cmdOK_Click() {
    p.AsetaOsoitin(Osoitin::Tiimalasi);
    Unload();
    p.AsetaOsoitin(Osoitin::Oletus);
}

void frmTietojaMalli::Sulje() { Unload(); }
