#include "win32/frmParhaatTulokset.h"

#include <string>

frmParhaatTulokset::frmParhaatTulokset(frmParhaatTuloksetMalli& malli)
    : Valintaikkuna(frmParhaatTuloksetAsettelu(), malli), m(malli) {}

void frmParhaatTulokset::Alusta() {
    for (std::size_t i = 0; i < m.Nimi.size(); ++i) {
        const std::string rivi = std::to_string(i);
        AsetaTeksti("lblSija" + rivi, m.Sija[i]);
        AsetaTeksti("lblNimi" + rivi, m.Nimi[i]);
        AsetaTeksti("lblTulos" + rivi, m.Tulos[i]);
    }
    AsetaKaytossa("cmdPainike1", m.TyhjennaKaytossa);
}

void frmParhaatTulokset::Napsautettu(const std::string& nimi) {
    m.cmdPainike_Click(nimi == "cmdPainike0" ? 0 : 1);
    Alusta();
}
