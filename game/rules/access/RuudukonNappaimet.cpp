#include "rules/access/Ruudunnimet.h"
#include "rules/window/frmMorvakMalli.h"

void frmMorvakMalli::Ruudukko_KeyDown(Puoli ruudukko, Ruutunappain nappain) {
    int& kohdistus = t.Nappaimisto.ruutu[static_cast<std::size_t>(ruudukko)];
    const int painike = Painikkeena(nappain);
    if (painike == 0) {
        kohdistus = Siirretty(kohdistus, nappain);
        n.TilanneMuuttui();
        return;
    }
    // A square that the mouse cannot click takes no key either.
    if (!nakyvat_.Kaytossa(ruudukko, kohdistus)) return;
    // The computer's squares answer only a click of the left button.
    if (ruudukko == Puoli::Pelaaja) {
        imgPelaaja_MouseUp(kohdistus, painike);
    } else if (painike == 1) {
        imgKone_Click(kohdistus);
    }
}

std::string frmMorvakMalli::RuudunNimi(Puoli ruudukko, int ruutu) const {
    return ::RuudunNimi(t, ruudukko, ruutu, nakyvat_.Kuvassa(ruudukko, ruutu));
}
