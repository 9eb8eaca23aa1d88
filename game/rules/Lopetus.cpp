#include "rules/Peli.h"
#include "rules/Tekstit.h"
#include "rules/results/ParhaidenLista.h"

bool Peli::VahvistaLopetus() {
    if (!Kysy(teksti::LOPETA_OTSIKKO, teksti::LOPETA)) return false;
    // Quitting ends the streak too, but there is nothing left to reset: only a
    // streak worth a place on the list is kept, through the name entry.
    if (AnsaitseePaikan(t.PerakkaisetVoitot, t.Parhaat.ParasTulos[9])) KysyNimi();
    n.AsetaOsoitin(Osoitin::Tiimalasi);
    return true;
}
