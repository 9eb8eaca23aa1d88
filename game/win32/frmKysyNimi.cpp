#include "win32/frmKysyNimi.h"

frmKysyNimi::frmKysyNimi(frmKysyNimiMalli& malli)
    : Valintaikkuna(frmKysyNimiAsettelu(), malli), m(malli) {}

void frmKysyNimi::Alusta() {
    AsetaTeksti("lblTeksti", m.Teksti);
    SendMessageW(Hae("txtNimi"), EM_SETLIMITTEXT, frmKysyNimiMalli::NIMEN_PITUUS, 0);
    AsetaTeksti("txtNimi", m.Nimi);
    // Typing replaces the whole name.
    SendMessageW(Hae("txtNimi"), EM_SETSEL, 0, -1);
    AsetaKaytossa("cmdPainike0", m.OKKaytossa);
}

void frmKysyNimi::Muuttui(const std::string&) {
    m.txtNimi_Change(Teksti("txtNimi"));
    AsetaKaytossa("cmdPainike0", m.OKKaytossa);
}

void frmKysyNimi::Napsautettu(const std::string& nimi) {
    m.cmdPainike_Click(nimi == "cmdPainike0" ? 0 : 1);
}
