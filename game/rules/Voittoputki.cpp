#include "rules/Peli.h"
#include "rules/results/ParhaidenLista.h"
#include "rules/results/frmKysyNimiMalli.h"

void Peli::PaataVoittoputki() {
    if (AnsaitseePaikan(t.PerakkaisetVoitot, t.Parhaat.ParasTulos[9])) {
        KysyNimi();
    } else {
        t.PerakkaisetVoitot = 0;
    }
}

void Peli::KysyNimi() {
    n.AsetaOsoitin(Osoitin::Oletus);
    Paivita();
    frmKysyNimiMalli malli(t, n);
    n.NaytaKysyNimi(malli);
    Paivita();
}
