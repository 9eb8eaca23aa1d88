#include "ParhaidenLista.h"
#include "Peli.h"

void Peli::PaataVoittoputki() {
    if (AnsaitseePaikan(t.PerakkaisetVoitot, t.Parhaat.ParasTulos[9])) {
        n.AsetaOsoitin(Osoitin::Oletus);
        n.NaytaKysyNimi();
    } else {
        t.PerakkaisetVoitot = 0;
    }
}
