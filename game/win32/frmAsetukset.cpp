#include "win32/frmAsetukset.h"

#include <string>

namespace {

std::string Nimi(const char* ryhma, std::size_t i) { return ryhma + std::to_string(i); }

}  // namespace

frmAsetukset::frmAsetukset(frmAsetuksetMalli& malli)
    : Valintaikkuna(frmAsetuksetAsettelu(), malli), m(malli) {}

void frmAsetukset::Alusta() {
    Valitse(Nimi("optAloitustapa", m.Aloitustapa), true);
    for (std::size_t i = 0; i < m.Sijainti.size(); ++i) {
        Valitse(Nimi("chkSijainti", i), m.Sijainti[i]);
        AsetaKaytossa(Nimi("chkSijainti", i), m.SijaintiKaytossa);
    }
    AsetaKaytossa("fraLaivojenSijainti", m.SijaintiKaytossa);
    Valitse(Nimi("optUppoaminen", m.Uppoaminen), true);
}

void frmAsetukset::Napsautettu(const std::string& nimi) {
    for (std::size_t i = 0; i < frmAsetuksetMalli::ALOITUSTAVAT.size(); ++i) {
        if (Valittu(Nimi("optAloitustapa", i))) m.Aloitustapa = i;
    }
    for (std::size_t i = 0; i < m.Sijainti.size(); ++i)
        m.Sijainti[i] = Valittu(Nimi("chkSijainti", i));
    m.Uppoaminen = Valittu("optUppoaminen0") ? 0 : 1;
    m.cmdPainike_Click(nimi == "cmdPainike0" ? 0 : 1);
}
