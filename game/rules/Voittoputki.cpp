#include "Peli.h"

void Peli::PaataVoittoputki() {
    if (t.Parhaat.ParasTulos[9] < t.PerakkaisetVoitot) {
        n.AsetaOsoitin(Osoitin::Oletus);
        n.NaytaKysyNimi();
    } else {
        t.PerakkaisetVoitot = 0;
    }
}
