#include "ParhaidenLista.h"
#include "Peli.h"

bool Peli::VahvistaLopetus() {
    if (!n.Kysy("Lopeta", "Haluatko varmasti lopettaa Morvak-ohjelman käytön?")) return false;
    // Quitting ends the streak too, but there is nothing left to reset: only a
    // streak worth a place on the list is kept, through the name entry.
    if (AnsaitseePaikan(t.PerakkaisetVoitot, t.Parhaat.ParasTulos[9])) {
        n.AsetaOsoitin(Osoitin::Oletus);
        n.NaytaKysyNimi();
    }
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    return true;
}
